// Downloads a page makes, waited for by the browser's own word that each is complete
// rather than by looking for the file again and again.
import path from 'node:path';

// Sends the page's downloads into folder; answers next(), which resolves with the path of
// the next download once the browser has finished writing it.
export async function followDownloads(page, folder) {
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
  const names = new Map();
  const waiting = [];
  const finished = [];
  session.on('Browser.downloadWillBegin', ({ guid, suggestedFilename }) => names.set(guid, suggestedFilename));
  session.on('Browser.downloadProgress', ({ guid, state }) => {
    if (state !== 'completed' && state !== 'canceled') return;
    const file = state === 'completed' ? path.join(folder, names.get(guid)) : null;
    if (waiting.length > 0) waiting.shift()(file);
    else finished.push(file);
  });
  return {
    next: () => (finished.length > 0 ? Promise.resolve(finished.shift()) : new Promise((resolve) => { waiting.push(resolve); })),
  };
}
