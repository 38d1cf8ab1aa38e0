#!/usr/bin/env bash
# zetodict lookup on a fixed dictionary and fixed queries prints exactly
# expected.jsonl: Zeto's own messages and Cyrillic translations. The GCC
# tree and the clang tree both compare against this one file, so the two
# compilers print the same bytes.
#   lookup_test.sh ZETODICT
set -u
Z=$1
HERE=$(cd "$(dirname "$0")" && pwd)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT

"$Z" build --from tsv "$HERE/words.tsv" -o "$T/words.dat" >"$T/err" 2>&1 \
    || { echo "FAIL: zetodict build: $(cat "$T/err")" >&2; exit 1; }
"$Z" lookup "$T/words.dat" <"$HERE/queries.txt" >"$T/out" 2>"$T/err" \
    || { echo "FAIL: zetodict lookup: $(cat "$T/err")" >&2; exit 1; }
if ! cmp -s "$HERE/expected.jsonl" "$T/out"; then
    echo "FAIL: zetodict lookup printed other bytes than expected.jsonl:" >&2
    diff "$HERE/expected.jsonl" "$T/out" >&2
    exit 1
fi
echo "zetodict lookup prints expected.jsonl byte for byte"
