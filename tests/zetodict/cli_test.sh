#!/usr/bin/env bash
# Black-box checks of the zetodict command line, run on the host.
#   cli_test.sh ZETODICT SHIPPED_DATA_DAT FREEDICT_INDEX
set -u
Z=$1
SHIPPED=$2
INDEX=$3
SRC=$(cd "$(dirname "$0")/../.." && pwd)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
cd "$T"
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# expect_status WANT NAME -- command...: runs the command, output in out/err.
expect_status() {
    local want=$1 name=$2; shift 3
    "$@" >out 2>err
    local got=$?
    [ "$got" -eq "$want" ] || fail "$name: exit status $got, expected $want; stderr: $(cat err)"
}
expect_err() {   # expect_err NAME TEXT: stderr of the last command holds TEXT
    grep -qF -- "$2" err || fail "$1: stderr lacks '$2': $(cat err)"
}
hex() { od -An -v -tx1 "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

# --- build writes the program's record format -----------------------------
printf 'abc\tx\n' >abc.tsv
expect_status 0 "build abc" -- "$Z" build --from tsv abc.tsv -o abc.dat
[ "$(hex abc.dat)" = "03 00 9e 9d 9c 01 00 87" ] || fail "abc.dat is $(hex abc.dat)"

# --- dump and build are inverse, byte for byte ----------------------------
expect_status 0 "dump shipped" -- "$Z" dump "$SHIPPED"
mv out shipped.tsv
expect_status 0 "rebuild shipped" -- "$Z" build --from tsv shipped.tsv -o rebuilt.dat
cmp -s rebuilt.dat "$SHIPPED" || fail "dump then build does not reproduce the shipped data.dat"

# Texts with tab, CR, backslashes, Windows-1251, the unassigned byte 98, W = 0.
printf '\x04\x00\x9e\xf6\x9d\x67\x06\x00\xf2\xa3\xa3\x03\x2b\x87\x00\x00\x01\x00\xa3' >odd.dat
expect_status 0 "dump odd" -- "$Z" dump odd.dat
[ "$(cat out)" = "$(printf 'a\\tb\xc2\x98\t\\r\\\\\\\\\xd1\x8c\xd0\xa4x\n\t\\\\')" ] || fail "odd dump: $(cat out)"
mv out odd.tsv
expect_status 0 "rebuild odd" -- "$Z" build --from tsv odd.tsv -o odd2.dat
cmp -s odd.dat odd2.dat || fail "odd.dat does not come back: $(hex odd2.dat)"

printf 'line\tfirst\\r\\nsecond\\there\r\n\nback\\\\slash\tкъ\xcc\x81ща\n' >crlf.tsv
expect_status 0 "build escapes" -- "$Z" build --from tsv crlf.tsv -o crlf.dat
expect_status 0 "dump escapes" -- "$Z" dump crlf.dat
[ "$(cat out)" = "$(printf 'line\tfirst\\r\\nsecond\\there\nback\\\\slash\tкъща')" ] || fail "escapes: $(cat out)"

# Several TSV inputs follow one another.
printf 'one\tедно\n' >one.tsv
printf 'two\tдве\n' >two.tsv
expect_status 0 "build two inputs" -- "$Z" build --from tsv one.tsv two.tsv -o both.dat
"$Z" build --from tsv one.tsv -o one.dat && "$Z" build --from tsv two.tsv -o two.dat && cat one.dat two.dat >joined.dat
cmp -s both.dat joined.dat || fail "two inputs are not written one after the other"

# A small dictd dictionary with a plain .dict: entries of one headword merge
# under the spelling of the index word, the database information is left out.
b64() {   # dictd's base-64 number
    local n=$1 digits=ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/ out=""
    while :; do out=${digits:$((n % 64)):1}$out; n=$((n / 64)); [ "$n" -eq 0 ] && break; done
    printf '%s' "$out"
}
e0=$'00-database-info\nmade by hand\n'
e1=$'House //haʊs// <n>\n1. къ\u0301ща, дом 2.\nbuilding\n 3.\na family\n2. дом\nhome\n'
e2=$'house <v>\nподслонявам\nto shelter\n'
printf '%s%s%s' "$e0" "$e1" "$e2" >small.dict
l0=$(printf '%s' "$e0" | wc -c); l1=$(printf '%s' "$e1" | wc -c); l2=$(printf '%s' "$e2" | wc -c)
printf '00databaseinfo\tA\t%s\nhouse\t%s\t%s\nhouse\t%s\t%s\n' "$(b64 "$l0")" "$(b64 "$l0")" "$(b64 "$l1")" \
    "$(b64 $((l0 + l1)))" "$(b64 "$l2")" >small.index
expect_status 0 "build small dictd" -- "$Z" build --from dictd small.index -o small.dat
expect_status 0 "dump small dictd" -- "$Z" dump small.dat
[ "$(cat out)" = "$(printf 'house\tкъща, дом; подслонявам')" ] || fail "small dictd: $(cat out)"
printf 'house\tAA\tZZZZ\n' >past.index
cp small.dict past.dict
expect_status 1 "dictd entry past the end" -- "$Z" build --from dictd past.index -o past.dat
expect_err "dictd entry past the end" "past.index line 1"

# Ranked through a pivot language: German reaches дом, which goes first; the
# explanation shows why, and the panel of the quality command judges it.
e_en=$'house /h/\nHeim <neut> [Br.]\n'
e_de=$'heim\nдом\n'
printf '%s' "$e_en" >freedict-eng-deu.dict
printf '%s' "$e_de" >freedict-deu-bul.dict
printf 'house\tA\t%s\n' "$(b64 "$(printf '%s' "$e_en" | wc -c)")" >freedict-eng-deu.index
printf 'heim\tA\t%s\n' "$(b64 "$(printf '%s' "$e_de" | wc -c)")" >freedict-deu-bul.index
expect_status 0 "build ranked" -- "$Z" build --from dictd small.index --pivot freedict-eng-deu.index freedict-deu-bul.index -o ranked.dat
[ "$("$Z" dump ranked.dat)" = "$(printf 'house\tдом, къща; подслонявам')" ] || fail "ranked: $("$Z" dump ranked.dat)"
expect_status 0 "explain" -- "$Z" explain small.index --pivot freedict-eng-deu.index freedict-deu-bul.index house
[ "$(cat out)" = "$(printf 'house\n  <n>\n    дом  1: deu\n    къща  0\n  <v>\n    подслонявам  0')" ] || fail "explain: $(cat out)"
printf '# judged\nhouse\tкъща\n' >panel.tsv
expect_status 0 "quality" -- "$Z" quality panel.tsv ranked.dat
grep -qx 'first word right: 0 (0.0%)' out && grep -qx 'accepted within the first 80 characters: 1 (100.0%)' out \
    || fail "quality: $(cat out)"
printf 'house\n' >panel.tsv
expect_status 1 "quality panel without accepted words" -- "$Z" quality panel.tsv ranked.dat
expect_err "quality panel without accepted words" "panel.tsv line 1"
printf 'house\tA\n' >freedict-deu-bul.index
expect_status 1 "malformed pivot" -- "$Z" build --from dictd small.index --pivot freedict-eng-deu.index freedict-deu-bul.index -o x.dat
expect_err "malformed pivot" "freedict-deu-bul.index line 1"

# --- the shipped dictionary: one record per FreeDict headword, then ours ---
# A supplement word FreeDict has goes in front of FreeDict's own record.
headwords=$(cut -f1 "$INDEX" | grep -v '^00database' | sort -u | wc -l)
"$Z" build --from dictd "$INDEX" -o freedict.dat 2>/dev/null && "$Z" dump freedict.dat | cut -f1 | tr A-Z a-z | sort -u >freedict-words
awk -F'\t' 'NR == FNR { have[$1]; next } !(tolower($1) in have)' freedict-words "$SRC/data/supplement.tsv" >added.tsv
awk -F'\t' 'NR == FNR { have[$1]; next } tolower($1) in have' freedict-words "$SRC/data/supplement.tsv" >front.tsv
records=$(wc -l <shipped.tsv)
[ "$headwords" -gt 28000 ] || fail "only $headwords headwords in $INDEX"
[ "$records" -eq $((headwords + $(wc -l <added.tsv))) ] \
    || fail "data.dat has $records records for $headwords headwords and $(wc -l <added.tsv) added words"
[ "$(tail -n "$(wc -l <added.tsv)" shipped.tsv)" = "$(cat added.tsv)" ] \
    || fail "the supplement's new words do not follow FreeDict's records unchanged"
while IFS=$'\t' read -r word translation; do
    grep -qF "$(printf '%s\t%s; ' "$word" "$translation")" shipped.tsv || fail "$word: the supplement is not in front"
done <front.tsv
printf 'house\nwater\nquickly\nHouse,\n' >q.txt
expect_status 0 "lookup shipped" -- "$Z" lookup "$SHIPPED" <q.txt
[ "$(wc -l <out)" -eq 4 ] || fail "4 queries gave $(wc -l <out) lines"
grep -qF '{"query": "house", "result": "къща, дом, династия, камара, стопанство; помещавам, подслонявам се", ' out \
    || fail "house: $(sed -n 1p out)"
sed -n 2p out | grep -q '"result": "вода[,;]' || fail "water: $(sed -n 2p out)"
sed -n 3p out | grep -q '"result": "бързо' || fail "quickly: $(sed -n 3p out)"
sed -n 4p out | grep -q '"result": "къща' || fail "House,: $(sed -n 4p out)"

# --- lookup follows the lookup rules, neighbours included -----------------
printf '%s\n' 'apple	ябълка' 'jam	конфитюр' 'kite	хвърчило' 'table	маса' 'abase	унижавам' \
    'Abbey	абатство' 'abbey	абатство 2' 'Abbot	игумен' 'ice-cream	сладолед' 'caf	кафене' 'bee	пчела' \
    'cat	котка' 'dog	куче' 'egg	яйце' 'fig	смокиня' 'gum	дъвка' >base.tsv
printf '%s\n' 'kite	хвърчило (лично)' 'apple	ябълка (лично)' >user.tsv
"$Z" build --from tsv base.tsv -o data.dat && "$Z" build --from tsv user.tsv -o NewData.dat \
    || fail "cannot build the lookup fixtures"
printf '\nTABLE\napple\napple,\nkite\nKite\n(jam)\nnothing\n123\ncaf\xd0\xb9\nice-cream\nabbot\njam\r\n' >queries.txt
expect_status 0 "lookup rules" -- "$Z" lookup data.dat NewData.dat <queries.txt
cat >expected.jsonl <<'JSON'
{"query": "", "result": "Няма такава дума в БД!", "neighbours": ["", "", "", "", "", "", "", "", "", ""]}
{"query": "TABLE", "result": "маса", "neighbours": ["table    ", "abase    ", "Abbey    ", "Abbot    ", "ice-cream", "caf      ", "bee      ", "cat      ", "dog      ", "egg      "]}
{"query": "apple", "result": "ябълка", "neighbours": ["apple    ", "jam      ", "kite     ", "table    ", "abase    ", "Abbey    ", "Abbot    ", "ice-cream", "caf      ", "bee      "]}
{"query": "apple,", "result": "ябълка (лично)", "neighbours": ["apple    ", "jam      ", "kite     ", "table    ", "abase    ", "Abbey    ", "Abbot    ", "ice-cream", "caf      ", "bee      "]}
{"query": "kite", "result": "хвърчило (лично)", "neighbours": ["apple    ", "jam      ", "kite     ", "table    ", "abase    ", "Abbey    ", "Abbot    ", "ice-cream", "caf      ", "bee      "]}
{"query": "Kite", "result": "хвърчило (лично)", "neighbours": ["apple    ", "jam      ", "kite     ", "table    ", "abase    ", "Abbey    ", "Abbot    ", "ice-cream", "caf      ", "bee      "]}
{"query": "(jam)", "result": "конфитюр", "neighbours": ["jam      ", "kite     ", "table    ", "abase    ", "Abbey    ", "Abbot    ", "ice-cream", "caf      ", "bee      ", "cat      "]}
{"query": "nothing", "result": "Няма такава дума", "neighbours": ["jam      ", "kite     ", "table    ", "abase    ", "Abbey    ", "Abbot    ", "ice-cream", "caf      ", "bee      ", "cat      "]}
{"query": "123", "result": "Няма такава дума", "neighbours": ["jam      ", "kite     ", "table    ", "abase    ", "Abbey    ", "Abbot    ", "ice-cream", "caf      ", "bee      ", "cat      "]}
{"query": "cafй", "result": "кафене", "neighbours": ["jam      ", "kite     ", "table    ", "abase    ", "Abbey    ", "Abbot    ", "ice-cream", "caf      ", "bee      ", "cat      "]}
{"query": "ice-cream", "result": "сладолед", "neighbours": ["jam      ", "kite     ", "table    ", "abase    ", "Abbey    ", "Abbot    ", "ice-cream", "caf      ", "bee      ", "cat      "]}
{"query": "abbot", "result": "игумен", "neighbours": ["Abbot    ", "ice-cream", "caf      ", "bee      ", "cat      ", "dog      ", "egg      ", "fig      ", "gum      ", "kite     "]}
{"query": "jam", "result": "конфитюр", "neighbours": ["jam      ", "kite     ", "table    ", "abase    ", "Abbey    ", "Abbot    ", "ice-cream", "caf      ", "bee      ", "cat      "]}
JSON
diff expected.jsonl out >diff.txt || fail "lookup answers differ:
$(cat diff.txt)"

# A cut-short file: the whole records still answer, with a warning.
head -c $(( $(stat -c %s data.dat) - 3 )) data.dat >cut.dat
printf 'fig\ngum\n' | { "$Z" lookup cut.dat >out 2>err; echo $? >status; }
[ "$(cat status)" -eq 0 ] || fail "lookup of a cut file: status $(cat status)"
grep -q '"result": "смокиня"' out || fail "cut file: fig not found: $(cat out)"
grep -q '"result": "Няма такава дума"' out || fail "cut file: the cut record was loaded: $(cat out)"
expect_err "lookup cut" "byte $(( $(stat -c %s data.dat) - 12 ))"

# --- errors: a clear message, nothing lost --------------------------------
expect_status 2 "lookup missing file" -- "$Z" lookup data.dat missing.dat </dev/null
expect_err "lookup missing file" "missing.dat"
printf 'apple\nbad\xff\n' >badq.txt
expect_status 2 "invalid UTF-8 query" -- "$Z" lookup data.dat <badq.txt
expect_err "invalid UTF-8 query" "line 2"
expect_err "invalid UTF-8 query" "UTF-8"
[ "$(wc -l <out)" -eq 1 ] || fail "the query before the bad line was not answered"
printf '日本\n' >cjk.txt
expect_status 2 "query without a Windows-1251 form" -- "$Z" lookup data.dat <cjk.txt
expect_err "query without a Windows-1251 form" "line 1"

cp abc.dat cut2.dat && printf '\x05\x00\x9e' >>cut2.dat
expect_status 1 "dump truncated" -- "$Z" dump cut2.dat
expect_err "dump truncated" "byte 8"
[ "$(cat out)" = "$(printf 'abc\tx')" ] || fail "dump truncated: whole records not shown: $(cat out)"
printf 'hello world, this is no dictionary\n' >garbage.dat
expect_status 1 "dump garbage" -- "$Z" dump garbage.dat
expect_err "dump garbage" "byte 0"
expect_status 2 "dump missing" -- "$Z" dump missing.dat
expect_err "dump missing" "missing.dat"
printf '\x02\x00\x9e\xff\x01\x00\x87' >nul.dat
expect_status 1 "dump NUL" -- "$Z" dump nul.dat
expect_err "dump NUL" "byte 0"

cp abc.dat keep.dat
printf 'good\tline\nno tab here\n' >notab.tsv
expect_status 1 "tsv without tab" -- "$Z" build --from tsv notab.tsv -o keep.dat
expect_err "tsv without tab" "notab.tsv line 2"
printf 'a\tb\tc\n' >twotabs.tsv
expect_status 1 "tsv with two tabs" -- "$Z" build --from tsv twotabs.tsv -o keep.dat
expect_err "tsv with two tabs" "line 1"
printf 'C:\\dir\tпапка\n' >escape.tsv
expect_status 1 "tsv bad escape" -- "$Z" build --from tsv escape.tsv -o keep.dat
expect_err "tsv bad escape" "line 1"
printf 'ok\tfine\nw\t%s\n' "$(head -c 65536 /dev/zero | tr '\0' 'x')" >long.tsv
expect_status 1 "text over 65535 bytes" -- "$Z" build --from tsv long.tsv -o keep.dat
expect_err "text over 65535 bytes" "long.tsv line 2"
expect_err "text over 65535 bytes" "65535"
printf 'ok\t%s\n' "$(head -c 65535 /dev/zero | tr '\0' 'x')" >max.tsv
expect_status 0 "text of 65535 bytes" -- "$Z" build --from tsv max.tsv -o max.dat
[ "$(stat -c %s max.dat)" -eq $((4 + 2 + 65535)) ] || fail "max.dat has the wrong size"
printf 'bad\xc3\tutf8\n' >badutf.tsv
expect_status 1 "tsv invalid UTF-8" -- "$Z" build --from tsv badutf.tsv -o keep.dat
expect_err "tsv invalid UTF-8" "line 1"
cmp -s keep.dat abc.dat || fail "a refused build changed the existing output file"
[ ! -e keep.dat.part ] || fail "a refused build left keep.dat.part behind"
printf 'emoji\t😀 ok\n' >emoji.tsv
expect_status 0 "unmapped characters" -- "$Z" build --from tsv emoji.tsv -o emoji.dat
expect_err "unmapped characters" "1 character"
expect_status 2 "build missing input" -- "$Z" build --from tsv missing.tsv -o x.dat
expect_err "build missing input" "missing.tsv"
expect_status 2 "build unknown format" -- "$Z" build --from csv abc.tsv -o x.dat
expect_err "build unknown format" "usage"
expect_status 2 "unknown command" -- "$Z" frobnicate
expect_status 2 "dictd missing" -- "$Z" build --from dictd nowhere.index -o x.dat
expect_err "dictd missing" "nowhere.index"

# --- base forms: forms.dat, lookup --forms and coverage --------------------
printf 'children child\nran run\n' >noun.exc
printf '  1 licence text above the entries\nwoman n 2 1 @ 2 0 10787470\nhuman n 1 0\nman_of_war n 1 0\n' >index.noun
expect_status 0 "forms" -- "$Z" forms noun.exc --men-plurals index.noun -o forms.dat
printf 'house\tкъща\nchild\tдете\nthe\tчлен\nwoman\tжена\n' >forms.tsv
"$Z" build --from tsv forms.tsv -o fd.dat || fail "cannot build the base-form fixture"
printf 'a\tчлен\nHouse\tдом\n' >supplement.tsv
expect_status 0 "supplement in front" -- "$Z" build --from tsv forms.tsv --supplement supplement.tsv -o s.dat
"$Z" dump s.dat >out
[ "$(sed -n '1p;$p' out)" = "$(printf 'house\tдом; къща\na\tчлен')" ] || fail "supplement in front: $(cat out)"
printf 'a\tчлен\nA\tедин\n' >supplement.tsv
rm s.dat
expect_status 1 "supplement repeats a word" -- "$Z" build --from tsv forms.tsv --supplement supplement.tsv -o s.dat
expect_err "supplement repeats a word" 'supplement.tsv line 2: the supplement holds the word "A" twice'
[ ! -e s.dat ] || fail "a refused supplement still wrote s.dat"
printf 'houses\nchildren\nthe\nmice\nwomen\n' >q.txt
expect_status 0 "lookup --forms" -- "$Z" lookup --forms fd.dat <q.txt
grep -qF '{"query": "houses", "result": "house: къща", "form": "house", ' out || fail "houses: $(sed -n 1p out)"
sed -n 2p out | grep -qF '"result": "child: дете", "form": "child"' || fail "children: $(sed -n 2p out)"
sed -n 3p out | grep -qF '"result": "член", "form": null' || fail "the: $(sed -n 3p out)"
sed -n 4p out | grep -qF '"result": "Няма такава дума", "form": null' || fail "mice: $(sed -n 4p out)"
sed -n 5p out | grep -qF '"result": "woman: жена", "form": "woman"' || fail "women: $(sed -n 5p out)"
echo 'The children'"'"'s houses, the mice, Mice.' >text.txt
expect_status 0 "coverage --forms" -- "$Z" coverage --forms fd.dat <text.txt
[ "$(sed -n 2p out)" = "answered: 4 (66.7%)" ] || fail "coverage --forms: $(cat out)"
grep -qx 'most frequent misses: mice 2' out || fail "coverage misses: $(cat out)"
expect_status 0 "coverage plain" -- "$Z" coverage fd.dat <text.txt
[ "$(sed -n 2p out)" = "answered: 2 (33.3%)" ] || fail "coverage plain: $(cat out)"
# WordNet's sense counts rank the readings of a form that is a word of its own.
printf 'saw see\nground grind\n' >verb.exc
printf 'see%%2:39:00:: 1 90\nsaw%%1:06:00:: 1 2\nground%%1:17:00:: 1 40\ngrind%%2:35:00:: 1 9\n' >cntlist.rev
expect_status 0 "forms ranked" -- "$Z" forms verb.exc --sense-counts cntlist.rev -o ranked-forms.dat
grep -qx 'saw see saw' ranked-forms.dat && grep -qx 'ground grind' ranked-forms.dat || fail "ranked forms: $(cat ranked-forms.dat)"
mkdir ranked && mv ranked-forms.dat ranked/forms.dat
printf 'saw\tтрион\nsee\tвиждам\nground\tземя\ngrind\tмеля\n' >ranked.tsv
"$Z" build --from tsv ranked.tsv -o ranked/r.dat
printf 'saw\nground\n' | "$Z" lookup --forms ranked/r.dat >out
grep -qF '"result": "see: виждам | saw: трион", "form": "see"' out \
    && grep -qF '"result": "ground: земя | grind: меля", "form": null' out || fail "readings: $(cat out)"
rm forms.dat
expect_status 0 "lookup --forms without forms.dat" -- "$Z" lookup --forms fd.dat <q.txt
expect_err "lookup --forms without forms.dat" "forms.dat is missing"
sed -n 2p out | grep -qF '"form": null' || fail "children without forms.dat: $(sed -n 2p out)"

# --- version from the one place it lives ----------------------------------
version=$(sed -n 's/^project(Wordlumo VERSION \([0-9.]*\).*/\1/p' "$SRC/CMakeLists.txt")
expect_status 0 "version" -- "$Z" --version
[ "$(cat out)" = "zetodict $version" ] || fail "--version says '$(cat out)', the project is $version"

# --- pronunciations: pron.dat from FreeDict's headlines ----------------------
expect_status 0 "pronunciations" -- "$Z" pronunciations "$INDEX" -o pron.dat
grep -qx "$(printf 'house\tn\thaʊs\tv\thaʊz')" pron.dat || fail "house in pron.dat: $(grep -a '^house' pron.dat)"
grep -qx "$(printf 'brother-in-law\tn\t.*')" pron.dat || fail "brother-in-law is not spelled as data.dat spells it"
expect_status 2 "pronunciations usage" -- "$Z" pronunciations -o pron.dat
expect_err "pronunciations usage" "usage"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all zetodict checks passed"
