// The workbook libraries hand their work on in small pieces (16 KB of a package at a time)
// through setImmediate, which browsers lack; the stand-in they bring posts a window message
// for every piece, and on a large workbook the messages cost more than the pieces. This one
// runs the pieces straight after each other for 30 ms at a time, then lets the page have a
// turn. It is installed before the libraries load, so they take it instead of their own.

import { afterPageTurn } from './page_turn.js';

const TURN = 30;  // milliseconds of work before the page gets a turn

let turnStarted = -Infinity;

function nextTurn(work) {
  afterPageTurn(() => {
    turnStarted = performance.now();
    work();
  });
}

if (typeof globalThis.setImmediate !== 'function') {
  globalThis.setImmediate = (callback, ...args) => {
    const work = () => callback(...args);
    if (performance.now() - turnStarted < TURN) queueMicrotask(work);
    else nextTurn(work);
  };
}
