#!/usr/bin/env bash
# Installs LomarelSetup.exe silently in the test prefix, checks what it made, uninstalls it
# silently and checks that nothing it made is left and nothing else went. Leaves the prefix as it
# found it.
# Usage: installer_test.sh PREFIX INSTALLER_EXE INSTALL_FOLDER
set -euo pipefail
prefix=$1 installer=$2 dist=$3
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

echo "== Uninstall.exe /S"
timeout 60 "$WINE_LOADER" "$folder/Uninstall.exe" /S || fail "the uninstaller exited with $?"
# It starts a copy of itself in the temp folder and returns at once: wait for that copy.
for pid in $(pgrep -f '\\~nsu[^\\]*\.tmp\\'); do
  grep -qzx "WINEPREFIX=$prefix" "/proc/$pid/environ" 2>/dev/null &&
    timeout 60 tail --pid="$pid" -f /dev/null
done

[ "$(ls "$folder")" = notes.txt ] || fail "left in the install folder: $(ls "$folder")"
rm -r "$folder"
# The copy is left for Windows to delete at its next start; do what that start would do.
rm -r "$drive"/users/*/Temp/~nsu*.tmp || fail "no copy of the uninstaller"
wine reg delete 'HKLM\System\CurrentControlSet\Control\Session Manager' \
  /v PendingFileRenameOperations /f >/dev/null 2>&1 || fail "the copy is not marked for deletion"

diff <(echo "$before") <(snapshot) || fail "files, folders or values made or removed (above)"

[ "$failures" -eq 0 ] && echo "== installer test passed" || { echo "== $failures failure(s)"; exit 1; }
