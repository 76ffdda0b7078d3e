#!/usr/bin/env bash
# Installs LomarelSetup.exe silently in the test prefix, checks what it made, uninstalls it
# silently and checks that nothing it made is left and nothing else went. Leaves the prefix as it
# found it.
# Then the same with a broken Zembrak.ini, whose launcher shows a message box that nobody closes.
# Usage: installer_test.sh PREFIX INSTALLER_EXE INSTALL_FOLDER MAKENSIS INSTALLER_SOURCES
set -euo pipefail
prefix=$1 installer=$2 dist=$3 makensis=$4 sources=$5
source "$(dirname "$0")/../support/wine-env.sh"
wine_env "$prefix"
use_xvfb "$prefix.xvfb"
# Shortcuts would otherwise become menu entries of the Linux desktop, outside the prefix.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lomarel'
setup_key='HKLM\Software\Lomarel\Setup'
drive=$prefix/drive_c
folder="$drive/Program Files/Lomarel"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Lomarel"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# values KEY: "name type data" of each value of the key, sorted; nothing when there is no key.
values() {
  { wine reg query "$1" 2>/dev/null || true; } | tr -d '\r' | awk '/^    / { $1 = $1; print }' | sort
}
snapshot() { find "$drive" -printf '%y %P\n' | sort; values "$uninstall_key"; values "$setup_key"; }
before=$(snapshot)

echo "== LomarelSetup.exe /S"
timeout 120 "$WINE_LOADER" "$installer" /S || fail "the installer exited with $?"

# Every file of the install folder, byte for byte, and the uninstaller.
diff -r --exclude=error.log --exclude=Uninstall.exe "$dist" "$folder" || fail "installed files differ"
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller"

entry=$(values "$uninstall_key")
version=$(tr -d '\r' < "$dist/Version.txt" | sed -n 's/^MainVersion=//p')
diff <(grep -v '^EstimatedSize ' <<< "$entry") - <<EOF || fail "uninstall entry (above)"
DisplayName REG_SZ Lomarel
DisplayVersion REG_SZ $version
InstallLocation REG_SZ C:\Program Files\Lomarel
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
Publisher REG_SZ Lomarel
QuietUninstallString REG_SZ "C:\Program Files\Lomarel\Uninstall.exe" /S
UninstallString REG_SZ "C:\Program Files\Lomarel\Uninstall.exe"
EOF
estimated=$(($(awk '$1 == "EstimatedSize" { print $3 }' <<< "$entry")))
size=$(du -sk "$folder" | cut -f1)
[ "$estimated" -gt $((size / 2)) ] && [ "$estimated" -le "$size" ] ||
  fail "EstimatedSize $estimated KB for $size KB"

grep -aq 'Zembrak\.exe' "$menu/Lomarel.lnk" || fail "no shortcut to the launcher"
grep -aq 'Uninstall\.exe' "$menu/Uninstall Lomarel.lnk" || fail "no shortcut to the uninstaller"

# The shipped configuration names no driver of the test printers: the launcher answers 0. The
# value is there only if the installer made the key and the launcher wrote into it.
[ "$(values "$setup_key")" = "LangDwmResult REG_DWORD 0x0" ] || fail "answer: $(values "$setup_key")"

# The launcher's configuration report goes with the uninstall; a file of the user's own stays.
printf 'report\r\n' > "$folder/error.log"
printf 'mine\r\n' > "$folder/notes.txt"

# ours PATTERN: the processes of this prefix whose command line matches.
ours() {
  local pid
  for pid in $(pgrep -f "$1"); do
    grep -qzx "WINEPREFIX=$prefix" "/proc/$pid/environ" 2>/dev/null && echo "$pid"
  done
}
# uninstall: runs the uninstaller silently and waits for the copy of itself that it starts in the
# temp folder and returns at once; then does what the next start of Windows would do with the
# copy, and checks that nothing it made is left and nothing else went.
uninstall() {
  timeout 60 "$WINE_LOADER" "$folder/Uninstall.exe" /S || fail "the uninstaller exited with $?"
  for pid in $(ours '\\~nsu[^\\]*\.tmp\\'); do timeout 60 tail --pid="$pid" -f /dev/null; done
  [ "$(ls "$folder" 2>/dev/null)" = "$1" ] || fail "left in the install folder: $(ls "$folder")"
  rm -rf "$folder"
  rm -r "$drive"/users/*/Temp/~nsu*.tmp || fail "no copy of the uninstaller"
  wine reg delete 'HKLM\System\CurrentControlSet\Control\Session Manager' \
    /v PendingFileRenameOperations /f >/dev/null 2>&1 || fail "the copy is not marked for deletion"
  diff <(echo "$before") <(snapshot) || fail "files, folders or values made or removed (above)"
}

echo "== Uninstall.exe /S while the launcher runs"
# Without options the launcher shows its wizard until someone closes it, and keeps its files.
(cd "$folder" && exec "$WINE_LOADER" Zembrak.exe) & launcher=$!
sleep 3
timeout 60 "$WINE_LOADER" "$folder/Uninstall.exe" /S || fail "the uninstaller exited with $?"
for pid in $(ours '\\~nsu[^\\]*\.tmp\\'); do timeout 60 tail --pid="$pid" -f /dev/null; done
kill "$launcher"
diff -rq --exclude=error.log --exclude=notes.txt --exclude=Uninstall.exe "$dist" "$folder" > /dev/null &&
  [ -n "$(values "$uninstall_key")" ] || fail "the uninstaller removed things while the launcher ran"

echo "== Uninstall.exe /S"
uninstall notes.txt

echo "== LomarelSetup.exe /S without Zembrak.ini"
# The launcher shows a message box that nobody closes; the installer ends it.
work=$(mktemp -d)
cp -r "$dist" "$work/dist"
rm "$work/dist/Zembrak.ini"
cmake -DDIST="$work/dist" -DLIST="$work/files.nsh" -DINSTALLER="$work/setup.exe" \
  -DDEPFILE="$work/setup.d" -P "$sources/DistFiles.cmake"
"$makensis" -V1 -DARCH="$LOMAREL_ARCH" -DDIST="$work/dist" -DFILE_LIST="$work/files.nsh" \
  -DOUTFILE="$work/setup.exe" -DLAUNCHER_TIMEOUT_MS=3000 "$sources/Lomarel.nsi"
timeout 60 "$WINE_LOADER" "$work/setup.exe" /S || fail "the installer exited with $?"
rm -r "$work"
[ -z "$(ours 'Zembrak\.exe /A')" ] || fail "the launcher still runs"
[ -z "$(values "$setup_key")" ] || fail "answer without a configuration: $(values "$setup_key")"
uninstall ""

[ "$failures" -eq 0 ] && echo "== installer test passed" || { echo "== $failures failure(s)"; exit 1; }
