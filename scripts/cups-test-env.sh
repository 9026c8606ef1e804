#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by scripts/with-test-env.sh before the tests run: makes sure a CUPS
# server runs and has the test queues, and exports their names.
#
#   kz-pdf      cups-pdf backend (PostScript round trip): pages, size, where the ink is
#   kz-qtpdf    raw queue whose backend keeps the PDF it was sent, unchanged (its text too)
#   kz-letter   like kz-qtpdf, with a driver that offers no A4 paper
#   kz-nob4     like kz-qtpdf, with a driver that offers no B4 (JIS) paper
#   kz-trays    like kz-qtpdf, with two input slots
#   kz-acrobat  like kz-qtpdf; its name marks an Acrobat printer
#   kz-reject   like kz-qtpdf, but rejecting jobs (cupsreject) with a reason
#   kz-fail     takes jobs, but its backend fails every one: CUPS aborts the job
#   kz-stopped  like kz-qtpdf, but stopped (cupsdisable): it holds every job
#   kz-latefail takes jobs, but its backend fails each one after three seconds
#
# Exported: KAZENORI_CUPS_PDF_QUEUE, KAZENORI_CUPS_PDF_DIR, KAZENORI_CUPS_QTPDF_QUEUE,
# KAZENORI_CUPS_QTPDF_DIR, KAZENORI_CUPS_LETTER_QUEUE, KAZENORI_CUPS_NOB4_QUEUE,
# KAZENORI_CUPS_TRAYS_QUEUE,
# KAZENORI_CUPS_ACROBAT_QUEUE, KAZENORI_CUPS_REJECT_QUEUE,
# KAZENORI_CUPS_FAIL_QUEUE, KAZENORI_CUPS_STOPPED_QUEUE, KAZENORI_CUPS_LATEFAIL_QUEUE. When the setup fails KAZENORI_CUPS_SETUP_FAILED is
# exported instead, so that the printing tests fail rather than skip.

kz_cups_main() {
  local sudo="" state=/var/tmp/kazenori-cups
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  local qtpdf_dir="$state/qtpdf"
  local backend=/usr/lib/cups/backend/kzfile failing=/usr/lib/cups/backend/kzfail
  local late=/usr/lib/cups/backend/kzlatefail

  $sudo mkdir -p "$state" "$qtpdf_dir" || return 1
  $sudo chmod 1777 "$qtpdf_dir" || return 1

  # Queues and backend of an older layout of this script are set up again.
  local version=5 queues="kz-pdf kz-qtpdf kz-letter kz-nob4 kz-trays kz-acrobat kz-reject kz-stopped" q fresh=0
  if [ "$($sudo cat "$state/version" 2>/dev/null)" != "$version" ]; then fresh=1; fi

  # The backend writes each job's document under its title, completely or not
  # at all, and the job's options beside it.
  if [ "$fresh" = 1 ] || ! $sudo test -x "$backend"; then
    $sudo tee "$backend" >/dev/null <<'BACKEND' || return 1
#!/bin/sh
# CUPS backend for the Kazenori tests: keeps the job's document unchanged.
# Device URI: kzfile:/directory
if [ $# -eq 0 ]; then
  echo 'direct kzfile "Unknown" "Kazenori test file output"'
  exit 0
fi
dir="${DEVICE_URI#kzfile:}"
name=$(printf '%s' "$3" | tr -c 'A-Za-z0-9._-' '_')
tmp="$dir/.job-$1.tmp"
if [ -n "$6" ]; then cat "$6" >"$tmp"; else cat >"$tmp"; fi || exit 1
chmod 0644 "$tmp"
printf 'copies=%s %s\n' "$4" "$5" >"$dir/$name.options"
mv "$tmp" "$dir/$name.pdf"
BACKEND
    # Mode 0700 makes CUPS run the backend as root, which may write anywhere.
    $sudo chmod 0700 "$backend" || return 1
  fi

  # Added beside the others without a new layout version, so that a run of an
  # older checkout does not set the shared server up again.
  if ! $sudo test -x "$failing"; then
    $sudo tee "$failing" >/dev/null <<'BACKEND' || return 1
#!/bin/sh
# CUPS backend for the Kazenori tests: fails every job as a broken device would.
if [ $# -eq 0 ]; then
  echo 'direct kzfail "Unknown" "Kazenori test failing output"'
  exit 0
fi
cat "${6:-/dev/stdin}" >/dev/null
echo 'ERROR: kazenori test: this printer fails every job' >&2
exit 1
BACKEND
    $sudo chmod 0700 "$failing" || return 1
  fi

  # A device that fails only once the job is well under way.
  if ! $sudo test -x "$late"; then
    $sudo tee "$late" >/dev/null <<'BACKEND' || return 1
#!/bin/sh
# CUPS backend for the Kazenori tests: fails every job after three seconds.
if [ $# -eq 0 ]; then
  echo 'direct kzlatefail "Unknown" "Kazenori test late-failing output"'
  exit 0
fi
cat "${6:-/dev/stdin}" >/dev/null
sleep 3
echo 'ERROR: kazenori test: this printer fails late' >&2
exit 1
BACKEND
    $sudo chmod 0700 "$late" || return 1
  fi

  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    if command -v systemctl >/dev/null 2>&1 && systemctl is-system-running >/dev/null 2>&1; then
      $sudo systemctl start cups || $sudo cupsd || return 1
    else
      $sudo cupsd || return 1
    fi
    local i
    for i in $(seq 1 50); do
      lpstat -r 2>/dev/null | grep -q "is running" && break
      sleep 0.2
    done
    lpstat -r 2>/dev/null | grep -q "is running" || return 1
  fi

  local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  [ -r "$ppd" ] || ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
  [ -r "$ppd" ] || return 1

  if [ "$fresh" = 1 ]; then
    for q in $queues; do $sudo lpadmin -x "$q" >/dev/null 2>&1 || true; done
  fi

  # The raw queues' driver takes PDF as it is and has margins of 20, 10, 42 and 30
  # points (left, right, top, bottom) on A4, so that offsets are not all zero.
  local raw="$state/raw.ppd" letter="$state/letter-only.ppd" trays="$state/trays.ppd"
  local nob4="$state/no-b4.ppd"
  sed -e 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "20 30 585 800"|' "$ppd" |
    sed -e '/^\*LanguageEncoding/a *cupsFilter2: "application/pdf application/pdf 0 -"' |
    $sudo tee "$raw" >/dev/null || return 1
  grep -v -E '^\*(PageSize|PageRegion|ImageableArea|PaperDimension) A4[/:]' "$raw" |
    sed -e 's/^\*DefaultPageSize: .*/*DefaultPageSize: Letter/' \
      -e 's/^\*DefaultPageRegion: .*/*DefaultPageRegion: Letter/' \
      -e 's/^\*DefaultImageableArea: .*/*DefaultImageableArea: Letter/' \
      -e 's/^\*DefaultPaperDimension: .*/*DefaultPaperDimension: Letter/' |
    $sudo tee "$letter" >/dev/null || return 1
  grep -v -E '^\*(PageSize|PageRegion|ImageableArea|PaperDimension) JISB4[/:]' "$raw" |
    $sudo tee "$nob4" >/dev/null || return 1
  {
    cat "$raw"
    printf '%s\n' '*OpenUI *InputSlot/Media Source: PickOne' \
      '*OrderDependency: 20 AnySetup *InputSlot' '*DefaultInputSlot: Upper' \
      '*InputSlot Upper/Upper Tray: ""' '*InputSlot Tractor/Tractor Feed: ""' \
      '*CloseUI: *InputSlot'
  } | $sudo tee "$trays" >/dev/null || return 1

  kz_queue() {  # name device-uri ppd
    lpstat -p "$1" >/dev/null 2>&1 && return 0
    $sudo lpadmin -p "$1" -E -v "$2" -P "$3" -o printer-error-policy=abort-job 2>/dev/null
  }
  kz_queue kz-pdf cups-pdf:/ "$ppd" || return 1
  kz_queue kz-qtpdf "kzfile:$qtpdf_dir" "$raw" || return 1
  kz_queue kz-letter "kzfile:$qtpdf_dir" "$letter" || return 1
  kz_queue kz-nob4 "kzfile:$qtpdf_dir" "$nob4" || return 1
  kz_queue kz-trays "kzfile:$qtpdf_dir" "$trays" || return 1
  kz_queue kz-acrobat "kzfile:$qtpdf_dir" "$raw" || return 1
  kz_queue kz-reject "kzfile:$qtpdf_dir" "$raw" || return 1
  kz_queue kz-fail kzfail:/ "$raw" || return 1
  kz_queue kz-stopped "kzfile:$qtpdf_dir" "$raw" || return 1
  kz_queue kz-latefail kzlatefail:/ "$raw" || return 1
  $sudo cupsreject -r "kazenori test: this queue takes no jobs" kz-reject 2>/dev/null || return 1
  $sudo cupsdisable -r "kazenori test: stopped" kz-stopped 2>/dev/null || return 1
  unset -f kz_queue
  echo "$version" | $sudo tee "$state/version" >/dev/null
  # The tests need a default printer; keep one that is already set.
  if ! lpstat -d 2>/dev/null | grep -q "destination:"; then
    $sudo lpadmin -d kz-pdf 2>/dev/null || return 1
  fi

  # cups-pdf writes into the "Out" directory of its configuration, ${HOME}
  # being the home of the user who printed.
  local home out
  home=$(getent passwd "$(id -un)" | cut -d: -f6)
  out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
  [ -n "$out" ] || out='${HOME}/PDF'
  out="${out//\$\{HOME\}/$home}"
  mkdir -p "$out" 2>/dev/null || true

  export KAZENORI_CUPS_PDF_QUEUE=kz-pdf
  export KAZENORI_CUPS_PDF_DIR="$out"
  export KAZENORI_CUPS_QTPDF_QUEUE=kz-qtpdf
  export KAZENORI_CUPS_QTPDF_DIR="$qtpdf_dir"
  export KAZENORI_CUPS_LETTER_QUEUE=kz-letter
  export KAZENORI_CUPS_NOB4_QUEUE=kz-nob4
  export KAZENORI_CUPS_TRAYS_QUEUE=kz-trays
  export KAZENORI_CUPS_ACROBAT_QUEUE=kz-acrobat
  export KAZENORI_CUPS_REJECT_QUEUE=kz-reject
  export KAZENORI_CUPS_FAIL_QUEUE=kz-fail
  export KAZENORI_CUPS_STOPPED_QUEUE=kz-stopped
  export KAZENORI_CUPS_LATEFAIL_QUEUE=kz-latefail
  return 0
}

kz_cups_setup() {
  # Several test runs may start at once; one of them sets the server up.
  local lock=/tmp/kazenori-cups.lock rc
  if command -v flock >/dev/null 2>&1; then
    exec {kz_lock_fd}>"$lock"
    flock -w 120 "$kz_lock_fd"
    kz_cups_main
    rc=$?
    flock -u "$kz_lock_fd"
    exec {kz_lock_fd}>&-
  else
    kz_cups_main
    rc=$?
  fi
  if [ "$rc" -ne 0 ]; then
    echo "cups-test-env: could not set up the CUPS test queues; the printing tests will fail" >&2
    export KAZENORI_CUPS_SETUP_FAILED=1
  fi
}

# Sourced under `set -e`: the setup reports its own failure instead of ending the caller.
kz_cups_setup || true
unset -f kz_cups_main kz_cups_setup
