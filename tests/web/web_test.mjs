// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// Drives the web site in a browser engine (engines.mjs: Chromium, Firefox or WebKitGTK), as
// a learner and a teacher would use it, and prints one "ok:" or "FAIL:" line a check
// (web_test.sh counts them), "skipped:" for what an engine's driver cannot do, and
// "measured:" lines.
//   node web_test.mjs ENGINE game SITE WORK OUT     a wrong answer, then right ones to the medal
//   node web_test.mjs ENGINE rest SITE WORK OUT     first visit, touch, chart, end, faults, offline
//   node web_test.mjs ENGINE nowebgl SITE WORK OUT  a browser without WebGL is told so
//   node web_test.mjs ENGINE nowasm SITE WORK OUT   one without WebAssembly too
import {spawnSync} from 'node:child_process';
import {createServer} from 'node:http';
import {gzipSync} from 'node:zlib';
import fs from 'node:fs';
import path from 'node:path';
import {launch} from './engines.mjs';
import {rules} from './rules.mjs';

const [engine, phase, site, work, out] = process.argv.slice(2);
let failures = 0;
const ok = text => console.log(`ok: ${text}`);
const fail = text => { console.log(`FAIL: ${text}`); failures++; };
const skip = text => console.log(`skipped: ${text}`);
const check = (condition, text, otherwise) => condition ? ok(text) : fail(otherwise ?? text);
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const megabytes = bytes => (bytes / 1e6).toFixed(2);

// --- What the page does, seen from inside it --------------------------------------------
// Put into index.html by the test server, before the page's own scripts, in every engine
// alike: uncaught errors, unhandled rejections and the console, kept across reloads in the
// tab's session storage, and how long each release of the pointer takes to handle (the
// capturing listener runs before the program's, the bubbling one after it).
const observer = `<script>(() => {
  const seen = globalThis.kaveloObserved = JSON.parse(sessionStorage.getItem('kaveloObserved') || '[]');
  addEventListener('pagehide', () => sessionStorage.setItem('kaveloObserved', JSON.stringify(seen)));
  addEventListener('error', e => seen.push(['error', 'uncaught: ' + (e.error?.stack ?? e.message)]));
  addEventListener('unhandledrejection', e => seen.push(['error', 'unhandled rejection: ' + (e.reason?.stack ?? e.reason)]));
  for (const level of ['log', 'warn', 'error']) {
    const original = console[level];
    console[level] = (...args) => { seen.push([level, args.join(' ')]); original.apply(console, args); };
  }
  globalThis.kaveloReleases = [];
  let start = 0;
  addEventListener('pointerup', () => { start = performance.now(); }, {capture: true});
  addEventListener('pointerup', () => kaveloReleases.push(performance.now() - start));
})();</script>`;
const observed = page => page.evaluate(() => globalThis.kaveloObserved ?? []).catch(() => []);
const messages = async page => (await observed(page)).map(([, text]) => text);
const clearMessages = page => page.evaluate(() => { kaveloObserved.length = 0; });
// Every error a page saw, from the observer and from the engine's own reports.
const uncaught = new Set();
async function harvest(page) {
  for (const [kind, text] of await observed(page))
    if (kind === 'error')
      uncaught.add(text);
  for (const text of page.errors)
    uncaught.add(text);
}

// --- The server: the site folder as it is, on 127.0.0.1 only ---------------------------
// It compresses as a static server would: the brotli copy beside a file for a browser
// that takes brotli, gzip otherwise. Each answer is logged with what it would weigh
// either way, so that a first visit's size comes from the requests a real page makes.
const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
               '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png',
               '.gif': 'image/gif', '.wav': 'audio/wav', '.ttf': 'font/ttf', '.ttc': 'font/collection',
               '.txt': 'text/plain'};
let server = null;
const served = [];  // {file, sent, gzip, brotli, encoding} for every answer
function serve(folder, port) {
  server = createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    const file = path.join(folder, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    let body = fs.readFileSync(file);
    const original = body.length;
    if (file.endsWith('index.html'))
      body = Buffer.from(body.toString().replace('<script src="page.js">', observer + '<script src="page.js">'));
    const accepts = request.headers['accept-encoding'] ?? '';
    const brotli = fs.existsSync(file + '.br') ? fs.statSync(file + '.br').size : original;
    const gzip = gzipSync(body, {level: 6});
    const headers = {'Content-Type': types[path.extname(file)] ?? 'application/octet-stream'};
    let encoding = 'identity';
    if (/\bbr\b/.test(accepts) && fs.existsSync(file + '.br') && !file.endsWith('index.html')) {
      body = fs.readFileSync(file + '.br');
      encoding = 'br';
    } else if (/\bgzip\b/.test(accepts)) {
      body = gzip;
      encoding = 'gzip';
    }
    if (encoding !== 'identity')
      headers['Content-Encoding'] = encoding;
    served.push({file, sent: body.length, gzip: gzipSync(fs.readFileSync(file), {level: 6}).length, brotli, encoding});
    response.writeHead(200, headers);
    response.end(body);
  });
  return new Promise(resolve => server.listen(port, '127.0.0.1', resolve));
}
const stopServing = () => new Promise(resolve => { server.closeAllConnections(); server.close(resolve); });

// --- The browser ------------------------------------------------------------------------
const ports = {chromium: {game: 8931, rest: 8932, nowebgl: 8955, nowasm: 8958},
               firefox: {game: 8951, rest: 8952, nowebgl: 8956, nowasm: 8959},
               webkit: {game: 8953, rest: 8954}};
const port = ports[engine][phase];
const url = `http://127.0.0.1:${port}/`;
const browser = await launch(engine, {profile: path.join(work, `profile-${engine}-${phase}`), driverPort: 8957,
                                      without: phase.match(/^no(webgl|wasm)$/)?.[1]});
const pages = [];
async function newPage(viewport) {
  const page = await browser.newPage(viewport);
  pages.push(page);
  return page;
}
async function closePage(page) {
  await harvest(page);
  pages.splice(pages.indexOf(page), 1);
  await page.close();
}

async function waitTitle(page, title, seconds = 20) {
  for (const end = Date.now() + seconds * 1000; Date.now() < end; await sleep(50)) {
    if (await page.evaluate(() => document.title).catch(() => '') === title) {
      await sleep(300);  // the first paint
      return true;
    }
  }
  return false;
}
const noticeText = page => page.evaluate(() => {
  const notice = document.querySelector('#notice');
  return notice.hidden ? '' : notice.innerText;
});

// Points of the screen on view, in its own pixels, as the page places them.
async function at(page, x, y) {
  const box = await page.evaluate(() => {
    const r = document.querySelector('#screen').getBoundingClientRect();
    return {left: r.left, top: r.top};
  });
  return [box.left + x, box.top + y];
}
async function press(page, x, y) {
  await page.mouse.click(...await at(page, x, y));
  await sleep(300);
}
async function drag(page, from, to) {
  const [x1, y1] = await at(page, ...from), [x2, y2] = await at(page, ...to);
  await page.mouse.move(x1, y1);
  await sleep(100);
  await page.mouse.down();
  for (let step = 1; step <= 8; step++)
    await page.mouse.move(x1 + (x2 - x1) * step / 8, y1 + (y2 - y1) * step / 8);
  await sleep(100);
  await page.mouse.up();
  await sleep(300);
}
async function pixel(page, x, y) {
  const [px, py] = await at(page, x, y);
  const png = await page.screenshot({clip: {x: px, y: py, width: 1, height: 1}});
  const text = spawnSync('convert', ['png:-', '-depth', '8', 'txt:-'], {input: png}).stdout.toString();
  const [, r, g, b] = text.match(/\((\d+),(\d+),(\d+)/) ?? [0, 0, 0, 0];
  return [Number(r), Number(g), Number(b)];
}
// Whether a picture of twice the pixels is a 1x drawing doubled: every aligned 2 x 2
// block of one grey.
function doubled(png) {
  const {stdout} = spawnSync('convert', ['png:-', '-colorspace', 'gray', '-depth', '8', 'pgm:-'], {input: png});
  const [, width, height] = stdout.toString('latin1').match(/^P5\s+(\d+)\s+(\d+)\s+255\s/).map(Number);
  const pixels = stdout.subarray(stdout.length - width * height);
  for (let y = 0; y + 1 < height; y += 2)
    for (let x = 0; x + 1 < width; x += 2) {
      const at = y * width + x, grey = pixels[at];
      if (pixels[at + 1] !== grey || pixels[at + width] !== grey || pixels[at + width + 1] !== grey)
        return false;
    }
  return true;
}
// What the screen shows in a rectangle, as PNG bytes to compare.
async function region(page, x, y, width, height) {
  const [px, py] = await at(page, x, y);
  return page.screenshot({clip: {x: px, y: py, width, height}});
}
// The same in page coordinates.
const pageRegion = (page, x, y, width, height) => page.screenshot({clip: {x, y, width, height}});
const shot = (page, name) => page.screenshot({path: path.join(out, `${engine}-${name}.png`)});

// The same places the desktop tests use, in the screens' own pixels.
const menuDrill = [608, 404], menuChart = [608, 333];
const drillBack = [613, 32], drillJudge = [394, 363];
const paletteCh3 = [129, 83], paletteEthyl = [270, 83], ringTop = [453, 218];
const chartA = [584, 215], chartQuit = [824, 462];
const ringTopArea = [360, 200, 180, 40];  // where a group at position 1 shows

// 判定 is on view while its red face shows at both places: a message, the blinking ring
// or the medal cover the first otherwise, and the bonus banner is yellow at the second.
async function judgeOnView(page) {
  const red = ([r, g, b]) => r > 160 && g < 90 && b < 90;
  return red(await pixel(page, 350, 360)) && red(await pixel(page, 394, 376));
}
async function waitJudge(page, shown, seconds = 20) {
  for (let i = 0; i < seconds * 4; i++) {
    if (await judgeOnView(page) === shown)
      return true;
    await sleep(250);
  }
  return false;
}

async function game() {
  await serve(site, port);
  const page = await newPage();
  await page.goto(url);
  if (!await waitTitle(page, 'メニュー', 60))
    return fail('the menu did not come');
  await shot(page, 'menu');
  await press(page, ...menuDrill);
  if (!await waitTitle(page, 'ドリル'))
    return fail('ドリル did not open the drill');
  ok('the menu and the drill open');
  // The browser draws no picture cursor: the program draws the group under the pointer,
  // here over the black between the palette and the ring, where nothing else reacts.
  const [ex, ey] = await at(page, ...paletteEthyl), [tx, ty] = await at(page, 200, 250);
  const underPointer = [tx - 20, ty - 20, 80, 60];
  const before = await pageRegion(page, ...underPointer);
  await page.mouse.move(ex, ey);
  await page.mouse.down();
  await page.mouse.move(tx, ty, {steps: 6});
  await sleep(300);
  const during = await pageRegion(page, ...underPointer);
  await shot(page, 'drill-dragging');
  await page.mouse.up();
  await sleep(300);
  check(!during.equals(before) && (await pageRegion(page, ...underPointer)).equals(before),
        'a dragged group is drawn under the pointer while it is carried, and goes with the drop',
        'no group is drawn under the pointer while dragging, or it stays after the drop');
  await drag(page, paletteEthyl, ringTop);  // wrong: ethyl, not methyl
  await press(page, ...drillJudge);
  check(await waitJudge(page, false, 5) && await waitJudge(page, true), 'a wrong answer is judged, and 判定 comes back',
        '判定 did not come back after a wrong answer');
  const handled = [];
  for (let answer = 1; answer <= rules['medal-answers']; answer++) {
    if (!await waitJudge(page, true))
      return fail(`判定 did not come back for answer ${answer}`);
    await drag(page, paletteCh3, ringTop);
    if (answer === 1)
      await shot(page, 'drill-built');
    await page.evaluate(() => { kaveloReleases.length = 0; });
    await press(page, ...drillJudge);
    handled.push(Math.max(...await page.evaluate(() => kaveloReleases)));
    if (!await waitJudge(page, false, 5))
      return fail(`判定 did not take answer ${answer}`);
  }
  await sleep(12000);  // the last answer on view, the bonus and the finish
  await shot(page, 'drill-medal');
  ok(`${rules['medal-answers']} right answers played to the medal`);
  console.log(`measured: the judge handler in the page, median of ${handled.length}: ${median(handled).toFixed(2)} ms (max ${Math.max(...handled).toFixed(2)} ms)`);
  check(median(handled) <= 16, `the judge handler's median ${median(handled).toFixed(2)} ms is within 16 ms`);
  await press(page, ...drillBack);
  check(await waitTitle(page, 'メニュー'), '戻る brings the menu back');
}

// Every answer before the menu, as sent and as gzip and brotli would have it.
function reportFirstVisit(answers) {
  const sum = key => answers.reduce((total, answer) => total + answer[key], 0);
  const files = new Set(answers.map(answer => answer.file)).size;
  const encodings = [...new Set(answers.map(answer => answer.encoding))].join(', ');
  console.log(`measured: a first visit makes ${answers.length} requests for ${files} files: ` +
              `${megabytes(sum('gzip'))} MB gzip, ${megabytes(sum('brotli'))} MB brotli; ` +
              `this server sent ${megabytes(sum('sent'))} MB (${encodings})`);
  const largest = [...answers].sort((a, b) => b.gzip - a.gzip).slice(0, 3);
  console.log(`measured: the largest: ${largest.map(a => `${path.basename(a.file)} ${megabytes(a.gzip)} MB`).join(', ')}`);
  check(sum('gzip') <= 8e6, `a first visit transfers ${megabytes(sum('gzip'))} MB gzip-compressed (at most 8 MB)`);
}

// A finger: the group dragged onto the ring is drawn there. Returns true where the
// engine's driver cannot touch.
async function touchDrag() {
  const page = await newPage({hasTouch: true, isMobile: false});
  if (!page.can.touch) {
    await closePage(page);
    return true;
  }
  await page.goto(url);
  await waitTitle(page, 'メニュー', 60);
  await page.touchscreen.tap(...await at(page, ...menuDrill));
  if (await waitTitle(page, 'ドリル')) {
    const before = await region(page, ...ringTopArea);
    const [x1, y1] = await at(page, ...paletteCh3), [x2, y2] = await at(page, ...ringTop);
    await page.touchscreen.touchStart(x1, y1);
    for (let step = 1; step <= 8; step++)
      await page.touchscreen.touchMove(x1 + (x2 - x1) * step / 8, y1 + (y2 - y1) * step / 8);
    await page.touchscreen.touchEnd();
    await sleep(500);
    await shot(page, 'touch-drag');
    const after = await region(page, ...ringTopArea);
    check(!before.equals(after), 'a touch drag puts CH3 on the ring', 'a touch drag left the ring as it was');
  } else {
    fail('a tap on ドリル did not open the drill');
  }
  await closePage(page);
}

// A finer display: the artwork and the content's companions at twice the pixels. Returns
// true where the engine's driver cannot set the pixel ratio.
async function finerDisplay() {
  const page = await newPage({deviceScaleFactor: 2});
  if (!page.can.pixelRatio) {
    await closePage(page);
    return true;
  }
  served.length = 0;
  await page.goto(url);
  await waitTitle(page, 'メニュー', 60);
  await press(page, ...menuDrill);
  await waitTitle(page, 'ドリル');
  await sleep(500);
  await shot(page, 'drill-scale-2');
  const files = new Set(served.map(answer => path.basename(answer.file)));
  const companions = [...files].filter(file => file.includes('@2x') && !file.endsWith('.rcc')).length;
  const size = await page.evaluate(() => {
    const canvas = document.querySelector('#screen');
    return [canvas.width, canvas.height, canvas.style.width];
  });
  check(companions === 84 && size[0] === 2 * 794 && size[2] === '794px',
        `at a pixel ratio of 2 the drill is drawn at ${size[0]} x ${size[1]} pixels on 794 CSS pixels, with the 84 companions fetched`,
        `at a pixel ratio of 2: ${companions} companions fetched, canvas ${size}`);
  // The 判定 button's face, drawn at 2x, is not its 1x face doubled.
  const [jx, jy] = (await at(page, ...drillJudge)).map(Math.round);
  const face = await page.screenshot({clip: {x: jx - 30, y: jy - 8, width: 60, height: 16}});
  check(files.has('artwork@2x.rcc') && !files.has('artwork@3x.rcc') && !doubled(face),
        'the artwork drawn at 2x comes in its own file, and the buttons show it',
        `at a pixel ratio of 2: artwork@2x.rcc ${files.has('artwork@2x.rcc') ? 'fetched' : 'not fetched'}, the face ${doubled(face) ? 'doubled from 1x' : 'fine'}`);
  await closePage(page);
}

async function rest() {
  const folder = path.join(work, 'served');
  fs.cpSync(site, folder, {recursive: true});
  await serve(folder, port);

  // First visits: how much comes over the wire before the menu, and how soon the menu is
  // there (the median of five, each after the site's kept files and service worker are
  // gone, as for a browser that never saw it).
  const times = [];
  let page = null;
  for (let visit = 1; visit <= 5; visit++) {
    served.length = 0;
    page = await newPage();
    const started = Date.now();
    await page.goto(url);
    const menuCame = await waitTitle(page, 'メニュー', 60);
    const before = served.slice();
    times.push(menuCame ? (Date.now() - started - 300) / 1000 : Infinity);
    if (visit === 1)
      reportFirstVisit(before);
    await sleep(3000);  // the service worker keeps the program meanwhile
    if (visit === 1 && page.can.install) {
      const devtools = await page.createCDPSession();
      const {installabilityErrors} = await devtools.send('Page.getInstallabilityErrors');
      check(installabilityErrors.length === 0, 'the browser offers to install the site as an app',
            `the site cannot be installed: ${JSON.stringify(installabilityErrors)}`);
    }
    if (visit < 5)
      await page.evaluate(async () => {
        for (const registration of await navigator.serviceWorker.getRegistrations())
          await registration.unregister();
        for (const name of await caches.keys())
          await caches.delete(name);
      });
    await closePage(page);
  }
  const time = median(times);
  console.log(`measured: navigation to the menu on a first visit, median of 5: ${time.toFixed(2)} s (${times.map(t => t.toFixed(2)).join(', ')})`);
  check(time <= 5, `the menu appears ${time.toFixed(2)} s after navigation (median of 5 first visits, within 5 s)`);

  // A finger: the group dragged onto the ring is drawn there.
  if (await touchDrag())
    skip(`${engine}'s driver sends no touches: the touch drag`);

  // The keyboard: the first button has the focus, Tab goes on to the next, Enter presses it.
  page = await newPage();
  await page.goto(url);
  await waitTitle(page, 'メニュー', 60);
  await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
  check(await waitTitle(page, 'ドリル'), 'Tab and Enter on the menu open the drill, as on the desktop');
  await closePage(page);

  // A finer display: the artwork and the content's companions at twice the pixels.
  if (await finerDisplay())
    skip(`${engine}'s driver sets no pixel ratio: the drill at a pixel ratio of 2`);

  // The chart, then 終了: the page says the program has ended and offers to start again.
  page = await newPage();
  await page.goto(url);
  await waitTitle(page, 'メニュー', 60);
  await press(page, ...menuChart);
  if (await waitTitle(page, '系統図')) {
    await press(page, ...chartA);
    await sleep(500);
    await shot(page, 'chart');
    ok('the chart opens and shows compound A');
    await press(page, ...chartQuit);
    await sleep(500);
    const notice = await noticeText(page);
    check(notice.includes('終了しました') && notice.includes('もう一度始める'),
          '終了 ends the program, and the page says so and offers to start again', `after 終了 the page says: ${notice}`);
    await page.click('#restart');
    check(await waitTitle(page, 'メニュー', 60), 'もう一度始める starts the program again');
  } else {
    fail('系統図 did not open the chart');
  }

  // A teacher's fault on the server: the next load reads it, and the error box names it.
  fs.renameSync(path.join(folder, '説明/問題.txt'), path.join(work, '問題.txt'));
  await page.reload();
  await waitTitle(page, 'メニュー', 60);
  await press(page, ...menuDrill);
  await sleep(1500);
  await shot(page, 'content-fault');
  const report = (await messages(page)).find(text => text.includes('53') && text.includes('問題.txt'));
  check(report, `the missing question file is reported: ${report}`, 'no report of the missing 問題.txt');
  await page.keyboard.press('Enter');  // OK on the error box
  await sleep(500);
  const ended = await noticeText(page);
  check(ended.includes('エラー'), 'after the error box the page says the program ended with an error',
        `after the error box the page says: ${ended}`);
  fs.renameSync(path.join(work, '問題.txt'), path.join(folder, '説明/問題.txt'));
  await clearMessages(page);

  // Offline: with the server stopped, a reload still starts, and the drill has its content.
  await page.reload();
  await waitTitle(page, 'メニュー', 60);
  await stopServing();
  await page.reload();
  check(await waitTitle(page, 'メニュー', 60), 'with the server stopped, a reload still starts');
  await press(page, ...menuDrill);
  check(await waitTitle(page, 'ドリル'), 'offline, the drill opens with its content');
  await sleep(1000);
  const missing = (await messages(page)).filter(text => text.includes('kavelo:'));
  check(missing.length === 0, 'offline, no content is missing', `offline: ${missing.join(' | ')}`);
  await shot(page, 'offline-drill');
}

// A browser that cannot draw: the page says what is missing and what to do, and nothing
// is left uncaught.
async function cannotDraw(what) {
  await serve(site, port);
  const page = await newPage();
  await page.goto(url);
  await sleep(5000);
  const notice = await noticeText(page);
  const canvasHidden = await page.evaluate(() => document.querySelector('#screen').hidden);
  await shot(page, `no-${what}`);
  check(notice.includes(`${what} が使えません`) && notice.includes('別のブラウザ') && canvasHidden,
        `without ${what} the page says: ${notice}`, `without ${what} the page shows: "${notice}", canvas hidden: ${canvasHidden}`);
}

try {
  await ({game, rest, nowebgl: () => cannotDraw('WebGL'), nowasm: () => cannotDraw('WebAssembly')})[phase]();
} catch (error) {
  fail(`the test stopped: ${error.stack ?? error}`);
}
for (const page of [...pages])
  await closePage(page).catch(() => {});
check(uncaught.size === 0, `no uncaught error or unhandled rejection in ${engine}`,
      `uncaught in ${engine}: ${[...uncaught].join(' | ')}`);
await browser.close();
if (server?.listening)
  await stopServing();
process.exit(failures ? 1 : 0);
