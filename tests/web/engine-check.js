// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine under node against the program: for every case of the seeded
// baselines (tests/app/seeded/check.sh, the one table of them) the engine's
// JSON must be the baseline byte for byte. The command line's arguments
// become the engine's options as the page's URL parameters do.
// Usage: node engine-check.js ENGINE_JS SEEDED_DIR
'use strict';
const fs = require('fs');
const path = require('path');
const [enginePath, seededDir] = process.argv.slice(2);

const switches = new Set(['zero', 'bonus', 'red-answers', 'score']);
function optionsOf(args) {
  const options = {};
  for (let i = 0; i < args.length; ++i) {
    const name = args[i].replace(/^--/, '');
    options[name] = switches.has(name) ? true : args[++i];
  }
  return options;
}

require(path.resolve(enginePath))().then((engine) => {
  const call = (fn, ...args) =>
    engine.ccall(fn, 'string', args.map(() => 'string'), args);
  const script = fs.readFileSync(path.join(seededDir, 'check.sh'), 'utf8');
  const cases = [...script.matchAll(/^\s*"(\w+)\|([^"]*)"$/gm)];
  if (cases.length === 0) throw new Error('no cases found in check.sh');
  let failed = 0;
  const check = (label, got, want) => {
    if (got === want) return console.log(`ok ${label}`);
    failed += 1;
    let at = 0;
    while (got[at] === want[at]) ++at;
    console.log(`FAIL ${label}: differs at byte ${at}: ${JSON.stringify(got.slice(at, at + 80))}` +
                ` ${call('kazenori_error')}`);
  };
  for (const [, name, args] of cases) {
    const want = fs.readFileSync(path.join(seededDir, `${name}.json`), 'utf8');
    const got = call('kazenori_compose', JSON.stringify(optionsOf(args.trim().split(/\s+/))));
    check(`${name}: ${args}`, got, want);
    // Each sheet's code makes that sheet again, alone.
    const sheets = want.trim().split('\n').slice(2).map((line) => line.replace(/,$|\]\}$/g, ''));
    const last = sheets[sheets.length - 1];
    const code = JSON.parse(last).code;
    const remade = call('kazenori_compose', JSON.stringify({code}));
    check(`${name}: code ${code}`, remade.split('\n')[2].replace(/\]\}$/, ''), last);
  }
  // A refusal is a message for the user, not a crash.
  check('refusal', call('kazenori_compose', '{"patterns":"0"}'), '');
  if (!/1〜150/.test(call('kazenori_error'))) failed += 1;
  check('a grid sheet refuses what shapes the others',
        call('kazenori_compose', '{"grid":"sub","problems":"20"}'), '');
  const patterns = JSON.parse(call('kazenori_patterns'));
  check('150 patterns with school years',
        String(patterns.length === 150 && patterns.every((p) => p.grade >= 1 && p.grade <= 6)),
        'true');
  process.exit(failed ? 1 : 0);
});
