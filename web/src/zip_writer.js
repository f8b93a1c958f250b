// A workbook's package (a zip archive) written from its parts, each deflated by the
// browser's own deflater; and a package rewritten with some of its parts changed or added,
// which is how the page puts into the workbook library's package what the library cannot
// write itself.

import { checksumOf } from './crc32.js';
import { listParts, readPart } from './zip_package.js';

const UTF8_NAMES = 0x800;
const DEFLATED = 8;
// Every part is dated the first day the format can tell: a workbook written twice is the same.
const FIRST_DAY = (1 << 5) | 1;

async function deflated(bytes) {
  const stream = new Blob([bytes]).stream().pipeThrough(new CompressionStream('deflate-raw'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// The fields a part's local header and its entry in the listing share, from the version
// needed on.
function sharedFields(part) {
  const fields = new DataView(new ArrayBuffer(26));
  fields.setUint16(0, 20, true);
  fields.setUint16(2, UTF8_NAMES, true);
  fields.setUint16(4, DEFLATED, true);
  fields.setUint16(8, FIRST_DAY, true);
  fields.setUint32(10, part.checksum, true);
  fields.setUint32(14, part.packed.length, true);
  fields.setUint32(18, part.bytes.length, true);
  fields.setUint16(22, part.name.length, true);
  return new Uint8Array(fields.buffer);
}

function header(signature, length) {
  const bytes = new Uint8Array(length);
  new DataView(bytes.buffer).setUint32(0, signature, true);
  return bytes;
}

// The archive's bytes: parts [{name, bytes, checksum (when known)}] in their order.
export async function packParts(parts) {
  const encoder = new TextEncoder();
  const pieces = [];
  const listing = [];
  let offset = 0;
  for (const part of parts) {
    const name = encoder.encode(part.name);
    const packed = await deflated(part.bytes);
    const fields = sharedFields({ name, bytes: part.bytes, packed, checksum: part.checksum ?? checksumOf([part.bytes]) });
    const local = header(0x04034b50, 30);
    local.set(fields, 4);
    const entry = header(0x02014b50, 46);
    entry[4] = 20;  // made by: the version of the format
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
  return new Uint8Array(await new Blob([...pieces, ...listing, end]).arrayBuffer());
}

// The package with the text parts named in edits changed (edits: Map name → change(text)),
// and the text parts added ([{name, text}]) at its end.
export async function editedPackage(bytes, edits, added = []) {
  const parts = [];
  const decoder = new TextDecoder();
  const encoder = new TextEncoder();
  for (const listed of listParts(bytes)) {
    const content = await readPart(bytes, listed);
    const change = edits.get(listed.name);
    parts.push(change
      ? { name: listed.name, bytes: encoder.encode(change(decoder.decode(content))) }
      : { name: listed.name, bytes: content, checksum: listed.checksum });
  }
  for (const { name, text } of added) parts.push({ name, bytes: encoder.encode(text) });
  return packParts(parts);
}
