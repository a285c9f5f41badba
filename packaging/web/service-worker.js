// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// Kavelo works offline after its first visit: every answer from the server is kept, and
// kept answers serve when the server cannot be reached. The server always comes first,
// so a teacher's new content shows at the next reload.
'use strict';

const store = 'kavelo';
// The program itself, kept at installation; the content and anything else is kept as the
// page fetches it.
const program = ['./', 'index.html', 'page.js', 'mirror.js', 'kavelo.js', 'kavelo.wasm',
                 'manifest.webmanifest', 'fonts/kavelo-mincho.ttf', 'fonts/kavelo-pmincho.ttf',
                 'icons/kavelo.svg', 'icons/kavelo-256.png'];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(store).then(cache => cache.addAll(program)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', event => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin)
    return;
  event.respondWith((async () => {
    const cache = await caches.open(store);
    try {
      const response = await fetch(request, {cache: 'no-cache'});
      if (response.ok)
        await cache.put(request, response.clone());
      return response;
    } catch (offline) {
      const kept = await cache.match(request, {ignoreSearch: true});
      if (kept)
        return kept;
      throw offline;
    }
  })());
});
