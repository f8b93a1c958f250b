// A workbook's package (a zip archive) read as the desktop reads it: the listing of its parts
// first, from the archive's central directory at its end, so the module can weigh what the
// parts would unpack to before any of them is; then only the parts a reader asks for, each
// unpacked by the browser's own inflater and never beyond the size the listing declares,
// with its checksum checked.

import { checksumOf } from './crc32.js';

const END_OF_DIRECTORY = 0x06054b50;
const ZIP64_END_LOCATOR = 0x07064b50;
const ZIP64_END_OF_DIRECTORY = 0x06064b50;
const DIRECTORY_ENTRY = 0x02014b50;
const LOCAL_HEADER = 0x04034b50;
const ZIP64_EXTRA = 0x0001;
const STORED = 0;
const DEFLATED = 8;
const ENCRYPTED = 0x1;
const FULL32 = 0xffffffff;
const FULL16 = 0xffff;

// A package that cannot be listed or a part that cannot be unpacked as declared.
export class DamagedPackage extends Error {}

function view(bytes) {
  return new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
}

function uint64(data, at) {
  return data.getUint32(at, true) + data.getUint32(at + 4, true) * 2 ** 32;
}

// Where the central directory is and how many parts it lists, from the end record (the
// last 22 bytes, or up to 64 KB further back when the archive carries a comment).
function directoryOf(bytes) {
  const data = view(bytes);
  const lowest = Math.max(0, bytes.length - 22 - FULL16);
  for (let at = bytes.length - 22; at >= lowest; --at) {
    if (data.getUint32(at, true) !== END_OF_DIRECTORY) continue;
    let count = data.getUint16(at + 10, true);
    let offset = data.getUint32(at + 16, true);
    if ((count === FULL16 || offset === FULL32) && at >= 20 && data.getUint32(at - 20, true) === ZIP64_END_LOCATOR) {
      const record = uint64(data, at - 12);
      if (record + 56 > bytes.length || data.getUint32(record, true) !== ZIP64_END_OF_DIRECTORY) break;
      count = uint64(data, record + 32);
      offset = uint64(data, record + 48);
    }
    return { count, offset };
  }
  throw new DamagedPackage('no central directory');
}

// The sizes and offset an entry's zip64 field carries in place of those that are full.
function withZip64(data, extraStart, extraEnd, entry) {
  for (let at = extraStart; at + 4 <= extraEnd;) {
    const id = data.getUint16(at, true);
    const length = data.getUint16(at + 2, true);
    if (id === ZIP64_EXTRA) {
      let field = at + 4;
      for (const key of ['size', 'compressedSize', 'offset']) {
        if (entry[key] !== FULL32 || field + 8 > at + 4 + length) continue;
        entry[key] = uint64(data, field);
        field += 8;
      }
    }
    at += 4 + length;
  }
}

// Every part the package lists: {name, method, encrypted, checksum, compressedSize, size,
// offset}; throws DamagedPackage when the bytes are no zip archive.
export function listParts(bytes) {
  const data = view(bytes);
  const { count, offset } = directoryOf(bytes);
  const names = new TextDecoder();
  const parts = [];
  let at = offset;
  for (let index = 0; index < count; ++index) {
    if (at + 46 > bytes.length || data.getUint32(at, true) !== DIRECTORY_ENTRY) throw new DamagedPackage('listing');
    const nameLength = data.getUint16(at + 28, true);
    const extraLength = data.getUint16(at + 30, true);
    const commentLength = data.getUint16(at + 32, true);
    const entry = {
      name: names.decode(bytes.subarray(at + 46, at + 46 + nameLength)),
      method: data.getUint16(at + 10, true),
      encrypted: (data.getUint16(at + 8, true) & ENCRYPTED) !== 0,
      checksum: data.getUint32(at + 16, true),
      compressedSize: data.getUint32(at + 20, true),
      size: data.getUint32(at + 24, true),
      offset: data.getUint32(at + 42, true),
    };
    withZip64(data, at + 46 + nameLength, at + 46 + nameLength + extraLength, entry);
    parts.push(entry);
    at += 46 + nameLength + extraLength + commentLength;
  }
  return parts;
}

// The part's bytes as packed in the archive, neither unpacked nor checked.
export function packedBytes(bytes, part) {
  const data = view(bytes);
  if (part.offset + 30 > bytes.length || data.getUint32(part.offset, true) !== LOCAL_HEADER)
    throw new DamagedPackage(part.name);
  const start = part.offset + 30 + data.getUint16(part.offset + 26, true) + data.getUint16(part.offset + 28, true);
  if (start + part.compressedSize > bytes.length) throw new DamagedPackage(part.name);
  return bytes.subarray(start, start + part.compressedSize);
}

// Unpacks deflated bytes piece by piece, stopping as soon as they pass the declared size.
async function inflated(packed, part) {
  const pieces = [];
  let unpacked = 0;
  // A stream of the bytes themselves: WebKit cannot read a Blob's stream inside a worker.
  const source = new ReadableStream({
    start(controller) {
      controller.enqueue(packed);
      controller.close();
    },
  });
  const reader = source.pipeThrough(new DecompressionStream('deflate-raw')).getReader();
  try {
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      unpacked += value.length;
      if (unpacked > part.size) throw new DamagedPackage(part.name);
      pieces.push(value);
    }
  } catch (fault) {
    reader.cancel().catch(() => {});
    throw fault instanceof DamagedPackage ? fault : new DamagedPackage(part.name);
  }
  return pieces;
}

// The part's bytes, exactly as many as the listing declares and matching its checksum;
// throws DamagedPackage otherwise.
export async function readPart(bytes, part) {
  if (part.encrypted || (part.method !== STORED && part.method !== DEFLATED)) throw new DamagedPackage(part.name);
  const packed = packedBytes(bytes, part);
  const pieces = part.method === STORED ? [packed] : await inflated(packed, part);
  const length = pieces.reduce((sum, piece) => sum + piece.length, 0);
  if (length !== part.size || checksumOf(pieces) !== part.checksum) throw new DamagedPackage(part.name);
  if (pieces.length === 1) return pieces[0];
  const whole = new Uint8Array(length);
  let at = 0;
  for (const piece of pieces) {
    whole.set(piece, at);
    at += piece.length;
  }
  return whole;
}
