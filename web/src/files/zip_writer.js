// A workbook's package (a zip archive) written from its parts, each deflated by the
// browser's own deflater; and a package rewritten with some of its parts changed or added,
// which is how a teacher's sheet goes back into a staff workbook.

import { checksumOf } from './crc32.js';
import { listParts, packedBytes, readPart } from './zip_package.js';

const UTF8_NAMES = 0x800;
const DEFLATED = 8;
// Every part is dated the first day the format can tell: a workbook written twice is the same.
const FIRST_DAY = (1 << 5) | 1;

// The bytes written straight into the deflater, without a copy of them first.
async function deflated(bytes) {
  const deflater = new CompressionStream('deflate-raw');
  const writer = deflater.writable.getWriter();
  // A fault is the reading side's to tell.
  writer.write(bytes).catch(() => {});
  writer.close().catch(() => {});
  return new Uint8Array(await new Response(deflater.readable).arrayBuffer());
}

// Pieces of bytes one after the other in one array.
function joined(pieces) {
  const whole = new Uint8Array(pieces.reduce((sum, piece) => sum + piece.length, 0));
  let at = 0;
  for (const piece of pieces) {
    whole.set(piece, at);
    at += piece.length;
  }
  return whole;
}

// The fields a part's local header and its entry in the listing share, from the version
// needed on.
function sharedFields(part) {
  const fields = new DataView(new ArrayBuffer(26));
  fields.setUint16(0, 20, true);
  fields.setUint16(2, UTF8_NAMES, true);
  fields.setUint16(4, part.method, true);
  fields.setUint16(8, FIRST_DAY, true);
  fields.setUint32(10, part.checksum, true);
  fields.setUint32(14, part.packed.length, true);
  fields.setUint32(18, part.size, true);
  fields.setUint16(22, part.name.length, true);
  return new Uint8Array(fields.buffer);
}

function header(signature, length) {
  const bytes = new Uint8Array(length);
  new DataView(bytes.buffer).setUint32(0, signature, true);
  return bytes;
}

// The archive's bytes: parts [{name, bytes, checksum (when known)}] in their order, as the
// module hands a workbook's over; a part packed already goes over as it is: {name, packed,
// method, size, checksum}.
export async function packParts(parts) {
  const encoder = new TextEncoder();
  const pieces = [];
  const listing = [];
  let offset = 0;
  // Every part to pack is given to the deflater at once; the browser packs them one after
  // another without waiting on the page between them.
  const packedParts = await Promise.all(parts.map((part) => part.packed ?? deflated(part.bytes)));
  for (const [index, part] of parts.entries()) {
    const name = encoder.encode(part.name);
    const packed = packedParts[index];
    const fields = sharedFields({
      name,
      packed,
      method: part.packed ? part.method : DEFLATED,
      size: part.packed ? part.size : part.bytes.length,
      checksum: part.checksum ?? checksumOf([part.bytes]),
    });
    const local = header(0x04034b50, 30);
    local.set(fields, 4);
    const entry = header(0x02014b50, 46);
    entry[4] = 20; // made by: the version of the format
    entry.set(fields, 6);
    new DataView(entry.buffer).setUint32(42, offset, true);
    pieces.push(local, name, packed);
    listing.push(entry, name);
    offset += local.length + name.length + packed.length;
  }
  const listingLength = listing.reduce((sum, piece) => sum + piece.length, 0);
  const end = header(0x06054b50, 22);
  const fields = new DataView(end.buffer);
  fields.setUint16(8, parts.length, true);
  fields.setUint16(10, parts.length, true);
  fields.setUint32(12, listingLength, true);
  fields.setUint32(16, offset, true);
  return joined([...pieces, ...listing, end]);
}

// The package with the text parts named in edits changed (edits: Map name → change(text)),
// and the text parts added ([{name, text}]) at its end. Every part is unpacked and held to
// its checksum (a damaged one throws DamagedPackage); keepPacked: the parts not changed go
// over packed as they were rather than packed anew.
export async function editedPackage(bytes, edits, added = [], { keepPacked = false } = {}) {
  const parts = [];
  const decoder = new TextDecoder();
  const encoder = new TextEncoder();
  for (const listed of listParts(bytes)) {
    const content = await readPart(bytes, listed);
    const change = edits.get(listed.name);
    if (change) {
      parts.push({ name: listed.name, bytes: encoder.encode(change(decoder.decode(content))) });
    } else if (keepPacked) {
      const { name, method, size, checksum } = listed;
      parts.push({ name, method, size, checksum, packed: packedBytes(bytes, listed) });
    } else {
      parts.push({ name: listed.name, bytes: content, checksum: listed.checksum });
    }
  }
  for (const { name, text } of added) parts.push({ name, bytes: encoder.encode(text) });
  return packParts(parts);
}
