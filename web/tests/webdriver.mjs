// WebKitGTK driven through its WebDriver (WebKitWebDriver) with plain HTTP requests: just the
// commands the page's tests need. The browser is WebKitGTK's MiniBrowser in automation mode,
// full screen (without its tool bar, which would keep the window wider than a phone), on a
// virtual X display of its own, with a home folder of its own so that its storage starts
// empty and its downloads land where the test looks for them.
import { spawn } from 'node:child_process';
import { existsSync, mkdirSync, readdirSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import path from 'node:path';

const ELEMENT = 'element-6066-11e4-a52e-4f735466cecf';
// WebDriver's code points for the keys the tests press.
const KEYS = {
  F1: '\uE031',
  Enter: '\uE007',
  Escape: '\uE00C',
  F2: '\uE032',
  Tab: '\uE004',
  Control: '\uE009',
  ArrowDown: '\uE015',
  ArrowRight: '\uE014',
  Shift: '\uE008',
  Home: '\uE011',
  End: '\uE010',
  PageDown: '\uE00F',
};
const keyCode = (key) => KEYS[key] ?? key;

function miniBrowser() {
  const found = readdirSync('/usr/lib')
    .map((folder) => path.join('/usr/lib', folder, 'webkit2gtk-4.1/MiniBrowser'))
    .find((file) => existsSync(file));
  if (!found) throw new Error("WebKitGTK's MiniBrowser not found: scripts/install-deps.sh --web installs it");
  return found;
}

// Xvfb picks a free display and writes its number once it takes connections.
function startDisplay() {
  const server = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1400x1000x24', '-nolisten', 'tcp'], {
    stdio: ['ignore', 'ignore', 'ignore', 'pipe'],
  });
  return new Promise((resolve, reject) => {
    let said = '';
    server.stdio[3].on('data', (chunk) => {
      said += chunk;
      if (said.endsWith('\n')) resolve({ server, display: `:${said.trim()}` });
    });
    server.on('exit', (code) => reject(new Error(`Xvfb ended (${code})`)));
  });
}

function freePort() {
  return new Promise((resolve) => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// The driver takes requests once /status answers; it says nothing when it is ready, so it is
// asked again every few milliseconds, for at most half a minute.
async function whenAnswering(base) {
  const deadline = Date.now() + 30000;
  while (Date.now() < deadline) {
    try {
      if ((await (await fetch(`${base}/status`)).json()).value) return;
    } catch {
      await new Promise((next) => {
        setTimeout(next, 20);
      });
    }
  }
  throw new Error('WebKitWebDriver did not answer');
}

// Downloads go to the folder given: GLib reads it from the user's folder settings.
function homeFolders(home, downloads) {
  const config = path.join(home, '.config');
  mkdirSync(config, { recursive: true });
  writeFileSync(path.join(config, 'user-dirs.dirs'), `XDG_DOWNLOAD_DIR="${downloads}"\n`);
  return {
    HOME: home,
    XDG_CONFIG_HOME: config,
    XDG_CACHE_HOME: path.join(home, '.cache'),
    XDG_DATA_HOME: path.join(home, '.local/share'),
  };
}

export class WebDriverSession {
  static async start(scratch, downloads) {
    const { server: display, display: name } = await startDisplay();
    const port = await freePort();
    // No cache of the graphics driver's code, which the browser's helpers would still be
    // writing into the home folder while it is cleared away.
    const env = {
      ...process.env,
      DISPLAY: name,
      MESA_SHADER_CACHE_DISABLE: 'true',
      ...homeFolders(path.join(scratch, 'home'), downloads),
    };
    const driver = spawn('WebKitWebDriver', [`--port=${port}`], { env, stdio: 'ignore' });
    const base = `http://127.0.0.1:${port}`;
    const session = new this(base, [driver, display]);
    session.downloads = downloads;
    try {
      await whenAnswering(base);
      const answer = await session.send('POST', '/session', {
        capabilities: {
          alwaysMatch: {
            'webkitgtk:browserOptions': { binary: miniBrowser(), args: ['--automation', '--full-screen'] },
          },
        },
      });
      session.path = `/session/${answer.sessionId}`;
      await session.command('POST', '/timeouts', { script: 60000, pageLoad: 60000 });
    } catch (fault) {
      await session.quit();
      throw fault;
    }
    return session;
  }

  constructor(base, processes) {
    this.base = base;
    this.processes = processes;
    this.path = null;
  }

  async send(method, where, body) {
    const response = await fetch(`${this.base}${where}`, {
      method,
      headers: { 'Content-Type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${method} ${where}: ${value?.error}: ${value?.message}`);
    return value;
  }

  command = (method, where, body) =>
    this.send(method, `${this.path}${where}`, body ?? (method === 'POST' ? {} : undefined));

  // Runs a function in the page with the arguments given (all of them JSON), awaiting what it
  // hands back.
  run = (fn, args) => this.command('POST', '/execute/sync', { script: `return (${fn}).apply(null, arguments)`, args });

  // Hands back fn(...args) once it is truthy, looked at after every change of the document
  // and on every animation frame.
  waitUntil(fn, args) {
    const script = `const [args, done] = arguments; const check = ${fn};
      const look = () => { let seen = false; try { seen = check(...args); } catch { seen = false; }
        if (seen) { observer.disconnect(); done(seen); } else { requestAnimationFrame(look); } };
      const observer = new MutationObserver(look);
      observer.observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
      look();`;
    return this.command('POST', '/execute/async', { script, args: [args] });
  }

  async element(selector) {
    const found = await this.command('POST', '/element', { using: 'css selector', value: selector });
    return found[ELEMENT];
  }

  // A pointer of the kind given pressed count times in a row over the middle of the element,
  // brought into sight first. (WebDriver's own click refuses an element whose middle shows
  // something inside it, such as a cell's text over its frame.)
  async pointer(selector, pointerType, count) {
    const element = await this.element(selector);
    await this.command('POST', '/execute/sync', {
      script: "arguments[0].scrollIntoView({ block: 'nearest', inline: 'nearest' })",
      args: [{ [ELEMENT]: element }],
    });
    const origin = { [ELEMENT]: element };
    const presses = Array.from({ length: count }, () => [
      { type: 'pointerDown', button: 0 },
      { type: 'pointerUp', button: 0 },
    ]).flat();
    await this.command('POST', '/actions', {
      actions: [
        {
          type: 'pointer',
          id: pointerType,
          parameters: { pointerType },
          actions: [{ type: 'pointerMove', origin, x: 0, y: 0 }, ...presses],
        },
      ],
    });
    await this.command('DELETE', '/actions');
  }

  // Keys pressed one after the other, with the modifiers held down throughout.
  async keys(keys, modifiers = []) {
    const down = modifiers.map((key) => ({ type: 'keyDown', value: keyCode(key) }));
    const up = modifiers.map((key) => ({ type: 'keyUp', value: keyCode(key) })).reverse();
    const typed = keys.flatMap((key) => [
      { type: 'keyDown', value: keyCode(key) },
      { type: 'keyUp', value: keyCode(key) },
    ]);
    await this.command('POST', '/actions', {
      actions: [{ type: 'key', id: 'keyboard', actions: [...down, ...typed, ...up] }],
    });
  }

  async setFile(selector, file) {
    await this.command('POST', `/element/${await this.element(selector)}/value`, { text: file });
  }

  async quit() {
    if (this.path) await this.command('DELETE', '').catch(() => {});
    this.path = null;
    // Ended one by one, each waited for, so that nothing writes into the home folder after.
    for (const child of this.processes) {
      if (child.exitCode !== null || child.signalCode !== null) continue;
      const ended = new Promise((done) => {
        child.once('exit', done);
      });
      child.kill();
      await ended;
    }
  }
}
