#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The built page in a real browser (chromium headless, no driver), served
as any static host would:
- opened with a seeded case's options as the link's parameters, it holds the
  baseline JSON (the command line's) in #kazenori-worksheet;
- printed, it gives exactly the sheet pages, on A4 (a sheet on B4 on B4),
  with every question's text, and with the program at hand every word where
  the program's own PDF has it (within 1 pt): the preview places text by the
  painter's rules;
- a typed instruction line prints in the sheet font.
Usage: page-check.py SITE_DIR SEEDED_DIR [KAZENORI]"""

import functools
import http.server
import json
import os
import re
import shlex
import subprocess
import sys
import tempfile
import threading
import urllib.parse

site, seeded = sys.argv[1], sys.argv[2]
program = sys.argv[3] if len(sys.argv) > 3 else None
SWITCHES = {"zero", "bonus", "red-answers", "score"}
failed = []


def check(label, ok, detail=""):
    print(("ok " if ok else "FAIL ") + label + ("" if ok else ": " + detail))
    if not ok:
        failed.append(label)


def cases():
    script = open(os.path.join(seeded, "check.sh"), encoding="utf-8").read()
    return re.findall(r'^\s*"(\w+)\|([^"]*)"$', script, re.M)


def query(args):
    words, params = shlex.split(args), []
    while words:
        name = words.pop(0)[2:]
        params.append(name if name in SWITCHES else name + "=" + urllib.parse.quote(words.pop(0)))
    return "&".join(params)


def chromium(profile, *args):
    return subprocess.run(
        ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--user-data-dir=" + profile, "--virtual-time-budget=15000", *args],
        capture_output=True, timeout=120, check=True).stdout.decode("utf-8")


def words(pdf):
    """(page, text, x, y) of every word pdftotext finds."""
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True,
                          check=True).stdout.decode("utf-8")
    found = []
    for page, body in enumerate(re.split(r"<page ", html)[1:]):
        for x, y, text in re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>(.*?)</word>', body):
            found.append((page, text, float(x), float(y)))
    return found


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                         functools.partial(QuietHandler, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
base = "http://127.0.0.1:%d/index.html?" % server.server_address[1]

with tempfile.TemporaryDirectory() as tmp:
    def holds(label, params, want):
        dom = chromium(os.path.join(tmp, "p%d" % len(failed + [label])), "--dump-dom", base + params)
        held = re.search(r'<script type="application/json" id="kazenori-worksheet">(.*?)</script>',
                         dom, re.S)
        check(label, held is not None and held.group(1) == want,
              "missing" if held is None else "differs at byte %d" % next(
                  (i for i, (a, b) in enumerate(zip(held.group(1), want)) if a != b),
                  min(len(held.group(1)), len(want))))
        return dom

    for name, args in cases():
        want = open(os.path.join(seeded, name + ".json"), encoding="utf-8").read()
        dom = holds(name + ": the page holds the command line's JSON", query(args), want)
        rules = sum(len(p.get("rules", [])) for s in json.loads(want)["sheets"] for p in s["pages"])
        check(name + ": the preview draws every rule", dom.count("<line ") == rules,
              "%d lines for %d rules" % (dom.count("<line "), rules))
        # The last sheet's code alone makes that sheet again, as --code does.
        lines = want.split("\n")
        head, last = "\n".join(lines[:2]) + "\n", lines[-2][:-len("]}")]
        holds(name + ": code= makes its last sheet again",
              "code=" + json.loads(last)["code"], head + last + "]}\n")

    for name, args in cases():
        sheets = json.loads(open(os.path.join(seeded, name + ".json"), encoding="utf-8").read())["sheets"]
        pdf = os.path.join(tmp, name + ".pdf")
        chromium(os.path.join(tmp, "q" + name), "--no-pdf-header-footer", "--print-to-pdf=" + pdf,
                 base + query(args))
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, check=True).stdout.decode()
        pages = int(re.search(r"Pages:\s+(\d+)", info).group(1))
        size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+)", info)
        check(name + ": one PDF page per sheet page, A4",
              pages == sum(len(s["pages"]) for s in sheets) and
              abs(float(size.group(1)) - 595.3) < 1 and abs(float(size.group(2)) - 841.9) < 1,
              "%d pages of %s x %s pt" % (pages, size.group(1), size.group(2)))
        text = re.sub(r"\s", "", subprocess.run(["pdftotext", pdf, "-"], capture_output=True,
                                                check=True).stdout.decode("utf-8"))
        items = [i["text"] for s in sheets for p in s["pages"] for i in p["items"]]
        lost = [w for t in items for w in t.split() if w not in text]
        check(name + ": every text of the sheets printed", not lost, "lost %r" % lost[:5])
        if program:
            own = os.path.join(tmp, name + "-program.pdf")
            env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
                       CUPS_SERVER=os.path.join(tmp, "no-print-server.sock"))
            subprocess.run([program, *shlex.split(args), "--pdf", own], env=env, check=True)
            web = words(pdf)
            far = [(p, t, x, y) for p, t, x, y in words(own)
                   if not any(q == p and s == t and abs(a - x) <= 1 and abs(b - y) <= 1
                              for q, s, a, b in web)]
            check(name + ": every word where the program prints it", not far, "%r" % far[:3])

    later = (("fewer problems, red answers, score",
              "--patterns 1-20 --problems 20 --red-answers --score --seed 5"),
             ("a grid on B4", "--grid mul --paper b4 --seed 6"))
    if program:
        # The options the seeded baselines do not reach, against the program itself.
        for label, args in later:
            own = os.path.join(tmp, "later.json")
            subprocess.run([program, *shlex.split(args), "--json", own],
                           env=dict(os.environ, QT_QPA_PLATFORM="offscreen",
                                    CUPS_SERVER=os.path.join(tmp, "no-print-server.sock")),
                           check=True)
            holds(label + ": the command line's JSON", query(args),
                  open(own, encoding="utf-8").read())

    # A sheet on B4 prints on B4.
    pdf = os.path.join(tmp, "b4.pdf")
    chromium(os.path.join(tmp, "b4"), "--no-pdf-header-footer", "--print-to-pdf=" + pdf,
             base + query(later[1][1]))
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, check=True).stdout.decode()
    size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+)", info)
    check("a sheet on B4 prints on B4",
          abs(float(size.group(1)) - 728.5) < 1 and abs(float(size.group(2)) - 1031.8) < 1,
          "%s x %s pt" % (size.group(1), size.group(2)))

    # A typed instruction line's kanji, which no sheet of the program's own
    # holds, print in the sheet font too (its second file), not a fallback.
    typed = "漢字の練習。調べよう"
    pdf = os.path.join(tmp, "typed.pdf")
    chromium(os.path.join(tmp, "typed"), "--no-pdf-header-footer", "--print-to-pdf=" + pdf,
             base + query("--patterns 1-3 --seed 1 --message " + typed))
    fonts = subprocess.run(["pdffonts", pdf], capture_output=True, check=True).stdout.decode()
    names = [line.split()[0] for line in fonts.splitlines()[2:]]
    text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, check=True).stdout.decode()
    check("a typed instruction prints in the sheet font",
          typed in text and names and all("KazenoriSheetGothic" in n for n in names), "%r" % names)

server.shutdown()
sys.exit(1 if failed else 0)
