#!/usr/bin/env bash
# make-quality-panel.sh - chooses the English words of the quality panel
# (data/quality-panel.tsv) and prints them, one per line, in panel order.
#
# The words are chosen by frequency only, never by how well the dictionary
# translates them:
#   1. The English texts Debian ships that `./wordlumo coverage` counts are
#      read: "A Brief History of Debian" (package debian-history,
#      project-history.en.txt.gz), the fortunes collections `literature` and
#      `wisdom` (package fortunes) and the GNU GPL, version 3 (base-files,
#      /usr/share/common-licenses/GPL-3).
#   2. They are cut into words of ASCII letters (anything else, apostrophes
#      included, separates words: "don't" gives "don" and "t"), lower-cased
#      and counted.
#   3. A word is kept only when FreeDict's English-Bulgarian dictionary
#      (package dict-freedict-eng-bul) has it as a headword: the first
#      tab-separated column of freedict-eng-bul.index, compared
#      case-insensitively. Words only our supplement has are left out.
#      One- and two-letter words are kept only when they are real English
#      words (the short list below), never letters, abbreviations or
#      version-number fragments (x, r, os, st, mr, ...).
#   4. The 200 most frequent such words are taken, most frequent first (ties
#      in alphabetical order).
#   5. Words readers meet constantly (EXTRA below) are appended, in the order
#      given, when they are not already among the 200 - still only if they
#      are FreeDict headwords.
#
# Needs only bash, coreutils, gzip, grep and awk, and the Debian packages
# debian-history, fortunes and dict-freedict-eng-bul.
#
# Usage: data/make-quality-panel.sh [--counts]
#   --counts  print "word<TAB>count" instead of the bare word
set -euo pipefail

TOP=200
EXTRA=(mother friend go slow house life thing may can must saw felt found fell
       left lay best thought breathe drunk)
# Real English words of one or two letters (kept only if FreeDict has them).
SHORT_WORDS=" a i ad am an as at be by do ex go ha he hi if in is it me my no of
              oh ok on or ox so to up us we "

INDEX=/usr/share/dictd/freedict-eng-bul.index
HISTORY=/usr/share/doc/debian-history/docs/project-history.en.txt.gz
[[ -e $HISTORY ]] || HISTORY=/usr/share/doc/debian-history/project-history.en.txt.gz
TEXTS=("$HISTORY"
       /usr/share/games/fortunes/literature
       /usr/share/games/fortunes/wisdom
       /usr/share/common-licenses/GPL-3)

counts=0
[[ ${1-} == --counts ]] && counts=1

for f in "$INDEX" "${TEXTS[@]}"; do
    if [[ ! -r $f ]]; then
        echo "make-quality-panel.sh: missing $f (install debian-history," \
             "fortunes and dict-freedict-eng-bul)" >&2
        exit 1
    fi
done

# Word counts of the texts: "count word", most frequent first, ties by word.
# Only ASCII letters make words, on purpose.
# shellcheck disable=SC2018,SC2019
frequencies() {
    zcat -f "${TEXTS[@]}" \
        | LC_ALL=C tr -cs 'A-Za-z' '\n' \
        | LC_ALL=C tr 'A-Z' 'a-z' \
        | grep -v '^$' \
        | LC_ALL=C sort | uniq -c \
        | LC_ALL=C sort -k1,1nr -k2,2
}

LC_ALL=C awk -v top="$TOP" -v extra="${EXTRA[*]}" -v short="$SHORT_WORDS" \
        -v counts="$counts" -v index_file="$INDEX" '
    BEGIN {
        FS = "\t"
        while ((getline line < index_file) > 0) {
            split(line, col, "\t")
            headword[tolower(col[1])] = 1
        }
        close(index_file)
        n = split(short, s, /[ \t\n]+/)
        for (i = 1; i <= n; i++) if (s[i] != "") real_short[s[i]] = 1
        FS = " "
    }
    function wanted(w) {
        return (w in headword) && (length(w) > 2 || (w in real_short))
    }
    function out(w, c) {
        if (counts) print w "\t" c; else print w
    }
    {
        freq[$2] = $1
        if (taken < top && wanted($2)) { out($2, $1); chosen[$2] = 1; taken++ }
    }
    END {
        n = split(extra, e, " ")
        for (i = 1; i <= n; i++)
            if (!(e[i] in chosen) && wanted(e[i])) {
                out(e[i], (e[i] in freq) ? freq[e[i]] : 0)
                chosen[e[i]] = 1
            }
    }' < <(frequencies)
