// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// What a screen reader finds in the site, read from Chromium's own accessibility tree over
// the DevTools protocol: every screen's controls by their words, where the keyboard's
// focus is after each key a blind learner presses, and what the live region says, in
// order, from the first question to the medal. Prints one "ok:" or "FAIL:" line a check.
//   node speech_test.mjs SITE WORK
// SITE is a site whose every answer is toluene (CH3 at one position), as web_test.sh makes.
import {createServer} from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import {rules} from './rules.mjs';

const [site, work] = process.argv.slice(2);
let failures = 0;
const ok = text => console.log(`ok: ${text}`);
const fail = text => { console.log(`FAIL: ${text}`); failures++; };
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm'};
const server = createServer((request, response) => {
  const name = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
  const file = path.join(site, name.endsWith('/') ? name + 'index.html' : name);
  if (!file.startsWith(site) || !fs.existsSync(file) || !fs.statSync(file).isFile())
    return response.writeHead(404).end();
  response.writeHead(200, {'Content-Type': types[path.extname(file)] ?? 'application/octet-stream'});
  response.end(fs.readFileSync(file));
});
await new Promise(resolve => server.listen(8941, '127.0.0.1', resolve));

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: !process.env.DISPLAY,
  userDataDir: path.join(work, 'profile-speech'),
  args: ['--no-sandbox', '--no-first-run', '--disable-background-networking', '--disable-sync',
         '--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
});
const page = await browser.newPage();
await page.setViewport({width: 1280, height: 900});
const uncaught = [];
page.on('pageerror', error => uncaught.push(String(error)));
const devtools = await page.createCDPSession();
await devtools.send('Accessibility.enable');

// --- Reading the tree as a screen reader gets it ----------------------------------------
async function tree() {
  const {nodes} = await devtools.send('Accessibility.getFullAXTree');
  const byId = new Map(nodes.map(node => [node.nodeId, node]));
  const property = (node, name) => node.properties?.find(p => p.name === name)?.value;
  const words = node => `${node.role?.value} ${node.name?.value ?? ''}`.trim();
  const below = node => (node.childIds ?? []).flatMap(id => byId.has(id) ? [byId.get(id), ...below(byId.get(id))] : []);
  const canvas = nodes.find(node => property(node, 'activedescendant') || node.role?.value === 'application');
  const active = canvas && property(canvas, 'activedescendant')?.relatedNodes?.[0]?.backendDOMNodeId;
  const focusNode = nodes.find(node => active && node.backendDOMNodeId === active) ??
                    nodes.find(node => property(node, 'focused')?.value);
  const log = nodes.find(node => node.role?.value === 'log');
  return {
    names: nodes.filter(node => !node.ignored).map(node => node.name?.value).filter(Boolean),
    // What the focus is on, with the list it is in: "option CH3 in listbox 官能基の表".
    focus: focusNode ? words(focusNode) + (byId.get(focusNode.parentId)?.role?.value === 'listbox'
                                            ? ` in ${words(byId.get(focusNode.parentId))}` : '') : '',
    lines: log ? below(log).filter(node => node.role?.value === 'paragraph')
                           .map(node => ({id: node.backendDOMNodeId,
                                          text: below(node).filter(n => n.role?.value === 'StaticText').map(n => n.name?.value).join('')}))
               : [],
  };
}

// Every line the live region has said, each once, in order.
const heard = [];
const seenLines = new Set();
async function listen() {
  for (const line of (await tree()).lines)
    if (!seenLines.has(line.id)) {
      seenLines.add(line.id);
      heard.push(line.text);
    }
}
async function heardSince(mark, expected, seconds = 8) {
  for (let i = 0; i < seconds * 5; i++) {
    await listen();
    const fresh = heard.slice(mark);
    // One line may carry several texts (the score and the next question).
    let n = 0;
    for (const line of fresh)
      for (let at = 0; n < expected.length && line.indexOf(expected[n], at) >= 0; n++)
        at = line.indexOf(expected[n], at) + expected[n].length;
    if (n === expected.length)
      return fresh;
    await sleep(200);
  }
  return null;
}

const keys = {'⇧Tab': ['Shift', 'Tab']};
async function press(...names) {
  for (const name of names) {
    const chord = keys[name] ?? [name];
    for (const key of chord) await page.keyboard.down(key);
    for (const key of [...chord].reverse()) await page.keyboard.up(key);
    await sleep(150);
  }
}

// One step of the keyboard path: keys, then where the focus is and what was said.
async function step(what, names, focus, said = []) {
  await listen();
  const mark = heard.length;
  await press(...names);
  const fresh = await heardSince(mark, said);
  const now = (await tree()).focus;
  if (fresh && (!focus || now === focus))
    ok(`${what}: the focus on "${now}"${said.length ? `, said ${JSON.stringify(fresh)}` : ''}`);
  else
    fail(`${what}: expected the focus on "${focus}" and ${JSON.stringify(said)}; focus on "${now}", said ${JSON.stringify(heard.slice(mark))}`);
  return fresh ?? [];
}

function holdsAll(what, names, expected) {
  const missing = expected.filter(text => !names.some(name => name === text || name.includes(text)));
  if (missing.length === 0)
    ok(`${what}: the tree holds ${expected.join(', ')}`);
  else
    fail(`${what}: the tree lacks ${missing.join(', ')}`);
}

const waitTitle = title => page.waitForFunction(t => document.title === t, {timeout: 60000, polling: 100}, title)
  .then(() => sleep(500), () => fail(`no ${title} screen`));

const formulas = ['CH3', 'CH2CH3', 'CH(CH3)2', 'CH=CH2', 'CHO', 'CH2OH', 'COOCH3', 'COOH', 'COONa', 'Cl',
                  'NH2', 'NHCOCH3', 'N2Cl', 'NH3+Cl−', 'NO2', 'OCOCH3', 'ONa', 'OH', 'SO3H', 'SO3Na'];
const letters = [...'ABCDEFGHIJKLMNOPQRSTUVWX'];
const compounds = new TextDecoder('shift_jis').decode(fs.readFileSync(path.join(site, '化合物/名前.txt')))
  .split('\r\n').map(line => line.replace(/^"|"$/g, ''));

try {
  await page.goto('http://127.0.0.1:8941/');
  await waitTitle('メニュー');
  holdsAll('the menu', (await tree()).names, ['メニュー', 'Kaveloドリル', 'Kavelo系統図', '終了', '説明']);
  const explanation = new TextDecoder('shift_jis').decode(fs.readFileSync(path.join(site, '説明/説明.txt'))).split('\r\n')[0];
  await step('the first button', [], 'button Kavelo系統図');
  await step('説明 opens the explanation', ['Tab', 'Tab', 'Tab', 'Enter'], null);
  holdsAll('the open explanation', (await tree()).names, [explanation]);

  // The chart: its letters after the two buttons, and a panel that says its compound.
  await step('Escape closes it', ['Escape'], 'button 説明');
  await step('Tab to 系統図', ['Tab'], 'button Kavelo系統図');
  await press('Enter');
  await waitTitle('系統図');
  holdsAll('the chart', (await tree()).names, ['系統図', '戻る', '終了', 'Kaveloの系統図', 'ベンゼン', ...letters]);
  await step('Tab to the letters', ['Tab', 'Tab'], 'option A in listbox 化合物（Ａ～Ｘ）');
  await step('the next letter', ['ArrowRight'], 'option B in listbox 化合物（Ａ～Ｘ）');
  await step('a panel opens', ['Enter'], null, [`B ${compounds[1]}`]);
  await press('Escape', 'Tab', 'Enter');
  await waitTitle('メニュー');

  // The drill, played to the medal from the keyboard.
  await listen();
  const arrival = heard.length;
  await press('Tab', 'Enter');
  await waitTitle('ドリル');
  const question = (await heardSince(arrival, ['第1問 ']))?.find(line => line.startsWith('第1問'));
  question ? ok(`the drill says its question on arrival: ${question}`) : fail('no question said on arrival');
  holdsAll('the drill', (await tree()).names,
           ['ドリル', '全削除', '基削除', '判定', '戻る', '終了', question?.replace(/^第1問 /, '') ?? '(the question)',
            '官能基の表', ...formulas, 'ベンゼン環', '位置1 空き', '位置6 空き', '得点', '連続正解数 0']);
  await step('the first button', [], 'button 全削除');
  await step('Tab to the palette', ['Tab', 'Tab', 'Tab', 'Tab', 'Tab'], 'option CH3 in listbox 官能基の表');
  await step('light a group', ['ArrowRight'], 'option CH2CH3 in listbox 官能基の表');
  await step('pick it up', ['Enter'], 'option 位置1 に CH2CH3 in listbox ベンゼン環');
  await step('carry it', ['2'], 'option 位置2 に CH2CH3 in listbox ベンゼン環');
  await step('place it', ['Enter'], 'option CH2CH3 in listbox 官能基の表', ['位置2 CH2CH3']);
  await step('Tab to the ring', ['Tab'], 'option 位置2 CH2CH3 in listbox ベンゼン環');
  await step('Delete', ['Delete'], null, ['位置2 空き']);
  await step('back to the palette', ['⇧Tab'], 'option CH2CH3 in listbox 官能基の表');
  await step('Escape puts back', ['Enter', 'Escape'], 'option CH2CH3 in listbox 官能基の表', ['CH2CH3 を表に戻しました']);
  await step('place for a wrong answer', ['Enter', '1', 'Enter'], null, ['位置1 CH2CH3']);
  await step('判定', ['⇧Tab'], 'button 判定');
  await step('judged wrong', ['Enter'], null, ['化学式に誤りがあります', '得点 0、連続正解 0']);
  await sleep(1500);
  await step('clear the ring', ['Tab', '1', 'Delete'], null, ['位置1 空き']);
  await step('back to CH3', ['⇧Tab', 'ArrowLeft'], 'option CH3 in listbox 官能基の表');
  // The score as the verdict shows it, then the bonus and the score with it: each right
  // answer adds its points, and each completed run of right answers its bonus.
  const medal = rules['medal-answers'], streak = rules['streak-for-bonus'], bonusPoints = rules.bonus;
  for (let right = 1; right <= medal; right++) {
    const score = right * rules['points-per-answer'] + Math.floor((right - 1) / streak) * bonusPoints;
    const bonus = right % streak === 0 ? [`ボーナス ${bonusPoints}点`, `得点 ${score + bonusPoints}`] : [];
    const after = right === medal ? ['金メダル', '再挑戦ボタン'] : [`第${right + 1}問`];
    await listen();
    const mark = heard.length;
    await press('Enter', '1', 'Enter', '⇧Tab', 'Enter');
    const fresh = await heardSince(mark, ['位置1 CH3', '正解です', `得点 ${score}`, ...bonus, ...after], 20);
    if (!fresh) {
      fail(`right answer ${right}: said ${JSON.stringify(heard.slice(mark))}`);
      break;
    }
    if (right === 1)
      await step('F2 reads the score', ['F2'], null, [`得点 ${rules['points-per-answer']}、連続正解 1`]);
    if (right === streak || right === medal)
      ok(`right answer ${right}: said ${JSON.stringify(fresh)}`);
    await sleep(300);
  }
  holdsAll('the finished drill', (await tree()).names, ['再挑戦', '金メダル']);
  const questions = heard.filter(line => /^正解です$/.test(line)).length;
  questions === medal ? ok(`「正解です」 said once for each of the ${medal} right answers`)
                      : fail(`「正解です」 said ${questions} times for ${medal} right answers`);
  const doubled = heard.filter((line, i) => i > 0 && line === heard[i - 1] && !line.startsWith('得点'));
  doubled.length === 0 ? ok('no message said twice in a row')
                       : fail(`said twice in a row: ${doubled.join(' | ')}`);

  // A pointer learner sees nothing of it: the live region takes no room on the page.
  const box = await page.$eval('#announcements', element => element.getBoundingClientRect().width);
  box <= 1 ? ok('the live region is not seen') : fail(`the live region is ${box} pixels wide`);
} catch (error) {
  fail(`the test stopped: ${error.stack ?? error}`);
}
uncaught.length === 0 ? ok('no uncaught error') : fail(`uncaught: ${uncaught.join(' | ')}`);
await browser.close();
server.close();
process.exit(failures ? 1 : 0);
