// Work put off until the browser has had its turn to draw and take input: a message to the
// page itself comes round sooner than the shortest timer.
export function afterPageTurn(work) {
  const channel = new MessageChannel();
  channel.port1.onmessage = () => work();
  channel.port2.postMessage(null);
}
