// Zip archives made for the tests of the page's reading of workbooks.
import zlib from 'node:zlib';

// A zip archive of the entries given, written here so that a test can make what no zip
// library writes: {name, bytes, stored (not deflated), size and checksum (those declared,
// if not the real ones)}. Entries of the same bytes are deflated once, so a package of hundreds
// of parts of many megabytes is made in a moment.
export function zipOf(entries) {
  const packedOf = new Map();
  const locals = [];
  const directory = [];
  let offset = 0;
  for (const { name, bytes, stored = false, size = bytes.length, checksum } of entries) {
    if (!packedOf.has(bytes))
      packedOf.set(bytes, { deflated: zlib.deflateRawSync(bytes, { level: 9 }), crc: zlib.crc32(bytes) });
    const { deflated } = packedOf.get(bytes);
    const crc = checksum ?? packedOf.get(bytes).crc;
    const data = stored ? bytes : deflated;
    const nameBytes = Buffer.from(name);
    const header = (signature, extra) => {
      const fields = Buffer.alloc(extra ? 46 : 30);
      fields.writeUInt32LE(signature, 0);
      const at = extra ? 6 : 4; // the central directory's entry adds the version made by
      fields.writeUInt16LE(20, at);
      fields.writeUInt16LE(stored ? 0 : 8, at + 4);
      fields.writeUInt32LE(crc, at + 10);
      fields.writeUInt32LE(data.length, at + 14);
      fields.writeUInt32LE(size, at + 18);
      fields.writeUInt16LE(nameBytes.length, at + 22);
      if (extra) fields.writeUInt32LE(offset, 42);
      return Buffer.concat([fields, nameBytes]);
    };
    const local = header(0x04034b50, false);
    locals.push(local, data);
    directory.push(header(0x02014b50, true));
    offset += local.length + data.length;
  }
  const listing = Buffer.concat(directory);
  const end = Buffer.alloc(22);
  end.writeUInt32LE(0x06054b50, 0);
  end.writeUInt16LE(entries.length, 8);
  end.writeUInt16LE(entries.length, 10);
  end.writeUInt32LE(listing.length, 12);
  end.writeUInt32LE(offset, 16);
  return new Uint8Array(Buffer.concat([...locals, listing, end]));
}

// The parts of a zip archive: [{name, bytes}].
export async function partsOfZip(bytes) {
  const { default: JSZip } = await import('jszip');
  const zip = await JSZip.loadAsync(bytes);
  return Promise.all(
    Object.values(zip.files)
      .filter((file) => !file.dir)
      .map(async (file) => ({ name: file.name, bytes: await file.async('uint8array') })),
  );
}
