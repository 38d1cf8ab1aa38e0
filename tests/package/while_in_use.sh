#!/usr/bin/env bash
# The installer and the uninstaller meet a running Zeto and a Tapwire.dll
# still mapped in another application, in a fresh Wine prefix:
# - setup.exe /S beside a Zeto that does not answer: after its wait it gives
#   up with status 2, having touched nothing;
# - setup.exe /S over an older Zeto that runs: Zeto is asked to exit, the new
#   Zeto.exe and Tapwire.dll take the old ones' places, and the old
#   Tapwire.dll, still mapped, is set aside as Tapwire.dll.old-1, which Zeto's
#   next start deletes once nothing maps it (and nothing else);
# - the setup's wizard, stepped through by hand, over an older Zeto that
#   runs: Zeto exits, its files are replaced, and its last page starts the
#   new Zeto;
# - Uninstall.exe /S while Zeto runs: Zeto exits, the program, its shortcut,
#   its Run value and its uninstall entry go, the user's files stay, and the
#   Tapwire.dll still mapped is deleted by the RunOnce command at next logon;
#   and its wizard, by hand, likewise.
# The mapping is made by zetoprobe --hold, which loads the DLL as a hooked
# application holds Tapwire.dll: Wine then refuses to delete or overwrite the
# file, as Windows does, and lets it be renamed.
# usage: while_in_use.sh <setup.exe> <zetoprobe.exe> <wine-run> <Zeto.exe> <Tapwire.dll>
set -euo pipefail
setup=$1 probe=$2 winerun=$3 built_zeto=$4 built_tapwire=$5
tmp=$(mktemp -d)
export WINEPREFIX_OVERRIDE=$tmp/prefix WINEPREFIX=$tmp/prefix
trap 'wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Waits up to a minute for a shell condition.
wait_for() { for _ in $(seq 600); do eval "$1" && return 0; sleep 0.1; done; return 1; }
windows() { "$winerun" winepath -w "$1" | tr -d '\r'; }

"$winerun" "$setup" /S || fail "setup.exe /S ended with status $?"
windir=$("$winerun" cmd /c echo '%LOCALAPPDATA%\Programs\Wordlumo' | tr -d '\r"')
dir=$("$winerun" winepath -u "$windir" | tr -d '\r')
[ -e "$dir/Zeto.exe" ] || fail "Zeto.exe is not in $dir"

# Zeto started as the Start menu starts it, in its folder; up and ready.
zeto_pid=
start_zeto() {
    (cd "$dir" && exec "$winerun" Zeto.exe >/dev/null 2>&1) &
    zeto_pid=$!
    "$winerun" "$probe" --stay || fail "Zeto did not come up"
}
# zetoprobe --hold maps a DLL until its marker file is deleted.
holder_pid= marker=
hold() {
    marker=$tmp/held-$2
    "$winerun" "$probe" --hold "$(windows "$1")" "$(windows "$marker")" >"$tmp/holder.log" 2>&1 &
    holder_pid=$!
    wait_for '[ -e "$marker" ]' || fail "zetoprobe --hold did not map $1: $(cat "$tmp/holder.log")"
}
release() {
    rm -f "$marker"
    wait "$holder_pid" || fail "zetoprobe --hold: $(cat "$tmp/holder.log")"
}
zeto_gone() { wait_for '! kill -0 "$zeto_pid" 2>/dev/null'; }

# An older version: the same programs with bytes appended, which the loader
# ignores and which tell old from new.
printf 'older' >>"$dir/Zeto.exe"
printf 'older' >>"$dir/Tapwire.dll"
cp "$dir/Zeto.exe" "$tmp/old-Zeto.exe"
cp "$dir/Tapwire.dll" "$tmp/old-Tapwire.dll"
start_zeto

# A Zeto that does not answer (its process stopped here) cannot be asked to
# exit: /S waits its while and cancels. Let go, Zeto reads the request.
zeto_process=$(pgrep -P "$zeto_pid")
kill -STOP "$zeto_process"
status=0
"$winerun" "$setup" /S || status=$?
kill -CONT "$zeto_process"
[ "$status" = 2 ] || fail "setup.exe /S beside a Zeto that does not answer ended with status $status, not 2"
cmp -s "$dir/Zeto.exe" "$tmp/old-Zeto.exe" && cmp -s "$dir/Tapwire.dll" "$tmp/old-Tapwire.dll" \
    && [ ! -e "$dir/Tapwire.dll.old-1" ] || fail "setup.exe /S beside a Zeto that does not answer changed files"
zeto_gone || fail "Zeto did not exit once it could read the request"
echo "beside a Zeto that does not answer, setup.exe /S cancelled with status 2 and changed nothing"

start_zeto
hold "$dir/Tapwire.dll" upgrade

"$winerun" "$setup" /S || fail "setup.exe /S over a running Zeto ended with status $?"
zeto_gone || fail "the old Zeto still runs after the setup"
cmp -s "$dir/Zeto.exe" "$built_zeto" || fail "Zeto.exe was not replaced"
cmp -s "$dir/Tapwire.dll" "$built_tapwire" || fail "Tapwire.dll was not replaced"
cmp -s "$dir/Tapwire.dll.old-1" "$tmp/old-Tapwire.dll" || fail "the old Tapwire.dll was not set aside as Tapwire.dll.old-1"
echo "upgraded over a running Zeto and a mapped Tapwire.dll: both replaced, the old DLL set aside"

# Once the old library is no longer mapped, Zeto's next start deletes it,
# and only it.
release
printf 'mine' >"$dir/Tapwire.dll.old-notes.txt"
start_zeto
[ ! -e "$dir/Tapwire.dll.old-1" ] || fail "Zeto's start left Tapwire.dll.old-1"
[ -e "$dir/Tapwire.dll.old-notes.txt" ] || fail "Zeto's start deleted a file that was not set aside"
rm "$dir/Tapwire.dll.old-notes.txt"
echo "Zeto's next start deleted the set-aside Tapwire.dll"

# The setup run by hand over an older Zeto that runs: its wizard, stepped
# through as a user taking every default, has Zeto exit, puts the new files
# in place and starts the new Zeto from its last page.
printf 'older' >>"$dir/Zeto.exe"
start_zeto
"$winerun" "$setup" &
setup_pid=$!
"$winerun" "$probe" --wizard Setup || fail "the setup's wizard did not end"
wait "$setup_pid" || fail "setup.exe ended with status $?"
zeto_gone || fail "the old Zeto still runs after the setup's wizard"
cmp -s "$dir/Zeto.exe" "$built_zeto" || fail "the setup's wizard did not replace Zeto.exe"
"$winerun" "$probe" || fail "the Zeto the wizard's last page started is not ready"
echo "the setup's wizard over a running Zeto: Zeto exited, its files replaced, the new one started"

# Uninstalling while Zeto runs with "Start with Windows" on, a Tapwire.dll
# mapped elsewhere, and the user's files beside the program.
"$winerun" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Wordlumo \
    /d "\"$windir\\Zeto.exe\"" /f >/dev/null
printf 'my words' >"$dir/NewData.dat"
printf '[Zeto]\r\nTimeoutSec=7\r\n' >"$dir/Zeto.ini"
printf 'kept once' >"$dir/Zeto.ini.damaged"
printf 'notes' >"$dir/my notes.txt"
hold "$dir/Tapwire.dll" uninstall
"$winerun" "$dir/Uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once: wait
# (Uninstall.exe is the last thing it removes).
wait_for '[ ! -e "$dir/Uninstall.exe" ]' || fail "Uninstall.exe is still in $dir"
zeto_gone || fail "Zeto still runs after the uninstaller"
for f in Zeto.exe Tapwire.dll data.dat forms.dat pron.dat zetodict.exe README.txt CREDITS.txt; do
    [ ! -e "$dir/$f" ] || fail "$f was left behind"
done
key='HKCU\Software\Microsoft\Windows\CurrentVersion'
! "$winerun" reg query "$key\\Run" /v Wordlumo >/dev/null 2>&1 || fail "the Run value was left behind"
! "$winerun" reg query "$key\\Uninstall\\Wordlumo" >/dev/null 2>&1 || fail "the uninstall entry was left behind"
[ "$(cat "$dir/NewData.dat")" = "my words" ] || fail "NewData.dat was not kept"
grep -q TimeoutSec=7 "$dir/Zeto.ini" || fail "Zeto.ini was not kept"
[ -e "$dir/Zeto.ini.damaged" ] && [ -e "$dir/my notes.txt" ] || fail "the user's other files were not kept"
ls "$dir"/Tapwire.dll.old-* >/dev/null 2>&1 || fail "the mapped Tapwire.dll was not set aside"
echo "uninstalled while Zeto ran: program, Run value and uninstall entry gone, the user's files kept"

# At the next logon Windows runs the RunOnce command once the applications
# that mapped Tapwire.dll are gone; Wine does not, so it is run here, as
# written, through a batch file.
release
runonce=$({ "$winerun" reg query "$key\\RunOnce" /v Wordlumo || true; } | tr -d '\r' | sed -n 's/^ *Wordlumo *REG_SZ *//p')
[ -n "$runonce" ] || fail "no RunOnce command deletes the set-aside Tapwire.dll"
printf '%s\r\n' "$runonce" >"$tmp/logon.bat"
"$winerun" cmd /c "$(windows "$tmp/logon.bat")" >/dev/null 2>&1 || true
! ls "$dir"/Tapwire.dll.old-* >/dev/null 2>&1 || fail "the RunOnce command left $(ls "$dir"/Tapwire.dll.old-*)"
[ "$(cat "$dir/NewData.dat")" = "my words" ] && [ -e "$dir/Zeto.ini" ] && [ -e "$dir/my notes.txt" ] \
    || fail "the RunOnce command touched the user's files"
echo "the RunOnce command deleted the set-aside Tapwire.dll and kept the user's files"

# The uninstaller run by hand while Zeto runs: its wizard has Zeto exit and
# removes the program; the user's files stay.
"$winerun" "$setup" /S || fail "installing again ended with status $?"
start_zeto
"$winerun" "$dir/Uninstall.exe" &
"$winerun" "$probe" --wizard Uninstall || fail "the uninstaller's wizard did not end"
wait_for '[ ! -e "$dir/Uninstall.exe" ]' || fail "Uninstall.exe is still in $dir"
zeto_gone || fail "Zeto still runs after the uninstaller's wizard"
[ ! -e "$dir/Zeto.exe" ] || fail "the uninstaller's wizard left Zeto.exe"
[ "$(cat "$dir/NewData.dat")" = "my words" ] && [ -e "$dir/my notes.txt" ] \
    || fail "the uninstaller's wizard did not keep the user's files"
echo "the uninstaller's wizard while Zeto ran: Zeto exited, the program gone, the user's files kept"
