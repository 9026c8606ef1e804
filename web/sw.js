// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Offline once opened: the site's files go into a cache named after their
// content at the first visit and are served from it ever after; a new build
// brings a new name, and the old cache is dropped. The build fills in the
// list and the name.
'use strict';
const kCache = 'kazenori-@VERSION@';
const kFiles = [/* @FILES@ */];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('kazenori-') && n !== kCache)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// A link's parameters name sheets, not files: the page is the same for all.
// A file the page fetches only when needed (the kanji of the sheet font) is
// kept once it has been fetched.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET' || !event.request.url.startsWith(self.location.origin)) return;
  event.respondWith(caches.match(event.request, {ignoreSearch: true}).then((hit) => hit ||
    fetch(event.request).then((response) => {
      if (response.ok) {
        const copy = response.clone();
        caches.open(kCache).then((cache) => cache.put(event.request, copy));
      }
      return response;
    })));
});
