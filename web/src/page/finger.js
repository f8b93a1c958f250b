// Whether a pointer event comes from a finger (or a pen) rather than a mouse: a touch
// screen's tap is answered as a phone user expects.

const FINGERS = new Set(['touch', 'pen']);

export function isFinger(event) {
  return FINGERS.has(event.pointerType);
}
