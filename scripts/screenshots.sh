#!/usr/bin/env bash
# Builds, then renders the wizard pages in English and Japanese into
# docs/screenshots/<page>-<code>.png, in a throwaway Wine prefix of its own with the demo printers:
# the function chooser, every page of the fax setup and every page of the message download.
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
for language in enu jpn; do
  locale=${locales[$language]}
  # Through env: the shell itself need not know the locale.
  env LC_ALL="$locale" "$WINE_LOADER" "$work/dist/CaptureChooser.exe" "$language" \
    "$(winepath -w "$work/select-function-$language.bmp")"
  save_png "select-function-$language"
  env LC_ALL="$locale" "$WINE_LOADER" "$work/dist/CaptureFaxPages.exe" "$language" \
    "$(winepath -w "$work/fax")"
  for page in introduction printer model country-code time confirm complete; do
    mv "$work/fax-$page.bmp" "$work/fax-$page-$language.bmp"
    save_png "fax-$page-$language"
  done
  env LC_ALL="$locale" "$WINE_LOADER" "$work/dist/CaptureDownloadPages.exe" \
    "$(winepath -w "$work/download")"
  for page in introduction printer model language menu-print version download conclusion; do
    mv "$work/download-$page.bmp" "$work/download-$page-$language.bmp"
    save_png "download-$page-$language"
  done
done
