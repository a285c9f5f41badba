// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// The browsers the web tests drive, behind one small page interface: Debian's Chromium
// over the DevTools protocol and its Firefox ESR over WebDriver BiDi (both through
// puppeteer-core), and WebKitGTK's MiniBrowser through its WebDriver (selenium-webdriver).
// A page offers what the scenarios use: goto, reload, evaluate, screenshot, mouse, touch,
// keyboard, click, close, and what it cannot do says so (page.can).
import {spawn, spawnSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import {Builder, Key, Origin} from 'selenium-webdriver';

const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// Cuts a rectangle out of a PNG (ImageMagick), without the time it was made, so that two
// cuts of the same pixels are the same bytes.
function crop(png, {x, y, width, height}) {
  const geometry = `${Math.round(width)}x${Math.round(height)}+${Math.round(x)}+${Math.round(y)}`;
  return spawnSync('convert', ['png:-', '-crop', geometry, '+repage', '-strip',
                               '-define', 'png:exclude-chunks=date,time', 'png:-'], {input: png}).stdout;
}

// --- Chromium and Firefox ----------------------------------------------------------------
const chromiumArgs = ['--no-sandbox', '--disable-quic', '--no-first-run', '--disable-background-networking',
                      '--disable-component-update', '--disable-sync', '--use-angle=swiftshader',
                      '--enable-unsafe-swiftshader', '--window-size=1280,1000', '--window-position=0,0'];

// What a browser can be made to lack, as a school's policy, an old graphics chip or an old
// browser would have it.
const lacking = {webgl: {chromium: ['--disable-webgl', '--disable-3d-apis'], firefox: {'webgl.disabled': true}},
                 wasm: {firefox: {'javascript.options.wasm': false}}};

async function launchPuppeteer(engine, profile, without) {
  const firefox = engine === 'firefox';
  const browser = await puppeteer.launch(firefox ? {
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: !process.env.DISPLAY,
    userDataDir: profile, args: ['--width=1280', '--height=1000'], env: process.env,
    // Firefox leaves service workers and sound to a page that the user opened; these let
    // the automated one have them as a learner's would.
    extraPrefsFirefox: {'dom.serviceWorkers.testing.enabled': true, 'media.autoplay.default': 0,
                        ...lacking[without]?.firefox},
  } : {
    executablePath: '/usr/bin/chromium', headless: !process.env.DISPLAY, userDataDir: profile,
    args: [...chromiumArgs, ...lacking[without]?.chromium ?? []], env: process.env,
  });
  return {
    async newPage(viewport = {}) {
      const page = await browser.newPage();
      // Chromium keeps WebAssembly whatever V8's flags say: its pages lose it here instead,
      // before any script of theirs runs, as an old browser never had it.
      if (without === 'wasm' && !firefox)
        await page.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; });
      await page.setViewport({width: 1280, height: 900, deviceScaleFactor: 1, ...viewport});
      page.errors = [];
      page.on('pageerror', error => page.errors.push(String(error)));
      page.on('console', message => {
        // A file the server lacks is the browser's own note, not the program's error.
        if (message.type() === 'error' && !message.text().startsWith('Failed to load resource'))
          page.errors.push(message.text());
      });
      page.can = {touch: true, pixelRatio: true, install: !firefox};
      return page;
    },
    close: () => browser.close(),
  };
}

// --- WebKitGTK ---------------------------------------------------------------------------
// WebKit's WebDriver has no console and no script that runs before the page's own: the
// test server puts an observer into the page (web_test.mjs), which every engine then has.
const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

class WebKitPage {
  constructor(driver) {
    this.driver = driver;
    this.errors = [];
    this.can = {touch: false, pixelRatio: false, install: false};
    const act = async build => build(this.driver.actions({async: true})).perform();
    let pointer = [0, 0];
    const point = (x, y) => ({x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT});
    this.mouse = {
      move: async (x, y, {steps = 1} = {}) => {
        const [x0, y0] = pointer;
        for (let step = 1; step <= steps; step++)
          await act(a => a.move(point(x0 + (x - x0) * step / steps, y0 + (y - y0) * step / steps)));
        pointer = [x, y];
      },
      down: () => act(a => a.press()),
      up: () => act(a => a.release()),
      click: async (x, y) => {
        pointer = [x, y];
        await act(a => a.move(point(x, y)).press().release());
      },
    };
    const keys = {Tab: Key.TAB, Enter: Key.ENTER};
    this.keyboard = {press: key => act(a => a.keyDown(keys[key] ?? key).keyUp(keys[key] ?? key))};
  }
  goto(url) { return this.driver.get(url); }
  reload() { return this.driver.navigate().refresh(); }
  evaluate(fn, ...args) { return this.driver.executeScript(`return (${fn}).apply(null, arguments)`, ...args); }
  async screenshot({clip, path: file} = {}) {
    const png = Buffer.from(await this.driver.takeScreenshot(), 'base64');
    const image = clip ? crop(png, clip) : png;
    if (file)
      fs.writeFileSync(file, image);
    return image;
  }
  async click(selector) { await this.evaluate(s => document.querySelector(s).click(), selector); }
  close() { return this.driver.quit(); }
}

async function launchWebKit(port) {
  const startService = () => spawn('/usr/bin/WebKitWebDriver', [`--port=${port}`], {stdio: 'ignore'});
  let service = startService();
  await sleep(1000);
  const session = () => new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': {binary: miniBrowser, args: ['--automation']},
  }).build();
  return {
    // Each page is a browser of its own: WebKit's driver gives one window a session. Now and
    // then the driver starts no browser after a few have come and gone, and waits for it for
    // ever: a driver that has made no window in 30 s is started again.
    async newPage() {
      for (let attempt = 1; ; attempt++) {
        const asked = session();
        const driver = await Promise.race([asked, sleep(30000).then(() => null)]);
        if (driver) {
          await driver.manage().window().setRect({x: 0, y: 0, width: 1280, height: 900});
          return new WebKitPage(driver);
        }
        asked.then(late => late.quit(), () => {});
        if (attempt === 3)
          throw new Error("WebKit's driver made no window in 30 s, three times over");
        console.log("note: WebKit's driver made no window in 30 s; it is started again");
        service.kill();
        await sleep(500);
        service = startService();
        await sleep(1000);
      }
    },
    close: async () => { service.kill(); },
  };
}

// engine: chromium, firefox or webkit; profile: a folder of its own; driverPort: for
// WebKit's driver; without: webgl or wasm, for Chromium and Firefox.
export function launch(engine, {profile, driverPort, without = null}) {
  fs.mkdirSync(path.dirname(profile), {recursive: true});
  return engine === 'webkit' ? launchWebKit(driverPort) : launchPuppeteer(engine, profile, without);
}
