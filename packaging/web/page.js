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

  // The program runs as WebAssembly and draws with WebGL. A browser without either (an
  // old one, or one whose WebGL a policy or an old graphics chip turns off) is told what
  // to do, instead of a page that stays blank.
  function missing() {
    const what = typeof WebAssembly !== 'object' ? 'WebAssembly' : hasWebGL() ? null : 'WebGL';
    return what && `このブラウザでは Kavelo を動かせません（${what} が使えません）。` +
      '別のブラウザ（新しい Chrome、Edge、Safari、Firefox）で開くか、' +
      `学校の端末なら、${what} を使えるように設定してもらって下さい。`;
  }
  function hasWebGL() {
    try {
      const gl = document.createElement('canvas').getContext('webgl');
      gl?.getExtension('WEBGL_lose_context')?.loseContext();
      return Boolean(gl);
    } catch {
      return false;
    }
  }

  // Qt asks for the clipboard permissions and leaves a refusal unhandled; WebKit refuses
  // the names it does not know. A refusal is answered as "denied", which it means.
  const permissions = navigator.permissions;
  if (permissions?.query) {
    const query = permissions.query.bind(permissions);
    permissions.query = descriptor => query(descriptor).catch(() => ({name: descriptor?.name, state: 'denied'}));
  }

  // Every file fetched is kept for the service worker, so that the next visit starts
  // without the server too, as it arrives: the service worker need not fetch it again.
  const keep = 'caches' in globalThis ? caches.open('kavelo') : Promise.resolve(null);
  async function fetchKept(name) {
    const response = await fetch(encodeURI(name), {cache: 'no-cache'});
    if (response.ok) {
      const copy = response.clone();
      keep.then(cache => cache?.put(encodeURI(name), copy)).catch(() => {});
    }
    return response;
  }
  async function fetchOne(name) {
    try {
      const response = await fetchKept(name);
      return response.ok ? {name, bytes: new Uint8Array(await response.arrayBuffer())} : null;
    } catch (error) {
      return null;
    }
  }

  let playing = null;
  return {
    start() {
      const lacking = missing();
      if (lacking)
        return say(lacking, false);
      createQtAppInstance({
        qtContainerElements: [canvas],
        print: text => console.log(text),
        printErr: text => console.warn(text),
        onAbort: text => say('Kavelo を動かせませんでした。（' + text + '）', true),
        // The program itself comes through fetchKept too.
        instantiateWasm(imports, receive) {
          fetchKept('kavelo.wasm')
            .then(response => WebAssembly.instantiateStreaming(response, imports))
            .then(({instance, module}) => receive(instance, module))
            .catch(error => say('Kavelo を動かせませんでした。（' + error + '）', true));
          return {};
        },
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
