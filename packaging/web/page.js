// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// The page around the program: it starts the program on the canvas, fetches what the
// program asks for, plays its sounds and tells when it has ended. The program reaches it
// as globalThis.kaveloPage (platform/web_page.cpp).
'use strict';

const kaveloPage = globalThis.kaveloPage = (() => {
  const canvas = document.getElementById('screen');
  const notice = document.getElementById('notice');
  const noticeText = document.getElementById('notice-text');
  const restart = document.getElementById('restart');
  restart.addEventListener('click', () => location.reload());

  function say(text, offerRestart) {
    canvas.hidden = true;
    notice.hidden = false;
    noticeText.textContent = text;
    restart.hidden = !offerRestart;
  }

  // Browsers let a page make sound only after a tap, a click or a key: the first of these
  // wakes the audio, whichever it was (the tap on ドリル counts).
  let audio = null;
  function wakeAudio() {
    if (!audio)
      audio = new AudioContext();
    if (audio.state === 'suspended')
      audio.resume();
  }
  for (const kind of ['pointerdown', 'touchend', 'keydown'])
    addEventListener(kind, wakeAudio, {capture: true});

  // Every file fetched is kept for the service worker, so that the next visit starts
  // without the server too.
  const keep = 'caches' in globalThis ? caches.open('kavelo') : Promise.resolve(null);
  async function fetchOne(name) {
    try {
      const response = await fetch(encodeURI(name), {cache: 'no-cache'});
      if (!response.ok)
        return null;
      const cache = await keep;
      if (cache)
        await cache.put(encodeURI(name), response.clone()).catch(() => {});
      return {name, bytes: new Uint8Array(await response.arrayBuffer())};
    } catch (error) {
      return null;
    }
  }

  let playing = null;
  return {
    start() {
      createQtAppInstance({
        qtContainerElements: [canvas],
        print: text => console.log(text),
        printErr: text => console.warn(text),
        onAbort: text => say('Kavelo を動かせませんでした。（' + text + '）', true),
        quit: (status, error) => {
          console.error(error);
          say('Kavelo を動かせませんでした。（' + error + '）', true);
        },
      }).catch(error => say('Kavelo を動かせませんでした。（' + error + '）', true));
    },

    // Resolves to the files the server had, each {name, bytes}.
    async fetchFiles(folder, names) {
      const fetched = await Promise.all(names.map(fetchOne));
      return fetched.filter(Boolean);
    },

    presentScreen(width, height, title) {
      canvas.style.width = width + 'px';
      canvas.style.height = height + 'px';
      canvas.hidden = false;
      notice.hidden = true;
      document.title = title;
      canvas.focus();
    },

    async playSound(wav) {
      wakeAudio();
      const buffer = await audio.decodeAudioData(wav);
      if (playing)
        playing.stop();
      playing = audio.createBufferSource();
      playing.buffer = buffer;
      playing.connect(audio.destination);
      playing.start();
    },

    showEnded(code) {
      document.title = 'Kavelo';
      say(code === 0 ? 'Kavelo を終了しました。'
                     : 'エラーのため Kavelo を終了しました。教材を直してから、もう一度始めて下さい。',
          true);
    },
  };
})();

if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('service-worker.js').catch(() => {});
