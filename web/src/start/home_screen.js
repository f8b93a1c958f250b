// Served over http(s), the page describes itself as a web app (its name, its icon, where it
// starts, shown on its own without the browser's bars), so that a phone can put Soatnoma on
// its home screen and open it like a program; the service worker keeps it working offline.
// The description is data the page makes for the address it was found at, so a school
// publishes the page and its worker and nothing else. Opened from a file, the page needs none.

export function describeAsApp(document, location) {
  if (!location.protocol.startsWith('http')) return;
  const page = `${location.origin}${location.pathname}`;
  const app = {
    name: 'Soatnoma',
    short_name: 'Soatnoma',
    description: "O'qituvchining yillik ish yuklamasi taqsimoti",
    lang: 'uz',
    id: page,
    start_url: page,
    scope: new URL('.', page).href,
    display: 'standalone',
    background_color: '#d8d8d8',
    theme_color: '#1e64c8',
    icons: [
      { src: document.querySelector('link[rel="icon"]').href, sizes: 'any', type: 'image/svg+xml', purpose: 'any' },
    ],
  };
  const link = document.createElement('link');
  link.rel = 'manifest';
  link.href = `data:application/manifest+json,${encodeURIComponent(JSON.stringify(app))}`;
  document.head.append(link);
}
