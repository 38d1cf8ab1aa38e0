#!/usr/bin/env bash
# zetodict.exe under Wine behaves as the native tool: the same bytes, the
# same dump, the same answers, LF line ends.
#   exe_test.sh WINE_RUN ZETODICT_EXE SHIPPED_DATA_DAT BUILD_DIR
set -u
RUN=$1
EXE=$2
SHIPPED=$3
BUILD=$4
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
cd "$T"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The first run through wine-run also makes the build tree's prefix.
"$RUN" "$EXE" --version >version.txt 2>&1 || fail "--version: $(cat version.txt)"
grep -qx 'zetodict [0-9.]*' version.txt || fail "--version says $(cat version.txt)"

printf 'abc\tx\n' >abc.tsv
"$RUN" "$EXE" build --from tsv abc.tsv -o abc.dat >log 2>&1 || fail "build abc: $(cat log)"
[ "$(od -An -tx1 abc.dat | tr -s ' \n' ' ')" = " 03 00 9e 9d 9c 01 00 87 " ] || fail "abc.dat: $(od -An -tx1 abc.dat)"

# wine-run mixes stdout and stderr; dump writes nothing to stderr on a good file.
"$RUN" "$EXE" dump "$SHIPPED" >shipped.tsv || fail "dump of the shipped data.dat failed"
grep -q $'\r' shipped.tsv && fail "the dump has CR line ends"
"$RUN" "$EXE" build --from tsv shipped.tsv -o rebuilt.dat >log 2>&1 || fail "rebuild: $(cat log)"
cmp -s rebuilt.dat "$SHIPPED" || fail "dump then build under Wine does not reproduce data.dat"

# Queries come on standard input, which wine-run closes; run Wine as it does.
export WINEPREFIX=$BUILD/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=bg_BG.CP1251
printf 'house\r\n(kite)\n' >q.txt
wine "$EXE" lookup "$SHIPPED" <q.txt >answers.json 2>err.txt || fail "lookup: $(cat err.txt)"
[ "$(wc -l <answers.json)" -eq 2 ] || fail "two queries gave: $(cat answers.json)"
grep -q $'\r' answers.json && fail "the answers have CR line ends"
grep -qF '{"query": "house", "result": "къща, дом, династия, камара, стопанство; помещавам, подслонявам се", "neighbours": ["house ' \
    answers.json || fail "house: $(head -1 answers.json)"
grep -qF '{"query": "(kite)", "result": "хвърчило, каня, фалшив чек, катерач; извисявам"' answers.json || fail "(kite): $(tail -1 answers.json)"

[ "$failures" -eq 0 ] || exit 1
echo "zetodict.exe behaves under Wine"
