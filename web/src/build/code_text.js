// Bytes as text the page can carry inside a script element the browser does not run, seven
// bits a character (base64 carries six): each seven bits are the character of that number,
// but for the three numbers that raw text in a page cannot hold as they are (NUL, which the
// browser replaces, CR, which it turns into LF, and "<", which could end the element). Such
// a number goes into one character beyond U+00FF together with the seven bits after it,
// which UTF-8 writes in two bytes. The text starts with the count of bytes and a ":".

const HELD = [0, 13, 60];
const FIRST_PAIR = 0x100;

// The text of the bytes (a Uint8Array).
export function textOfBytes(bytes) {
  const numbers = [];
  let bits = 0;
  let held = 0;
  for (const byte of bytes) {
    bits = (bits << 8) | byte;
    held += 8;
    while (held >= 7) {
      held -= 7;
      numbers.push((bits >> held) & 0x7f);
    }
    bits &= (1 << held) - 1;
  }
  if (held > 0) numbers.push((bits << (7 - held)) & 0x7f);
  let text = `${bytes.length}:`;
  for (let i = 0; i < numbers.length; ++i) {
    const kept = HELD.indexOf(numbers[i]);
    if (kept < 0) {
      text += String.fromCharCode(numbers[i]);
    } else {
      text += String.fromCharCode(FIRST_PAIR + ((kept << 7) | (numbers[i + 1] ?? 0)));
      ++i;
    }
  }
  return text;
}

// The bytes (a Uint8Array) of text made by textOfBytes.
export function bytesOfText(text) {
  const start = text.indexOf(':');
  const bytes = new Uint8Array(Number(text.slice(0, start)));
  let bits = 0;
  let held = 0;
  let at = 0;
  const take = (number) => {
    bits = ((bits << 7) | number) & 0x7fff;
    held += 7;
    if (held >= 8) {
      held -= 8;
      if (at < bytes.length) bytes[at++] = (bits >> held) & 0xff;
    }
  };
  for (let i = start + 1; i < text.length; ++i) {
    const code = text.charCodeAt(i);
    if (code < FIRST_PAIR) {
      take(code);
    } else {
      take(HELD[(code - FIRST_PAIR) >> 7]);
      take((code - FIRST_PAIR) & 0x7f);
    }
  }
  return bytes;
}
