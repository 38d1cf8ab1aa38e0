#!/usr/bin/env bash
# make-selection-set.sh - prints the selection set (data/selection-set.tsv):
# text a reader may select, and the dictionary entry Zeto should show for it.
#
#   zetodict dump data.dat > /tmp/dump.tsv
#   data/make-selection-set.sh /tmp/dump.tsv > data/selection-set.tsv
#
# Output: '#' comment lines, then one line per selection:
#   selection<TAB>expected<TAB>kind
# expected is a headword of data.dat, spelled as data.dat spells it (compare
# case-insensitively), or "-" when nothing but the selection itself as a
# whole entry may be shown (names that must not be cut into a common word).
#
# How the lines are made:
#  1. Verb + particle entries (kinds particle-s, particle-past, particle-ing,
#     particle-split), found, not listed: every two-word headword of FreeDict's
#     English-Bulgarian dictionary (first column of freedict-eng-bul.index,
#     package dict-freedict-eng-bul) whose first word is a WordNet verb
#     (/usr/share/wordnet/index.verb, package wordnet-base) and whose second
#     is a particle (PARTICLES below), that data.dat has, except the few
#     NOT_PHRASAL ones. Each entry gets two of its three inflected forms, in
#     turn (entry 1 leaves out -s, entry 2 the past, entry 3 -ing, ...; the
#     one left out stands in for a form that cannot be used). The
#     forms are made by rule, irregular ones taken from WordNet's verb.exc
#     (gave give, lying lie, stopped stop); a past only a participle could be
#     (shown) gives way to the regular one (showed), and a verb whose past is
#     its base (put, set, let, shut: verb.exc has "putting" but no past) gets
#     none. A form is left out when data.dat has it as a headword of its own
#     (lay down, the past of lie down, is an entry). The split forms of
#     transitive separable entries come from SPLIT below (entry:object:form,
#     form = s, past, ing or base), inflected by the same rules.
#  2. Exact multi-word headwords (kind phrase): PHRASES below, each kept only
#     if data.dat has it, expected = itself.
#  3.-7. Hand-written pairs "selection|expected" below: article- and
#     possessive-led selections (article), British spellings whose American
#     spelling data.dat has and the other way (british, american), hyphened,
#     closed or spaced compounds (hyphen), letters with diacritics (diacritic),
#     typographic apostrophes U+2019 (apostrophe). A pair is kept only when
#     data.dat has the expected word and - for british, american, hyphen,
#     diacritic and apostrophe - lacks the selection itself.
#  8. Names (kind name): surnames that cutting -s, -es, -er, -ing or -ed would
#     turn into a data.dat word (Heller -> hell), kept only when WordNet's
#     data.noun writes them capitalised as a noun (a proper name); expected
#     is "-", or the name when data.dat has it as a headword.
# Pairs that fail a check are left out with a note on stderr.
#
# Reads only the dump given as argument ("-" for stdin) and the files of the
# Debian packages dict-freedict-eng-bul and wordnet-base. Needs bash and awk.
set -euo pipefail

INDEX=/usr/share/dictd/freedict-eng-bul.index
WN=/usr/share/wordnet

PARTICLES="up down in out on off away back over after around round about
           through along by for into across at to upon apart aside ahead
           forward together under behind past onto"
# Two-word headwords that look like verb + particle but are not one:
# an interjection, an adjective phrase, a preposition, an adjective.
NOT_PHRASAL="down with|keen on|out of|well off"

SPLIT="blot out:it:past bottle up:it:s bring up:it:past buoy up:him:past
butter up:her:ing call up:me:past carry off:it:past cheer up:him:ing
churn out:them:s dry out:it:past fill out:it:base fuck up:it:past
give away:it:past give back:it:base give up:it:past gulp down:it:past
gun down:him:past keep away:them:base keep up:it:base kick out:him:past
lay down:it:past lay off:them:past let in:me:base let out:him:base
line up:them:past lock up:it:past make out:it:ing make up:it:past
narrow down:it:past pass on:it:base pay back:her:past pay off:it:past
pick up:it:s point out:it:past polish off:it:past pull off:it:past
pull out:it:past pull up:it:ing put aside:it:base put in:it:base
put off:it:base put on:it:base put out:it:base put up:it:base
reel off:them:past rip off:him:past send down:him:past set apart:it:base
set up:it:base shake off:it:past shake out:it:ing shore up:it:past
show off:it:ing shut down:it:base shut up:him:base snap up:them:past
stop up:it:past take in:it:past take off:it:past tear up:it:past
tell off:him:past thin out:them:past think over:it:base think up:it:past
tie up:it:past tune up:it:ing turn down:it:past
turn on:it:past turn over:it:past turn up:it:s wake up:me:past
whip out:it:past wind back:it:past wipe out:them:past write off:it:past
check in:them:past"

PHRASES="ice cream|post office|living room|by the way|of course|thank you|
good morning|in spite of|at least|swimming pool|credit card|once upon a time|
for example|washing machine|prime minister|railway station|happy birthday|
human being"

ARTICLE="the house|house  a car|car  an apple|apple  my friend|friend
your book|book  this table|table  the dog|dog  his father|father
her mother|mother  our school|school  their house|house  that man|man
these trees|tree  those books|book  the children|child  an hour|hour
an egg|egg  its name|name  some water|water  the window|window
a letter|letter  the city|city  your idea|idea  the key|key"

BRITISH="colour|color  centre|center  grey|gray  theatre|theater
defence|defense  programme|program  licence|license  analyse|analyze
realise|realize  organisation|organization  behaviour|behavior
travelled|traveled  honour|honor  offence|offense  harbour|harbor
flavour|flavor  rumour|rumor  odour|odor  recognise|recognize
apologise|apologize  judgement|judgment  manoeuvre|maneuver
encyclopaedia|encyclopedia  colours|color  realised|realize"

AMERICAN="favorite|favourite  neighbor|neighbour  catalog|catalogue
humor|humour  labor|labour  liter|litre  jewelry|jewellery
aluminum|aluminium  plow|plough  fiber|fibre  somber|sombre  cozy|cosy
mustache|moustache  neighbors|neighbour"

HYPHEN="e-mail|email  co-operate|cooperate  co-ordinate|coordinate
week-end|weekend  week end|weekend  on-line|online  web site|website
ice-cream|ice cream  no-one|no one  good-bye|goodbye  pre-school|preschool
nonsmoker|non-smoker  well known|well-known  x ray|x-ray  life-style|lifestyle
teen-ager|teenager"

DIACRITIC="café|cafe  naïve|naive  façade|facade  résumé|resume  fiancé|fiance
fiancée|fiancee  rôle|role  coöperate|cooperate  début|debut  entrée|entree
élite|elite  régime|regime  soufflé|souffle  purée|puree  séance|seance
doppelgänger|doppelganger  divorcée|divorcee  pâté|pate"

APOSTROPHE="can’t|can't  won’t|won't  isn’t|isn't  don’t|don't
doesn’t|doesn't  it’s|it's  I’m|I'm  they’re|they're  we’ve|we've
you’ll|you'll  didn’t|didn't  that’s|that's  let’s|let's  o’clock|o'clock
what’s|what's  shouldn’t|shouldn't  you’re welcome|you're welcome"

NAMES="Carter Heller Browning Harding Fielding Golding Parker Hawking Mailer
Carver Wheeler Whistler Weber Lauder Crookes Oates Townes Welles"

if [[ $# -ne 1 ]]; then
    echo "usage: make-selection-set.sh DUMP.tsv  (DUMP.tsv: zetodict dump data.dat; - for stdin)" >&2
    exit 2
fi
DUMP=$1
for f in "$INDEX" "$WN/index.verb" "$WN/verb.exc" "$WN/data.noun"; do
    if [[ ! -r $f ]]; then
        echo "make-selection-set.sh: missing $f (install dict-freedict-eng-bul and wordnet-base)" >&2
        exit 1
    fi
done
[[ $DUMP == - ]] && DUMP=/dev/stdin

# Proper names WordNet writes capitalised: "<offset> <lexfile> n <count> Name ...".
names_in_wordnet=$(for n in $NAMES; do
    grep -qE "^[0-9]+ [0-9]+ n [0-9a-f]+ $n " "$WN/data.noun" && printf '%s ' "$n"
done)

LC_ALL=C.UTF-8 awk -F'\t' \
    -v particles="$PARTICLES" -v notphrasal="$NOT_PHRASAL" -v split_list="$SPLIT" \
    -v phrases="$PHRASES" -v article="$ARTICLE" -v british="$BRITISH" \
    -v american="$AMERICAN" -v hyphen="$HYPHEN" -v diacritic="$DIACRITIC" \
    -v apostrophe="$APOSTROPHE" -v names="$NAMES" -v wnnames="$names_in_wordnet" '
function lc(s) { return tolower(s) }
function sform(v) {
    if (v == "have") return "has"
    if (v == "go" || v == "do" || v ~ /(s|x|z|ch|sh)$/) return v "es"
    if (v ~ /[^aeiou]y$/) return substr(v, 1, length(v) - 1) "ies"
    return v "s"
}
function ingform(v,    n, i, f) {
    n = split(exc[v], f, " ")
    for (i = 1; i <= n; i++) if (f[i] ~ /ing$/) return f[i]
    if (v ~ /ie$/) return substr(v, 1, length(v) - 2) "ying"
    if (v ~ /[^eoy]e$/) return substr(v, 1, length(v) - 1) "ing"
    return v "ing"
}
# The simple past; "" when it is the base itself (put, set, let, shut).
function pastform(v,    n, i, f, part, dbl, c) {
    n = split(exc[v], f, " "); part = ""; dbl = 0
    for (i = 1; i <= n; i++) {
        if (f[i] ~ /ing$/) {
            c = substr(f[i], length(f[i]) - 3, 1)
            if (c ~ /[b-df-hj-np-tv-z]/ && c == substr(f[i], length(f[i]) - 4, 1)) dbl = 1
            continue
        }
        if (f[i] == sform(v)) continue
        if (f[i] ~ /n$|ne$/) { if (part == "") part = f[i]; continue }
        return f[i]
    }
    if (dbl) return ""
    if (v ~ /e$/) return v "d"
    if (v ~ /[^aeiou]y$/) return substr(v, 1, length(v) - 1) "ied"
    return v "ed"
}
function inflect(v, form) {
    if (form == "s") return sform(v)
    if (form == "ing") return ingform(v)
    if (form == "past") return pastform(v)
    return v
}
function out(sel, want, kind) {
    if (sel == "" || (kind != "phrase" && lc(sel) == lc(want))) return
    if (kind ~ /^particle/ && (lc(sel) in hw)) return
    if ((kind "\t" lc(sel)) in done) return
    done[kind "\t" lc(sel)] = 1
    lines[++nlines] = sel "\t" want "\t" kind
    count[kind]++
}
function pairs(list, kind, mustlack,    n, i, p, a) {
    n = split(list, p, /  +|\n/)
    for (i = 1; i <= n; i++) {
        gsub(/^[ \n]+|[ \n]+$/, "", p[i]); if (p[i] == "") continue
        split(p[i], a, "|")
        if (!(lc(a[2]) in hw)) { print "left out (data.dat lacks " a[2] "): " p[i] > "/dev/stderr"; continue }
        if (mustlack && (lc(a[1]) in hw)) { print "left out (data.dat has " a[1] "): " p[i] > "/dev/stderr"; continue }
        out(a[1], hw[lc(a[2])], kind)
    }
}
FILENAME == ARGV[1] { hw[lc($1)] = $1; next }                 # the dump
FILENAME == ARGV[2] { if ($0 !~ /^ /) { split($0, w, " "); verb[w[1]] = 1 }; next } # index.verb
FILENAME == ARGV[3] { split($0, w, " "); exc[w[2]] = exc[w[2]] " " w[1]; next } # verb.exc
{   # FreeDict index: headword in column 1
    h = lc($1)
    if (split(h, w, " ") != 2 || (h in seen)) next
    seen[h] = 1
    if ((w[1] in verb) && (w[2] in particle) && !(h in notp) && (h in hw)) ent[++nent] = h
}
BEGIN {
    n = split(particles, p, /[ \n]+/); for (i = 1; i <= n; i++) if (p[i] != "") particle[p[i]] = 1
    n = split(notphrasal, p, "|"); for (i = 1; i <= n; i++) notp[p[i]] = 1
}
END {
    # 1. verb + particle
    for (i = 1; i <= nent; i++) {
        split(ent[i], w, " "); e = hw[ent[i]]; skip = (i - 1) % 3
        f[0] = sform(w[1]); f[1] = pastform(w[1]); f[2] = ingform(w[1])
        if (f[1] == "") skip = 1
        before = nlines
        if (skip != 0) out(f[0] " " w[2], e, "particle-s")
        if (skip != 1) out(f[1] " " w[2], e, "particle-past")
        if (skip != 2) out(f[2] " " w[2], e, "particle-ing")
        if (nlines - before < 2 && skip == 0) out(f[0] " " w[2], e, "particle-s")
        if (nlines - before < 2 && skip == 2) out(f[2] " " w[2], e, "particle-ing")
    }
    n = split(split_list, s, /[ \n]+(\n)?/)
    for (i = 1; i <= n; i++) {
        if (s[i] == "") continue
        # entries are two words, so rejoin "give" "up:it:past"
        if (s[i] !~ /:/) { pending = s[i]; continue }
        split(pending " " s[i], a, ":"); pending = ""
        split(a[1], w, " ")
        if (!(a[1] in hw)) { print "left out (data.dat lacks " a[1] ")" > "/dev/stderr"; continue }
        v = inflect(w[1], a[3]); if (v == "") v = w[1]
        out(v " " a[2] " " w[2], hw[a[1]], "particle-split")
    }
    # 2. phrases
    n = split(phrases, p, /\|\n?/)
    for (i = 1; i <= n; i++) {
        gsub(/^[ \n]+|[ \n]+$/, "", p[i])
        if (lc(p[i]) in hw) out(hw[lc(p[i])], hw[lc(p[i])], "phrase")
        else print "left out (data.dat lacks " p[i] ")" > "/dev/stderr"
    }
    # 3.-7.
    pairs(article, "article", 0)
    pairs(british, "british", 1)
    pairs(american, "american", 1)
    pairs(hyphen, "hyphen", 1)
    pairs(diacritic, "diacritic", 1)
    pairs(apostrophe, "apostrophe", 1)
    # 8. names
    n = split(wnnames, p, " "); for (i = 1; i <= n; i++) inwn[p[i]] = 1
    n = split(names, p, /[ \n]+/)
    for (i = 1; i <= n; i++) {
        if (p[i] == "") continue
        if (!(p[i] in inwn)) { print "left out (not a name in data.noun): " p[i] > "/dev/stderr"; continue }
        out(p[i], (lc(p[i]) in hw) ? hw[lc(p[i])] : "-", "name")
    }

    print "# Selection set: text a reader may select, and the dictionary entry that"
    print "# should be shown for it. Made by data/make-selection-set.sh from a dump of"
    print "# data.dat (zetodict dump), FreeDict English-Bulgarian (dict-freedict-eng-bul)"
    print "# and WordNet (wordnet-base); see the script for how each kind is chosen."
    print "#"
    print "# Line format: selection<TAB>expected<TAB>kind"
    print "#   expected: the data.dat headword that should be shown (case-insensitive),"
    print "#             or - when only the selection itself, whole, may be shown"
    print "#   kind: particle-s particle-past particle-ing particle-split phrase article"
    print "#         british american hyphen diacritic apostrophe name"
    printf "# Lines:"
    split("particle-s particle-past particle-ing particle-split phrase article british american hyphen diacritic apostrophe name", k, " ")
    for (i = 1; i <= 12; i++) printf " %s %d", k[i], count[k[i]]
    printf " (%d in all, from %d verb + particle entries)\n", nlines, nent
    for (i = 1; i <= nlines; i++) print lines[i]
}
' "$DUMP" "$WN/index.verb" "$WN/verb.exc" "$INDEX"
