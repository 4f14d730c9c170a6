#!/usr/bin/env bash
# Prints a page (a month's time sheet, the year's account) through Wine onto
# the CUPS queue PDF (scripts/print-server.sh) and reads the page back:
#   print_e2e.sh WINE_DIR TEST_PROGRAM OUT_DIR TEST_NAME
# The Windows test PrintE2ETest.TEST_NAME says which texts the page must
# carry, line by line; this script checks them in the PDF's text, finds no
# placeholder left, and renders the page to OUT_DIR/page.png to be looked at.
# Exit 77 (a skip for ctest) when no print server with that queue runs.
set -u
wine_dir=$1
program=$2
out=$3
test_name=$4
root=$(cd "$(dirname "$0")/../.." && pwd)
queue=PDF
timeout=60

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*" >&2; exit 1; }

lpstat -r 2>/dev/null | grep -q 'is running' || skip "no CUPS scheduler runs (scripts/print-server.sh start)"
[ "$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')" = "$queue" ] ||
  skip "the CUPS queue $queue is not the default printer (scripts/print-server.sh start)"
pdf_dir=$("$root/scripts/print-server.sh" outdir)

rm -rf "$out"
mkdir -p "$out"
touch "$out/started"
started=$(date +%s%N)

# Into a file: Wine's helper processes would keep a pipe open.
HORALO_PRINT_E2E=1 HORALO_PRINT_E2E_EXPECT="Z:$out/expected.txt" \
  "$root/scripts/wine-exec.sh" "$wine_dir" "$program" --gtest_filter="PrintE2ETest.$test_name" >"$out/test.log" 2>&1
status=$?
cat "$out/test.log"
[ "$status" -eq 0 ] || fail "the Windows test failed"
grep -q '^\[  SKIPPED \]' "$out/test.log" && fail "the Windows test skipped itself"
grep -q '^\[  PASSED  \] 1 test' "$out/test.log" || fail "the Windows test did not run"
[ -s "$out/expected.txt" ] || fail "the Windows test wrote no expected texts"

# cups-pdf writes the file while Ghostscript runs: it is whole once the
# queue holds no job any more.
pdf=""
deadline=$(($(date +%s) + timeout))
while [ "$(date +%s)" -lt "$deadline" ]; do
  [ -z "$pdf" ] && pdf=$(find "$pdf_dir" -maxdepth 1 -name '*.pdf' -newer "$out/started" 2>/dev/null | head -n 1)
  [ -n "$pdf" ] && [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] && break
  sleep 0.2
done
[ -n "$pdf" ] || fail "no new PDF in $pdf_dir after ${timeout} s (see /var/log/cups/error_log and cups-pdf-${queue}_log)"
[ -z "$(lpstat -o "$queue" 2>/dev/null)" ] || fail "the job is still in the queue after ${timeout} s"
# Ours now: kept beside the other results, not piling up in the home folder.
mv "$pdf" "$out/page.pdf"
elapsed=$((($(date +%s%N) - started) / 1000000))
echo "printed in $((elapsed / 1000)).$(printf %03d $((elapsed % 1000))) s: $pdf (moved to $out/page.pdf)"

info=$(pdfinfo "$out/page.pdf")
pages=$(sed -n 's/^Pages:[[:space:]]*//p' <<<"$info")
[ "$pages" = 1 ] || fail "the page took $pages pages, not one"
# The document name the program gives the job (print_page.h) becomes the title.
title=$(sed -n 's/^Title:[[:space:]]*//p' <<<"$info")
[ "$title" = "Pellwick Horalo" ] || fail "the document is called \"$title\", not \"Pellwick Horalo\""
pdftotext -layout "$out/page.pdf" "$out/page.txt" || fail "pdftotext could not read the PDF"
pdftoppm -r 60 -png -singlefile "$out/page.pdf" "$out/page" || fail "pdftoppm could not render the PDF"
echo "page: $out/page.png"

# Every line of expected.txt on one line of the page, its tab-separated
# texts in that order from left to right.
missing=$(awk '
  FNR == NR { want[++wanted] = $0; next }
  { page[++lines] = $0 }
  END {
    for (w = 1; w <= wanted; ++w) {
      parts = split(want[w], text, "\t")
      found = 0
      for (l = 1; l <= lines && !found; ++l) {
        rest = page[l]
        ok = 1
        for (p = 1; p <= parts && ok; ++p) {
          at = index(rest, text[p])
          if (at == 0) ok = 0
          else rest = substr(rest, at + length(text[p]))
        }
        found = ok
      }
      if (!found) { gsub("\t", " | ", want[w]); print "  " want[w] }
    }
  }' "$out/expected.txt" "$out/page.txt")
[ -z "$missing" ] || fail "not on the page (see $out/page.txt):
$missing"
if grep -n '#' "$out/page.txt"; then fail "placeholder text left on the page"; fi
echo "all $(wc -l <"$out/expected.txt") expected lines are on the page"
