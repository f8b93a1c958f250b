// The module's words for what only the page says (its pageWords), read once for the page's life.

const read = new WeakMap();

export function pageWordsOf(module) {
  if (!read.has(module)) read.set(module, JSON.parse(module.pageWords()));
  return read.get(module);
}
