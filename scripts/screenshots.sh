#!/usr/bin/env bash
# Builds, then renders the wizard pages in English and Japanese into
# docs/screenshots/<page>-<code>.png, and the first page and the printer page (the widest list)
# of each wizard at 150 % display scale into docs/screenshots/<page>-<code>-150.png, in a
# throwaway Wine prefix of its own with the demo printers: the function chooser, every page of
# the fax setup and every page of the message download.
# Usage: scripts/screenshots.sh   (as root when packages are missing)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
"$here/scripts/setup.sh"
source "$here/tests/support/wine-env.sh"

work=$build/screenshots
prefix=$work/wineprefix
mkdir -p "$work" "$here/docs/screenshots"
trap 'stop_prefix "$prefix"; stop_xvfb "$work/xvfb"; rm -rf "$prefix"' EXIT
start_xvfb "$work/xvfb"
new_prefix "$prefix"
install_printers "$build/bin/InstallPrinters.exe" "$here/samples/printers.txt"
install_fonts

# The chooser finds its resource libraries and Version.txt beside the running program.
rm -rf "$work/dist"
cp -r "$build/dist" "$work/dist"
cp "$build/bin"/{CaptureChooser,CaptureFaxPages,CaptureDownloadPages}.exe "$work/dist/"

# save_png NAME: the bitmap the capture wrote as docs/screenshots/NAME.png.
save_png() {
  python3 "$here/tools/screenshots/bmp2png.py" "$work/$1.bmp" "$here/docs/screenshots/$1.png"
  echo "== docs/screenshots/$1.png"
}

# The locale gives Wine the ANSI code page and UI language of each language.
declare -A locales=([enu]=en_US.UTF-8 [jpn]=ja_JP.UTF-8)

# capture LANGUAGE SUFFIX PAGES...: runs the three wizards in the language and saves the pages
# named (besides the chooser) as <page>-<language><suffix>.png.
capture() {
  local language=$1 suffix=$2 page
  shift 2
  local locale=${locales[$language]}
  # Through env: the shell itself need not know the locale.
  env LC_ALL="$locale" "$WINE_LOADER" "$work/dist/CaptureChooser.exe" "$language" \
    "$(winepath -w "$work/select-function-$language$suffix.bmp")"
  save_png "select-function-$language$suffix"
  env LC_ALL="$locale" "$WINE_LOADER" "$work/dist/CaptureFaxPages.exe" "$language" \
    "$(winepath -w "$work/fax")"
  env LC_ALL="$locale" "$WINE_LOADER" "$work/dist/CaptureDownloadPages.exe" \
    "$(winepath -w "$work/download")"
  for page in "$@"; do
    mv "$work/$page.bmp" "$work/$page-$language$suffix.bmp"
    save_png "$page-$language$suffix"
  done
}

fax_pages=(introduction printer model country-code time confirm complete)
download_pages=(introduction printer model language menu-print version download conclusion)
for language in enu jpn; do
  capture "$language" "" "${fax_pages[@]/#/fax-}" "${download_pages[@]/#/download-}"
done

# Wine takes the display's DPI from the prefix's LogPixels as each program starts.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
for language in enu jpn; do
  capture "$language" -150 fax-introduction fax-printer download-introduction download-printer
done
