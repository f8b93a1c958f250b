// The built page served as a school's web host serves it: the files of one folder over http
// on 127.0.0.1, each gzipped when the browser accepts it. start() answers the page's address
// and close().
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';
import { gzipSync } from 'node:zlib';

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8' };

export async function serveGzipped(folder, page = 'soatnoma.html') {
  const packed = new Map();
  const server = createServer((request, response) => {
    const name = path.basename(new URL(request.url, 'http://127.0.0.1').pathname) || page;
    const type = TYPES[path.extname(name)];
    let bytes;
    try {
      bytes = type ? readFileSync(path.join(folder, name)) : null;
    } catch {
      bytes = null;
    }
    if (!bytes) {
      response.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': type, 'Cache-Control': 'no-cache' };
    if (/\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
      if (!packed.has(name)) packed.set(name, gzipSync(bytes, { level: 6 }));
      bytes = packed.get(name);
      headers['Content-Encoding'] = 'gzip';
    }
    response.writeHead(200, { ...headers, 'Content-Length': bytes.length }).end(bytes);
  });
  await new Promise((listening) => {
    server.listen(0, '127.0.0.1', listening);
  });
  return {
    url: `http://127.0.0.1:${server.address().port}/${page}`,
    close: () =>
      new Promise((closed) => {
        server.close(closed);
      }),
  };
}
