// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: controls that become the engine's options (the command line's
// names and values, which are also the link's parameters), and the composed
// worksheet drawn as one SVG a page. The engine composes; the page only
// places text items as the program's painter does.
'use strict';

(() => {
  // A4 in tenths of a millimetre: the unit of every text item.
  const kPageWidth = 2100;
  const kPageHeight = 2970;
  const kSheetFont = 'KazenoriSheet';
  const kStoreKey = 'kazenori.settings';
  const kTopLevel = ['patterns', 'grade', 'message', 'print-number', 'sheets', 'seed', 'code'];

  const $ = (id) => document.getElementById(id);
  // Milliseconds since the page was opened (performance.now), for the benchmark.
  const timings = {};
  window.kazenoriTimings = timings;

  let engine = null;
  let form = null;
  let patterns = [];
  // What the controls hold: the ticked patterns in tick order (the order the
  // sheets draw them in), the sheet type, its settings.
  const state = {type: 'arithmetic', ticked: [], settings: {}, message: '', printNumber: 1, sheets: 1};
  let shown = null;  // {options, first, sheets} of the worksheet on screen

  function call(fn, ...args) {
    return engine.ccall(fn, 'string', args.map(() => 'string'), args);
  }

  function say(text) {
    $('message-line').textContent = text;
  }

  // ---- pattern lists as the command line writes them ("1-5,9")
  function listText(numbers) {
    const parts = [];
    for (let i = 0; i < numbers.length;) {
      let j = i;
      while (j + 1 < numbers.length && numbers[j + 1] === numbers[j] + 1) ++j;
      parts.push(j > i ? `${numbers[i]}-${numbers[j]}` : `${numbers[i]}`);
      i = j + 1;
    }
    return parts.join(',');
  }

  function listNumbers(text) {
    const numbers = [];
    for (const part of String(text).split(',')) {
      const [from, to = from] = part.trim().split('-').map(Number);
      for (let p = from; p <= to && p <= 150; ++p) numbers.push(p);
    }
    return numbers.filter((p) => p >= 1 && !Number.isNaN(p));
  }

  // ---- controls
  function typeOf(name) {
    return form.types.find((t) => t.name === name) || form.types[0];
  }

  function buildTypes() {
    const nav = $('types');
    for (const t of form.types) {
      const b = document.createElement('button');
      b.type = 'button';
      b.textContent = t.label;
      b.dataset.type = t.name;
      b.addEventListener('click', () => { state.type = t.name; showControls(); save(); });
      nav.append(b);
    }
  }

  function buildPatterns() {
    const grades = $('grade');
    const holder = $('patterns');
    for (let g = 1; g <= 6; ++g) {
      grades.add(new Option(`${g}年`, String(g)));
      const details = document.createElement('details');
      details.innerHTML = `<summary>${g}年</summary><div class="grid"></div>`;
      const grid = details.querySelector('.grid');
      for (const p of patterns.filter((q) => q.grade === g)) {
        const label = document.createElement('label');
        label.title = p.unit;
        label.innerHTML = `<input type="checkbox" value="${p.number}"> <span></span>`;
        label.querySelector('span').textContent = `${p.number} ${p.caption}`;
        if (p.enrichment) label.classList.add('enrichment');
        grid.append(label);
      }
      holder.append(details);
    }
    holder.addEventListener('change', (e) => {
      const n = Number(e.target.value);
      state.ticked = state.ticked.filter((p) => p !== n);
      if (e.target.checked) state.ticked.push(n);
      showTicked();
      save();
    });
    grades.addEventListener('change', () => {
      const g = Number(grades.value);
      if (g) state.ticked = patterns.filter((p) => p.grade === g).map((p) => p.number);
      showTicked();
      save();
    });
    $('clear').addEventListener('click', () => { state.ticked = []; grades.value = ''; showTicked(); save(); });
  }

  function buildSettings() {
    const holder = $('settings');
    for (const s of form.settings) {
      const set = document.createElement('fieldset');
      set.dataset.setting = s.name;
      set.innerHTML = '<legend></legend>';
      set.querySelector('legend').textContent = s.label;
      for (const [value, label] of s.choices) {
        const l = document.createElement('label');
        l.innerHTML = `<input type="radio" name="${s.name}">`;
        l.firstChild.value = value;
        l.append(label);
        set.append(l);
      }
      set.addEventListener('change', (e) => {
        state.settings[s.name] = e.target.value;
        $('message').placeholder = instructionOf(typeOf(state.type));
        save();
      });
      holder.append(set);
    }
  }

  function showTicked() {
    const ticked = new Set(state.ticked);
    for (const box of $('patterns').querySelectorAll('input')) box.checked = ticked.has(Number(box.value));
    $('ticked').textContent = `${state.ticked.length} 個選択`;
  }

  // The line a sheet of this type prints when none is typed.
  function instructionOf(t) {
    const op = state.settings.grid ?? form.settings.find((x) => x.name === 'grid').fallback;
    return (t.instructions && t.instructions[op]) || t.instruction;
  }

  function showControls() {
    const t = typeOf(state.type);
    for (const b of $('types').children) b.setAttribute('aria-pressed', String(b.dataset.type === t.name));
    $('pattern-section').hidden = !t.patterns;
    for (const set of $('settings').children) {
      const s = form.settings.find((x) => x.name === set.dataset.setting);
      set.hidden = !t.settings.includes(s.name);
      const value = state.settings[s.name] ?? s.fallback;
      for (const r of set.querySelectorAll('input')) r.checked = r.value === value;
    }
    $('message').value = state.message;
    $('message').placeholder = instructionOf(t);
    $('print-number').value = state.printNumber;
    $('sheets').value = state.sheets;
    showTicked();
  }

  function readControls() {
    state.message = $('message').value;
    state.printNumber = $('print-number').value.trim();
    state.sheets = $('sheets').value.trim();
  }

  // ---- settings kept in the browser
  function save() {
    readControls();
    try { localStorage.setItem(kStoreKey, JSON.stringify(state)); } catch (e) { /* private mode */ }
  }

  function restore() {
    try { Object.assign(state, JSON.parse(localStorage.getItem(kStoreKey)) || {}); } catch (e) { /* none */ }
  }

  // ---- options: controls <-> engine <-> link
  function drawSeed() {
    return String(crypto.getRandomValues(new Uint32Array(1))[0]);
  }

  function optionsOfControls(seed) {
    const t = typeOf(state.type);
    const o = {};
    if (t.option && !t.settings.includes(t.option)) o[t.option] = true;
    if (t.patterns) o.patterns = listText(state.ticked);
    for (const name of t.settings) {
      const s = form.settings.find((x) => x.name === name);
      const value = state.settings[name] ?? s.fallback;
      if (value !== s.fallback || name === t.option) o[name] = value;
    }
    if (state.message) o.message = state.message;
    if (String(state.printNumber) !== '1') o['print-number'] = String(state.printNumber);
    if (String(state.sheets) !== '1') o.sheets = String(state.sheets);
    o.seed = seed;
    return o;
  }

  // The options a link names: the command line's, a switch given without a value.
  function optionsOfLink(params) {
    const names = new Set([...kTopLevel, ...form.settings.map((s) => s.name),
                           ...form.types.map((t) => t.option).filter(Boolean)]);
    const o = {};
    for (const [name, value] of params) if (names.has(name)) o[name] = value === '' ? true : value;
    return o;
  }

  // The controls show what a link or a code asked for.
  function adopt(o) {
    const t = form.types.find((x) => x.option && o[x.option] !== undefined) || form.types[0];
    state.type = t.name;
    if (o.patterns) state.ticked = listNumbers(o.patterns);
    if (o.grade) state.ticked = patterns.filter((p) => p.grade === Number(o.grade)).map((p) => p.number);
    for (const s of form.settings) {
      if (o[s.name] === undefined) delete state.settings[s.name];
      else state.settings[s.name] = o[s.name] === true ? s.choices[s.choices.length - 1][0] : String(o[s.name]);
    }
    state.message = o.message === undefined || o.message === true ? '' : o.message;
    state.printNumber = o['print-number'] ?? 1;
    state.sheets = o.sheets ?? 1;
    showControls();
  }

  function linkOf(o) {
    const params = new URLSearchParams();
    for (const [name, value] of Object.entries(o)) params.set(name, value === true ? '' : value);
    return `${location.pathname}?${params.toString().replace(/=(&|$)/g, '$1')}`;
  }

  // ---- composing and drawing
  // A class set's first sheet is composed and drawn on its own first (a
  // seed's sheet k never depends on how many follow it), so that it is on
  // screen while the engine composes the rest.
  async function compose(o) {
    // A typed instruction line may need the kanji file of the sheet font,
    // which must be in before its text is measured.
    if (typeof o.message === 'string' && o.message) await document.fonts.load(`60px ${kSheetFont}`, o.message);
    const many = !o.code && Number(o.sheets || 1) > 1;
    const t0 = performance.now();
    const json = call('kazenori_compose', JSON.stringify(many ? {...o, sheets: '1'} : o));
    if (!json) {
      say(call('kazenori_error'));
      return false;
    }
    say('');
    history.replaceState(null, '', linkOf(o));
    if (!many) {
      timings.compose = performance.now() - t0;
      show(json, o);
      return true;
    }
    show(json, o, true);
    requestAnimationFrame(() => setTimeout(() => {
      const t1 = performance.now();
      const all = call('kazenori_compose', JSON.stringify(o));
      timings.compose = performance.now() - t1;
      if (all) show(all, o);
    }, 0));
    return true;
  }

  const metrics = new Map();
  let ruler = null;

  // The font's vertical metrics at one size, as the painter reads them.
  function fontMetrics(height) {
    if (!metrics.has(height)) {
      ruler.font = `${height}px ${kSheetFont}`;
      const m = ruler.measureText('Hg');
      metrics.set(height, {ascent: m.fontBoundingBoxAscent,
                           half: Math.ceil((m.fontBoundingBoxAscent + m.fontBoundingBoxDescent) / 2)});
    }
    return metrics.get(height);
  }

  function roundHalfEven(v) {
    const r = Math.round(v);
    return Math.abs(v % 1) === 0.5 && r % 2 !== 0 ? r - 1 : r;
  }

  // The top-left of an item's text cell and its baseline, by the painter's
  // rules: ink, not advance, starts or ends at x; centred and mid items hang
  // from half the height of "Hg".
  function origin(item) {
    const m = fontMetrics(item.height);
    ruler.font = `${item.height}px ${kSheetFont}`;
    const chars = [...item.text];
    const first = ruler.measureText(chars[0]);
    const last = ruler.measureText(chars[chars.length - 1]);
    const leftOverhang = first.actualBoundingBoxLeft > 0 ? roundHalfEven(first.actualBoundingBoxLeft) : 0;
    const beyond = last.actualBoundingBoxRight - last.width;
    const rightOverhang = beyond > 0 ? roundHalfEven(beyond) : 0;
    let left = item.x;
    let top = item.y;
    switch (item.op) {
      case 'leftmid': left += leftOverhang; top -= m.half; break;
      case 'center': left -= Math.ceil(ruler.measureText(item.text).width / 2); top -= m.half; break;
      case 'right': left -= rightOverhang + ruler.measureText(item.text).width; break;
      default: left += leftOverhang;
    }
    return [left, top + m.ascent];
  }

  const escapes = {'&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;'};
  const escaped = (text) => text.replace(/[&<>"]/g, (c) => escapes[c]);

  function pageMarkup(page) {
    let out = `<svg class="page" xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ${kPageWidth} ${kPageHeight}">`;
    // A grid sheet's cells and record table: straight lines, widths in 0.1 mm,
    // with square ends so that lines meeting at a corner close it.
    for (const r of page.rules || []) {
      out += `<line x1="${r.x1}" y1="${r.y1}" x2="${r.x2}" y2="${r.y2}" stroke="black" stroke-width="${r.width}" stroke-linecap="square"/>`;
    }
    for (const item of page.items) {
      if (!item.text) continue;
      const [x, y] = origin(item);
      // A face without a bold one is emboldened as the program does: its
      // outline stroked in the same ink, a twentieth of the height wide.
      const bold = item.bold ? ` stroke="${item.color}" stroke-width="${item.height / 20}" stroke-linejoin="round"` : '';
      out += `<text x="${x}" y="${y}" font-size="${item.height}" fill="${item.color}"${bold}>${escaped(item.text)}</text>`;
    }
    return `${out}</svg>`;
  }

  let firstDrawn = false;  // the first page of the composition under way is on screen

  // `partial`: only the first page, while the rest is composed.
  function show(json, o, partial = false) {
    const worksheet = JSON.parse(json);
    const pages = worksheet.sheets.flatMap((s) => s.pages);
    const preview = $('preview');
    if (!partial) $('kazenori-worksheet').textContent = json;
    shown = {options: o, first: worksheet.sheets[0].printNumber, sheets: worksheet.sheets.length};
    $('summary').textContent = `${worksheet.sheets.length} 枚（${pages.length} ページ）` +
      (worksheet.sheets[0].code ? `　再作成コード ${worksheet.sheets[0].code}` : '');
    $('toolbar').hidden = partial;
    // Printed before every page is drawn, a class set would lose its last sheets.
    $('print').disabled = true;
    delete preview.dataset.pages;
    // The pages a few at a time, so that the browser paints in between; a
    // first page already drawn stays.
    let next = !partial && firstDrawn ? 1 : 0;
    firstDrawn = partial;
    if (next === 0) preview.replaceChildren();
    else while (preview.childElementCount > 1) preview.lastChild.remove();
    const more = (count) => {
      preview.insertAdjacentHTML('beforeend', pages.slice(next, next + count).map(pageMarkup).join(''));
      next += count;
      if (partial) return;
      if (next < pages.length) {
        setTimeout(() => more(8), 0);
      } else {
        timings.allPages = performance.now();
        $('print').disabled = false;
        preview.dataset.pages = String(pages.length);
        preview.dataset.composeMs = timings.compose.toFixed(1);
      }
    };
    more(next === 0 ? 1 : 8);
    if (timings.firstSheet === undefined) {
      requestAnimationFrame(() => {
        timings.firstSheet = performance.now();
        preview.dataset.firstSheetMs = timings.firstSheet.toFixed(0);
      });
    }
  }

  function preview() {
    save();
    return compose(optionsOfControls(drawSeed()));
  }

  // A code alone first; a sheet with its own instruction line needs that line too.
  async function remake() {
    const code = $('code').value.trim();
    if (!code) return say('再作成コードを入力して下さい。');
    const decoded = call('kazenori_decode', code, state.message);
    if (!decoded) return say(call('kazenori_error'));
    const {options} = JSON.parse(decoded);
    const o = {code};
    if (state.message && options.message === state.message) o.message = state.message;
    if (await compose(o)) adopt(options);
  }

  // Printing numbers the next sheets on, as the program does once every
  // page has gone out (a browser does not tell a cancelled print apart).
  function printed() {
    if (!shown || shown.options.code) return;
    state.printNumber = shown.first + shown.sheets;
    $('print-number').value = state.printNumber;
    save();
  }

  async function start() {
    engine = await KazenoriEngine();
    timings.engineReady = performance.now();
    form = JSON.parse(call('kazenori_form'));
    patterns = JSON.parse(call('kazenori_patterns'));
    ruler = document.createElement('canvas').getContext('2d');
    buildTypes();
    buildPatterns();
    buildSettings();
    restore();
    showControls();
    for (const id of ['message', 'print-number', 'sheets']) $(id).addEventListener('change', save);
    $('preview-button').addEventListener('click', preview);
    $('remake').addEventListener('click', remake);
    $('print').addEventListener('click', () => window.print());
    $('share').addEventListener('click', () => navigator.clipboard?.writeText(location.href));
    window.addEventListener('afterprint', printed);
    const link = optionsOfLink(new URLSearchParams(location.search));
    // The sheet font must be in before anything is measured.
    await document.fonts.load(`60px ${kSheetFont}`, '0');
    timings.fontReady = performance.now();
    if (Object.keys(link).length > 0) {
      if (!link.code) adopt(link);
      if (link.seed === undefined && !link.code) link.seed = drawSeed();
      await compose(link);
      if (link.code) {
        const decoded = call('kazenori_decode', String(link.code), link.message || '');
        if (decoded) adopt(JSON.parse(decoded).options);
      }
    }
    document.body.dataset.ready = 'true';
  }

  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => { /* online only */ });
  }
  start().catch((e) => say(`読み込みに失敗しました: ${e.message}`));
})();
