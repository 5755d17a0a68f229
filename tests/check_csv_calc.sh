#!/usr/bin/env bash
# LibreOffice Calc reads the journal's CSV export as it was written: accents, quotes, commas and
# line breaks in their cells, and the formula-like cells as text, never as formulas. Calc is
# asked for UTF-8 (its headless import does not read the byte-order mark); skipped without Calc.
# usage: check_csv_calc.sh path/to/journal_probe
set -eu
command -v soffice >/dev/null && [ -e /usr/lib/libreoffice/program/libsclo.so ] ||
    { echo "SKIP: no LibreOffice Calc"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" "$work/journal.sqlite" "$work/journal.csv"
HOME=$work soffice --headless "-env:UserInstallation=file://$work/profile" \
    --infilter="CSV:44,34,76,1" --convert-to xlsx --outdir "$work" "$work/journal.csv" >/dev/null 2>&1
python3 - "$work/journal.xlsx" <<'PY'
import html, re, sys, zipfile
book = zipfile.ZipFile(sys.argv[1])
strings = [html.unescape(s) for s in
           re.findall(r"<t[^>]*>(.*?)</t>", book.read("xl/sharedStrings.xml").decode(), re.S)]
sheet = book.read("xl/worksheets/sheet1.xml").decode()
expected = ["L'énergie reviendra-t-elle ? «oui», dit-il",
            'Première ligne\nDeuxième, "citée"\nça déjà', "'=1+1", "'@SUM(A1)"]
missing = [text for text in expected if text not in strings]
if missing or "<f>" in sheet:
    sys.exit(f"FAIL: Calc read {strings}, formulas: {'<f>' in sheet}")
print("PASS: Calc reads every cell as written")
PY
