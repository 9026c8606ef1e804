// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page by a teacher's clicks, in chromium through puppeteer-core (a
// fresh profile, the site served as a static host would): ticking patterns
// and pressing プレビュー makes a preview of those patterns; the address it
// leaves makes the same sheets again; the settings are there on the next
// visit; and after the first visit the page works offline.
// Usage: node click-check.js SITE_DIR
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const site = process.argv[2];
const types = {'.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
               '.woff2': 'font/woff2', '.woff': 'font/woff', '.wasm': 'application/wasm'};
let failed = 0;
function check(label, ok, detail = '') {
  console.log(`${ok ? 'ok' : 'FAIL'} ${label}${ok ? '' : `: ${detail}`}`);
  if (!ok) failed += 1;
}

const server = http.createServer((req, res) => {
  const name = new URL(req.url, 'http://x').pathname;
  fs.readFile(path.join(site, name.endsWith('/') ? `${name}index.html` : name), (err, data) => {
    if (err) { res.writeHead(404); return res.end(); }
    res.writeHead(200, {'Content-Type': types[path.extname(name)] || 'text/html'});
    res.end(data);
  });
});

server.listen(0, '127.0.0.1', async () => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'kazenori-clicks-'));
  const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run']});
  const worksheet = (page) => page.$eval('#kazenori-worksheet', (e) => e.textContent);
  const previewOf = async (page, pages) => {
    await page.waitForSelector(`#preview[data-pages="${pages}"]`, {timeout: 30000});
    return worksheet(page);
  };
  try {
    const page = await browser.newPage();
    await page.setViewport({width: 800, height: 1200, isMobile: true, hasTouch: true});
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await page.waitForSelector('body[data-ready]');
    await page.click('#patterns details summary');
    await page.tap('#patterns input[value="3"]');
    await page.tap('#patterns input[value="1"]');
    await page.click('#sheets', {clickCount: 3});
    await page.type('#sheets', '2');
    await page.tap('#preview-button');
    const json = await previewOf(page, 4);
    const sheets = JSON.parse(json).sheets;
    const used = new Set(sheets.flatMap((s) => s.problems.map((p) => p.pattern)));
    check('two sheets of the ticked patterns', sheets.length === 2 && [...used].sort().join() === '1,3',
          `${sheets.length} sheets of patterns ${[...used]}`);
    const link = page.url();
    check('the address names the sheets in tick order', /patterns=3%2C1|patterns=3,1/.test(link) &&
          /sheets=2/.test(link) && /seed=\d+/.test(link), link);

    await page.goto(link);
    check('the address makes the same sheets again', await previewOf(page, 4) === json);

    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.goto(link.split('?')[0]);
    await page.waitForSelector('body[data-ready]');
    check('the settings are kept in the browser',
          await page.$eval('#ticked', (e) => e.textContent) === '2 個選択' &&
          await page.$eval('#sheets', (e) => e.value) === '2');

    await page.setOfflineMode(true);
    await page.goto(link);
    check('offline after the first visit', await previewOf(page, 4) === json);

    // A sheet type whose own setting names it: 百ます計算 with ひき算, 5×5.
    await page.tap('#types button[data-type="grid"]');
    await page.tap('fieldset[data-setting="grid"] input[value="sub"]');
    await page.tap('fieldset[data-setting="grid-size"] input[value="5"]');
    await page.tap('#preview-button');
    const grids = JSON.parse(await previewOf(page, 4)).sheets.map((s) => s.grid);
    check('a 5×5 subtraction grid by clicks', grids.every((g) => g && g.op === 2 && g.rows.length === 5),
          JSON.stringify(grids).slice(0, 80));
    const line = await page.$eval('#message', (e) => e.placeholder);
    check('the instruction offered is the subtraction grid\'s', line.includes('ひいて'), line);
  } catch (e) {
    check('the page by clicks', false, e.message);
  } finally {
    await browser.close();
    fs.rmSync(profile, {recursive: true, force: true});
    server.close();
    process.exit(failed ? 1 : 0);
  }
});
