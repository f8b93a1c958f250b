// Work put off until the browser has had its turn to draw and take input: a message to the
// page itself comes round sooner than the shortest timer.
export function afterPageTurn(work) {
  const channel = new MessageChannel();
  channel.port1.onmessage = () => {
    channel.port1.close();
    work();
  };
  channel.port2.postMessage(null);
}

// How long work waits for a frame that does not come, milliseconds.
const NO_FRAME_MS = 100;

// Work put off until the browser has drawn its next frame, so that the screen shows what was
// just done without waiting for it. A page no one sees draws no frames: hidden, the work is
// done at once; hidden meanwhile, the moment it is hidden; and no later than NO_FRAME_MS
// whatever comes, so that nothing waits on a frame for ever.
export function afterNextFrame(window, work) {
  const { document } = window;
  let timer = 0;
  let done = false;
  const once = () => {
    if (done) return;
    done = true;
    window.clearTimeout(timer);
    document.removeEventListener('visibilitychange', once);
    work();
  };
  if (document.visibilityState === 'hidden') {
    afterPageTurn(once);
    return;
  }
  document.addEventListener('visibilitychange', once);
  timer = window.setTimeout(once, NO_FRAME_MS);
  window.requestAnimationFrame(() => afterPageTurn(once));
}
