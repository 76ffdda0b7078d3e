# Shell helpers for running the Windows binaries under Wine; sourced by the test rig and the demo.

# wine_env PREFIX: every later wine command of this shell uses that prefix, quietly, and the Wine
# of the processor the build is for (LOMAREL_ARCH, x86_64 unless set): a 64-bit build runs in a
# 64-bit prefix without any 32-bit code, which some machines cannot run at all.
wine_env() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # Wine's spooler takes in every printer of the CUPS server it reaches. A prefix of ours sees
  # only the server its own script started (start_cupsd), never the machine's own printers.
  export CUPS_SERVER=${CUPS_SERVER:-$1/no-cups-server.sock}
  if [ "${LOMAREL_ARCH:-x86_64}" = i686 ]; then
    export WINEARCH=win32 WINE_LOADER=/usr/lib/wine/wine
  else
    export WINEARCH=win64 WINE_LOADER=/usr/lib/wine/wine64
  fi
}

# Debian's wine, wineboot and winepath commands take the 32-bit Wine whenever it is installed.
wine() { "$WINE_LOADER" "$@"; }
wineboot() { "$WINE_LOADER" wineboot.exe "$@"; }
winepath() { "$WINE_LOADER" winepath.exe "$@"; }

# start_xvfb STATEFILE: starts a virtual display when there is none and records it, so later
# processes (and stop_xvfb) find it.
start_xvfb() {
  local state=$1 n
  [ -n "${DISPLAY:-}" ] && return 0
  for n in $(seq 90 140); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
  setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  echo "DISPLAY=:$n XVFB_PID=$!" > "$state"
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  export DISPLAY=":$n"
}

# use_xvfb STATEFILE: takes the display that start_xvfb recorded, if any.
use_xvfb() {
  [ -z "${DISPLAY:-}" ] && [ -f "$1" ] && export "$(cut -d' ' -f1 < "$1")"
  return 0
}

stop_xvfb() {
  local state=$1
  [ -f "$state" ] || return 0
  kill "$(sed 's/.*XVFB_PID=//' < "$state")" 2>/dev/null || true
  rm -f "$state"
}

# new_prefix PREFIX: a fresh prefix whose windows close without waiting for a window manager,
# with a wineserver that stays up until stop_prefix.
new_prefix() {
  wine_env "$1"
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$1"
  mkdir -p "$1"
  wineserver -p </dev/null >/dev/null 2>&1
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

# install_fonts: the fonts scripts/setup.sh installs, in the current prefix. This Wine does not
# look in the folder Debian puts its own fonts in, but it does read the prefix's font folder.
# Japanese dialogs ask for the Japanese UI font by name; it is pinned to the installed family.
install_fonts() {
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAexGothic /f \
    >/dev/null 2>&1
}

stop_prefix() {
  wine_env "$1"
  wineserver -k >/dev/null 2>&1 || true
}

# install_printers INSTALLER_EXE LIST_FILE: the printers of a list, through the real spooler.
install_printers() {
  wine "$1" "$(winepath -w "$2")"
}

# install_port_monitor DLL NAME: a print monitor of the prefix, which the spooler of every later
# process loads and asks for its ports.
install_port_monitor() {
  cp "$1" "$WINEPREFIX/drive_c/windows/system32/"
  wine reg add "HKLM\\System\\CurrentControlSet\\Control\\Print\\Monitors\\$2" /v Driver \
    /d "$(basename "$1")" /f >/dev/null
}

# pipe_port PORT COMMAND: every job for the port goes into the Unix COMMAND, whatever its monitor.
pipe_port() {
  wine reg add 'HKCU\Software\Wine\Printing\Spooler' /v "$1" /d "|$2" /f >/dev/null
}

# job_file_printers LIST SINK FOLDER: the printer list with each port that is a file replaced by a
# pipe into the SINK command ("SINK FOLDER NAME"), NAME being the file's name without its
# extension, so that every job lands in a file of its own. Other ports stay as they are.
job_file_printers() {
  awk -F'|' -v OFS='|' -v sink="$2" -v folder="$3" '
    /^#/ || NF < 3 || $3 !~ /^[A-Za-z]:\\/ { print; next }
    { name = $3; sub(/.*\\/, "", name); sub(/\.[^.]*$/, "", name)
      $3 = "pipe:\"" sink "\" \"" folder "\" " name; print }' "$1"
}

# install_network_ports MONITOR_DLL SINK FOLDER: the network ports of the port monitor
# (tools/printers/TestPortMonitor.cpp): IP_127.0.0.1, a standard TCP/IP port whose address is
# 127.0.0.1; IP_NO_HOST, one whose address is there only under an older system's value name; and
# LPR_FAX, a port of the LPR utility. Each port's jobs go into the SINK command ("SINK FOLDER
# NAME") as numbered files NAME-1.prn, NAME-2.prn, ... in FOLDER, NAME being tcp, nohost or lpr.
install_network_ports() {
  local port ports='HKLM\SYSTEM\CurrentControlSet\Control\Print\Monitors\Standard TCP/IP Port\Ports'
  install_port_monitor "$1" "Lomarel Test Ports"
  mkdir -p "$3"
  for port in IP_127.0.0.1:tcp IP_NO_HOST:nohost LPR_FAX:lpr; do
    pipe_port "${port%%:*}" "\"$2\" \"$3\" ${port#*:}"
  done
  wine reg add "$ports\\IP_127.0.0.1" /v HostName /d 127.0.0.1 /f >/dev/null
  wine reg add "$ports\\IP_NO_HOST" /v IPAddress /d 127.0.0.1 /f >/dev/null
}
