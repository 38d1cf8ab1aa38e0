#!/usr/bin/env bash
# Checks on the built files: Tapwire.dll exports its four functions under
# their plain names, has the 12-byte shared ".ZETO" section (zero, with the
# three words in order) and imports from kernel32 and user32 only; Zeto.exe
# imports SetTapwire, ClearTapwire and ClearLButtonHook from Tapwire.dll.
#   check_binaries.sh <objdump> <Tapwire.dll> <Zeto.exe>
set -u
objdump=$1 dll=$2 exe=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }

# The names listed in the export table of a PE file.
exports() { "$objdump" -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] //p'; }
# The DLLs a PE file imports from, one per line.
imported_dlls() { "$objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
# The functions a PE file imports from one DLL.
imports_from() {
    "$objdump" -p "$1" | awk -v dll="$2" '
        /DLL Name:/ { inside = (tolower($3) == tolower(dll)); next }
        inside && /^\s*$/ { inside = 0 }
        inside && $1 ~ /^[0-9a-f]+$/ && NF >= 3 { print $3 }'
}

[ -f "$dll" ] || { echo "FAIL: $dll missing"; exit 1; }
[ -f "$exe" ] || { echo "FAIL: $exe missing"; exit 1; }

got=$(exports "$dll" | sort | tr '\n' ' ')
want="ClearLButtonHook ClearTapwire SetLButtonHook SetTapwire "
[ "$got" = "$want" ] && pass "Tapwire.dll exports exactly: $got" || fail "Tapwire.dll exports '$got', want '$want'"

# objdump -h: "Idx Name Size VMA LMA FileOff Algn", then a line of flags.
section=$("$objdump" -h "$dll" | grep -A1 -E '^\s*[0-9]+ \.ZETO\s')
if [ -z "$section" ]; then
    fail "no .ZETO section"
else
    size=$(echo "$section" | head -1 | awk '{print $3}')
    flags=$(echo "$section" | tail -1)
    [ "$((16#$size))" -eq 12 ] && pass ".ZETO is 12 bytes" || fail ".ZETO is $((16#$size)) bytes"
    echo "$flags" | grep -q SHARED && pass ".ZETO is shared" || fail ".ZETO flags: $flags"
    echo "$flags" | grep -q DATA && ! echo "$flags" | grep -qE 'READONLY|CODE' \
        && pass ".ZETO is writable data" || fail ".ZETO flags: $flags"
    bytes=$("$objdump" -s -j .ZETO "$dll" | sed -n 's/^ [0-9a-f]\{4,\} \(\([0-9a-f]\{8\} \)\{1,4\}\).*/\1/p' | tr -d ' \n')
    [ "$bytes" = "000000000000000000000000" ] && pass ".ZETO holds 12 zero bytes" || fail ".ZETO holds '$bytes'"
fi

# With symbols, the three words must lie at offsets 0, 4 and 8.
symbols=$("$objdump" -t "$dll")
if echo "$symbols" | grep -q ' g_hwndNotify$'; then
    zeto=$("$objdump" -h "$dll" | awk '$2 == ".ZETO" { print $1 + 1 }')
    order=""
    for name in g_hwndNotify g_hwndLastMsg g_hwndLButtonNotify; do
        line=$(echo "$symbols" | grep -E "\(sec +$zeto\).* $name\$")
        order+="$(echo "$line" | awk '{print $(NF-1)}' | sed 's/^0x0*//;s/^$/0/') "
    done
    [ "$order" = "0 4 8 " ] && pass "g_hwndNotify, g_hwndLastMsg, g_hwndLButtonNotify at 0, 4, 8" \
        || fail "shared words at offsets '$order' (want 0 4 8)"
fi

dlls=$(imported_dlls "$dll" | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
foreign=$(echo "$dlls" | tr ' ' '\n' | grep -vxE 'KERNEL32.DLL|USER32.DLL|' | tr '\n' ' ')
[ -z "$foreign" ] && pass "Tapwire.dll imports only from: $dlls" || fail "Tapwire.dll also imports from: $foreign"

zeto_imports=$(imports_from "$exe" Tapwire.dll | sort | tr '\n' ' ')
for f in SetTapwire ClearTapwire ClearLButtonHook; do
    echo " $zeto_imports" | grep -q " $f " && pass "Zeto.exe imports $f from Tapwire.dll" \
        || fail "Zeto.exe does not import $f from Tapwire.dll (it imports: $zeto_imports)"
done

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
