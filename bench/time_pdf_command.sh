#!/usr/bin/env bash
# Times the whole `velmar --pdf` process for a 70-sheet invoice from outside and, beside
# it, a bare Qt program that only opens a PDF writer and draws 34 pages of text.
# Usage: bench/time_pdf_command.sh [build folder]   (needs hyperfine and pdfinfo)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

number=$("$build/bench/pdf_command_fixture")
"$build/velmar" --pdf "$number" "$work/invoice.pdf"
"$build/bench/qt_pdf_baseline" "$work/bare.pdf"
echo "invoice $number: $(pdfinfo "$work/invoice.pdf" | awk '/^Pages:/ {print $2}') pages;" \
     "bare Qt: $(pdfinfo "$work/bare.pdf" | awk '/^Pages:/ {print $2}') pages"

hyperfine --warmup 3 --runs "${RUNS:-20}" --export-json "$work/times.json" \
  -n "velmar --pdf" "'$build/velmar' --pdf $number '$work/invoice.pdf'" \
  -n "bare Qt, 34 pages" "'$build/bench/qt_pdf_baseline' '$work/bare.pdf'"
python3 - "$work/times.json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
medians = {r["command"]: r["median"] * 1000 for r in results}
for name, ms in medians.items():
    print(f"median {name}: {ms:.1f} ms")
a, b = medians["velmar --pdf"], medians["bare Qt, 34 pages"]
print(f"ratio: {a / b:.2f}")
PY
