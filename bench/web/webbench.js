// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser version in chromium (puppeteer-core, the system browser), a
// fresh profile, the site served as a static host would: the first visit's
// bytes, the time from opening the page to the first sheet on screen, and
// the engine's time for the link's composition.
// Usage: node webbench.js SITE_DIR QUERY
'use strict';
const http = require('http');
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [site, query] = process.argv.slice(2);
const types = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
               '.woff2': 'font/woff2', '.woff': 'font/woff', '.wasm': 'application/wasm'};
const server = http.createServer((req, res) => {
  const file = path.join(site, decodeURIComponent(new URL(req.url, 'http://x').pathname));
  fs.readFile(file.endsWith('/') ? path.join(file, 'index.html') : file, (err, data) => {
    if (err) { res.writeHead(404); return res.end(); }
    res.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream'});
    res.end(data);
  });
}).listen(0, '127.0.0.1', async () => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'kazenori-bench-'));
  const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run']});
  try {
    const page = await browser.newPage();
    let bytes = 0;
    const cdp = await page.createCDPSession();
    await cdp.send('Network.enable');
    cdp.on('Network.loadingFinished', (e) => { bytes += e.encodedDataLength; });
    const url = `http://127.0.0.1:${server.address().port}/index.html?${query}`;
    await page.goto(url);
    await page.waitForSelector('#preview[data-pages]', {timeout: 60000});
    const t = await page.evaluate(() => window.kazenoriTimings);
    const sheets = await page.evaluate(() => JSON.parse(
      document.getElementById('kazenori-worksheet').textContent).sheets.length);
    console.log(`browser: ${sheets} sheets composed in ${t.compose.toFixed(1)} ms; ` +
                `first sheet on screen ${t.firstSheet.toFixed(0)} ms after opening; ` +
                `all pages ${t.allPages.toFixed(0)} ms; ${(bytes / 1024).toFixed(0)} kB loaded ` +
                `(engine ready ${t.engineReady.toFixed(0)} ms, font ${t.fontReady.toFixed(0)} ms)`);
  } finally {
    await browser.close();
    fs.rmSync(profile, {recursive: true, force: true});
    server.close();
  }
});
