// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// Drives the web site in Debian's Chromium over the DevTools protocol, as a learner and a
// teacher would use it, and prints one "ok:" or "FAIL:" line a check (web_test.sh counts
// them) and "measured:" lines.
//   node web_test.mjs game SITE WORK OUT   a wrong answer, then right ones to the medal
//   node web_test.mjs rest SITE WORK OUT   first visit, touch, chart, end, faults, offline
import {spawnSync} from 'node:child_process';
import {createServer} from 'node:http';
import {gzipSync} from 'node:zlib';
import fs from 'node:fs';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import {rules} from './rules.mjs';

const [phase, site, work, out] = process.argv.slice(2);
let failures = 0;
const ok = text => console.log(`ok: ${text}`);
const fail = text => { console.log(`FAIL: ${text}`); failures++; };
const check = (condition, text, otherwise) => condition ? ok(text) : fail(otherwise ?? text);
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// --- The server: the site folder as it is, on 127.0.0.1 only ---------------------------
const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
               '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png',
               '.gif': 'image/gif', '.wav': 'audio/wav', '.ttf': 'font/ttf', '.txt': 'text/plain'};
let server = null;
const served = [];  // every file sent, for the first visit's size
function serve(folder, port) {
  server = createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    const file = path.join(folder, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    served.push(file);
    response.writeHead(200, {'Content-Type': types[path.extname(file)] ?? 'application/octet-stream'});
    response.end(fs.readFileSync(file));
  });
  return new Promise(resolve => server.listen(port, '127.0.0.1', resolve));
}
const stopServing = () => new Promise(resolve => { server.closeAllConnections(); server.close(resolve); });

// --- The browser ------------------------------------------------------------------------
const port = phase === 'game' ? 8931 : 8932;
const url = `http://127.0.0.1:${port}/`;
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: !process.env.DISPLAY, userDataDir: path.join(work, `profile-${phase}`),
  args: ['--no-sandbox', '--disable-quic', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync', '--use-angle=swiftshader',
         '--enable-unsafe-swiftshader', '--window-size=1280,1000', '--window-position=0,0'],
  env: process.env,
});
const uncaught = [];
async function newPage(options = {}) {
  const page = await browser.newPage();
  await page.setViewport({width: 1280, height: 900, deviceScaleFactor: 1, ...options});
  page.on('pageerror', error => uncaught.push(String(error)));
  page.on('console', message => {
    // A file the server lacks is the browser's own note, not the program's error.
    if (message.type() === 'error' && !message.text().startsWith('Failed to load resource'))
      uncaught.push(message.text());
  });
  page.warnings = [];
  page.on('console', message => page.warnings.push(message.text()));
  // How long each release of the pointer takes to handle: the page's capturing listener
  // runs before the program's, the bubbling one after it.
  await page.evaluateOnNewDocument(() => {
    globalThis.kaveloReleases = [];
    let start = 0;
    addEventListener('pointerup', () => { start = performance.now(); }, {capture: true});
    addEventListener('pointerup', () => kaveloReleases.push(performance.now() - start));
  });
  return page;
}

async function waitTitle(page, title, seconds = 20) {
  try {
    await page.waitForFunction(t => document.title === t, {timeout: seconds * 1000, polling: 50}, title);
    await sleep(300);  // the first paint
    return true;
  } catch {
    return false;
  }
}

// Points of the screen on view, in its own pixels, as the page places them.
async function at(page, x, y) {
  const box = await page.$eval('#screen', canvas => {
    const r = canvas.getBoundingClientRect();
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
// What the screen shows in a rectangle, as PNG bytes to compare.
async function region(page, x, y, width, height) {
  const [px, py] = await at(page, x, y);
  return page.screenshot({clip: {x: px, y: py, width, height}});
}
// The same in page coordinates.
const pageRegion = (page, x, y, width, height) => page.screenshot({clip: {x, y, width, height}});
const shot = (page, name) => page.screenshot({path: path.join(out, `${name}.png`)});

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

async function rest() {
  const folder = path.join(work, 'served');
  fs.cpSync(site, folder, {recursive: true});
  await serve(folder, port);

  // The first visit: how much comes over the wire, and how soon the menu is there.
  let page = await newPage();
  const started = Date.now();
  await page.goto(url);
  const menuCame = await waitTitle(page, 'メニュー', 60);
  const seconds = (Date.now() - started - 300) / 1000;
  check(menuCame && seconds <= 5, `the menu appears ${seconds.toFixed(2)} s after navigation (within 5 s)`);
  console.log(`measured: navigation to the menu on a first visit: ${seconds.toFixed(2)} s`);
  await sleep(3000);  // the service worker keeps the program meanwhile
  const devtools = await page.createCDPSession();
  const {installabilityErrors} = await devtools.send('Page.getInstallabilityErrors');
  check(installabilityErrors.length === 0, 'the browser offers to install the site as an app',
        `the site cannot be installed: ${JSON.stringify(installabilityErrors)}`);
  const files = [...new Set(served)];
  const bytes = files.reduce((sum, file) => sum + fs.statSync(file).size, 0);
  const gzipped = files.reduce((sum, file) => sum + gzipSync(fs.readFileSync(file), {level: 6}).length, 0);
  console.log(`measured: a first visit transfers ${files.length} files, ${(bytes / 1e6).toFixed(2)} MB, ${(gzipped / 1e6).toFixed(2)} MB gzip-compressed`);
  check(gzipped <= 15e6, `a first visit transfers ${(gzipped / 1e6).toFixed(2)} MB gzip-compressed (at most 15 MB)`);
  await page.close();

  // A finger: the group dragged onto the ring is drawn there.
  page = await newPage({hasTouch: true, isMobile: false});
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
  await page.close();

  // The keyboard: the first button has the focus, Tab goes on to the next, Enter presses it.
  page = await newPage();
  await page.goto(url);
  await waitTitle(page, 'メニュー', 60);
  await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
  check(await waitTitle(page, 'ドリル'), 'Tab and Enter on the menu open the drill, as on the desktop');
  await page.close();

  // A finer display: the artwork and the content's companions at twice the pixels.
  served.length = 0;
  page = await newPage({deviceScaleFactor: 2});
  await page.goto(url);
  await waitTitle(page, 'メニュー', 60);
  await press(page, ...menuDrill);
  await waitTitle(page, 'ドリル');
  await sleep(500);
  await shot(page, 'drill-scale-2');
  const companions = served.filter(file => file.includes('@2x')).length;
  const size = await page.$eval('#screen', canvas => [canvas.width, canvas.height, canvas.style.width]);
  check(companions === 84 && size[0] === 2 * 794 && size[2] === '794px',
        `at a pixel ratio of 2 the drill is drawn at ${size[0]} x ${size[1]} pixels on 794 CSS pixels, with the 84 companions fetched`,
        `at a pixel ratio of 2: ${companions} companions fetched, canvas ${size}`);
  await page.close();

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
    const notice = await page.$eval('#notice', n => n.hidden ? '' : n.innerText);
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
  const report = page.warnings.find(text => text.includes('53') && text.includes('問題.txt'));
  check(report, `the missing question file is reported: ${report}`, 'no report of the missing 問題.txt');
  await page.keyboard.press('Enter');  // OK on the error box
  await sleep(500);
  const ended = await page.$eval('#notice', n => n.hidden ? '' : n.innerText);
  check(ended.includes('エラー'), 'after the error box the page says the program ended with an error',
        `after the error box the page says: ${ended}`);
  fs.renameSync(path.join(work, '問題.txt'), path.join(folder, '説明/問題.txt'));
  page.warnings.length = 0;

  // Offline: with the server stopped, a reload still starts, and the drill has its content.
  await page.reload();
  await waitTitle(page, 'メニュー', 60);
  await stopServing();
  await page.reload();
  check(await waitTitle(page, 'メニュー', 60), 'with the server stopped, a reload still starts');
  await press(page, ...menuDrill);
  check(await waitTitle(page, 'ドリル'), 'offline, the drill opens with its content');
  await sleep(1000);
  check(!page.warnings.some(text => text.includes('kavelo:')), 'offline, no content is missing',
        `offline: ${page.warnings.filter(text => text.includes('kavelo:')).join(' | ')}`);
  await shot(page, 'offline-drill');
}

try {
  await (phase === 'game' ? game() : rest());
} catch (error) {
  fail(`the test stopped: ${error.stack ?? error}`);
}
check(uncaught.length === 0, 'no uncaught error in the console', `errors in the console: ${uncaught.join(' | ')}`);
await browser.close();
if (server?.listening)
  await stopServing();
process.exit(failures ? 1 : 0);
