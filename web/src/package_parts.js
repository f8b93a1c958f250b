// A workbook's package unpacked only as far as is safe: each part is inflated piece by piece
// and counted, so that a small file that would unpack to gigabytes (damaged, or made so) is
// refused before it fills the page's memory, as the desktop refuses it.

import JSZip from 'jszip';

// The zip package in bytes with its parts listed, none unpacked yet; null when the bytes
// are no zip package.
export async function listParts(bytes) {
  try {
    return await JSZip.loadAsync(bytes);
  } catch {
    return null;
  }
}

// Whether every part of the listed package unpacks to at most largestPart bytes.
export async function partsFit(zip, largestPart) {
  for (const part of Object.values(zip.files)) {
    if (part.dir) continue;
    if (!await partFits(part, largestPart)) return false;
  }
  return true;
}

function partFits(part, largestPart) {
  return new Promise((resolve) => {
    let unpacked = 0;
    const stream = part.internalStream('uint8array');
    stream
      .on('data', (piece) => {
        unpacked += piece.length;
        if (unpacked > largestPart) {
          stream.pause();
          resolve(false);
        }
      })
      .on('error', () => resolve(false))
      .on('end', () => resolve(unpacked <= largestPart))
      .resume();
  });
}
