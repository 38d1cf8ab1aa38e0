#!/usr/bin/env bash
# The installer as a new user meets it, in a fresh Wine prefix: setup.exe /S
# puts Zeto under %LOCALAPPDATA%\Programs\Wordlumo with a Start menu
# shortcut; Zeto started through that shortcut comes up ready; installing
# again keeps the user's words and settings; the silent uninstaller removes
# the program, its Run value and its uninstall entry, and keeps them.
# usage: install_and_start.sh <setup.exe> <zetoprobe.exe> <wine-run>
set -euo pipefail
setup=$1 probe=$2 winerun=$3
tmp=$(mktemp -d)
export WINEPREFIX_OVERRIDE=$tmp/prefix WINEPREFIX=$tmp/prefix
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Waits up to a minute for a shell condition.
wait_for() { for _ in $(seq 600); do eval "$1" && return 0; sleep 0.1; done; return 1; }

"$winerun" "$setup" /S || fail "setup.exe /S ended with status $?"
unix() { "$winerun" winepath -u "$1" | tr -d '\r'; }
dir=$(unix "$("$winerun" cmd /c echo '%LOCALAPPDATA%\Programs\Wordlumo' | tr -d '\r"')")
lnk=$(unix "$("$winerun" cmd /c echo '%APPDATA%\Microsoft\Windows\Start Menu\Programs\Wordlumo.lnk' | tr -d '\r"')")
for f in Zeto.exe Tapwire.dll data.dat forms.dat pron.dat NewData.dat Uninstall.exe; do
    [ -e "$dir/$f" ] || fail "$f is not in $dir"
done
[ -e "$lnk" ] || fail "no Start menu shortcut at $lnk"
"$winerun" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wordlumo' /v UninstallString \
    | grep -q 'Uninstall.exe' || fail "no uninstall entry for the user"

# Through the shortcut, from elsewhere: its working directory must be the
# program's folder, or Zeto reports a missing dictionary file.
(cd "$tmp" && "$winerun" start /unix "$lnk" >/dev/null)
"$winerun" "$probe" || fail "Zeto started through the shortcut is not ready"

# The user's own files survive an install over it and the uninstaller.
printf 'my words' >"$dir/NewData.dat"
printf '[Zeto]\r\nTimeoutSec=7\r\n' >"$dir/Zeto.ini"
"$winerun" "$setup" /S || fail "installing again ended with status $?"
[ "$(cat "$dir/NewData.dat")" = "my words" ] || fail "installing again replaced NewData.dat"
grep -q TimeoutSec=7 "$dir/Zeto.ini" || fail "installing again replaced Zeto.ini"

# "Start with Windows" would start a program that is gone.
key='HKCU\Software\Microsoft\Windows\CurrentVersion'
"$winerun" reg add "$key\Run" /v Wordlumo /d "\"$("$winerun" winepath -w "$dir/Zeto.exe" | tr -d '\r')\"" /f >/dev/null
# The uninstaller runs from a copy of itself and returns at once: wait
# (Uninstall.exe is the last thing it removes).
"$winerun" "$dir/Uninstall.exe" /S
wait_for '[ ! -e "$dir/Zeto.exe" ] && [ ! -e "$dir/Uninstall.exe" ]' || fail "the program is still in $dir"
for f in Tapwire.dll data.dat forms.dat pron.dat; do [ ! -e "$dir/$f" ] || fail "$f was left behind"; done
[ ! -e "$lnk" ] || fail "the shortcut was left behind"
! "$winerun" reg query "$key\Run" /v Wordlumo >/dev/null 2>&1 || fail "the Run value was left behind"
! "$winerun" reg query "$key\Uninstall\Wordlumo" >/dev/null 2>&1 || fail "the uninstall entry was left behind"
[ "$(cat "$dir/NewData.dat")" = "my words" ] || fail "the uninstaller did not keep NewData.dat"
grep -q TimeoutSec=7 "$dir/Zeto.ini" || fail "the uninstaller did not keep Zeto.ini"
echo "installed, started from the shortcut, upgraded and uninstalled; NewData.dat and Zeto.ini kept, Run value and uninstall entry gone"
