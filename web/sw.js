// Keeps the page working without a network once it was opened over http: the page is kept
// in the browser's cache when the worker starts and after every visit, and answered from
// there whenever the network does not answer.
const CACHE = 'soatnoma';

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      .then((cache) => cache.add('soatnoma.html'))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(self.clients.claim());
});

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    (async () => {
      const cache = await caches.open(CACHE);
      try {
        const response = await fetch(request);
        if (response.ok) await cache.put(request, response.clone());
        return response;
      } catch (fault) {
        const kept = await cache.match(request, { ignoreSearch: true });
        if (kept) return kept;
        throw fault;
      }
    })(),
  );
});
