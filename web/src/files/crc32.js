// The zip format's checksum (CRC-32) of bytes given in pieces.

const CRC_TABLE = (() => {
  const table = new Uint32Array(256);
  for (let n = 0; n < 256; ++n) {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    table[n] = c >>> 0;
  }
  return table;
})();

export function checksumOf(pieces) {
  let crc = 0xffffffff;
  for (const piece of pieces) {
    for (let i = 0; i < piece.length; ++i) crc = CRC_TABLE[(crc ^ piece[i]) & 0xff] ^ (crc >>> 8);
  }
  return (crc ^ 0xffffffff) >>> 0;
}
