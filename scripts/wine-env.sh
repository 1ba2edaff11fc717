# Sourced by scripts/test-windows.sh and ./run: the Japanese locale, a Wine
# prefix set up for the desktop tool, and a virtual X display.
ZANDREL_WINE=/usr/lib/wine/wine64          # the `wine` wrapper tries the 32-bit loader first
ZANDREL_WINESERVER=/usr/lib/wine/wineserver64

_zandrel_sudo() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Wine takes the ANSI code page from the Unix locale: ja_JP.UTF-8 gives 932.
zandrel_ensure_locale() {
  if locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
    return 0
  fi
  echo "generating the ja_JP.UTF-8 locale"
  if grep -qE '^# *ja_JP\.UTF-8 UTF-8' /etc/locale.gen; then
    _zandrel_sudo sed -i -E 's/^# *(ja_JP\.UTF-8 UTF-8)/\1/' /etc/locale.gen
  elif ! grep -qE '^ja_JP\.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'ja_JP.UTF-8 UTF-8' | _zandrel_sudo tee -a /etc/locale.gen >/dev/null
  fi
  _zandrel_sudo locale-gen >/dev/null
}

# zandrel_wine_prefix DIR MANAGED
# Creates the prefix once (a minute at most) and sets what the tool needs:
# the dialog font "ＭＳ Ｐゴシック" maps to IPA P Gothic. MANAGED=N (tests on
# Xvfb, where no window manager runs): windows are not left to a window
# manager, so Wine draws their frames and never waits for one.
zandrel_wine_prefix() {
  local dir=$1 managed=$2
  # The locale also picks the prefix's Japanese interface fonts when it is made.
  export WINEPREFIX=$dir WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    timeout 300 "$ZANDREL_WINE" wineboot -i >/dev/null 2>&1
    timeout 120 "$ZANDREL_WINESERVER" -w
  fi
  local reg=$WINEPREFIX/zandrel-settings.reg
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n'
    printf '"MS PGothic"="IPAPGothic"\r\n"MS Gothic"="IPAGothic"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
    if [ "$managed" = N ]; then
      printf '"Managed"="N"\r\n"Decorated"="N"\r\n'
    else
      printf '"Managed"=-\r\n"Decorated"=-\r\n'
    fi
  } | iconv -f UTF-8 -t UTF-16 >"$reg"
  timeout 120 "$ZANDREL_WINE" regedit /S "$reg" >/dev/null 2>&1
  timeout 120 "$ZANDREL_WINESERVER" -w
}

# Ends every Wine process of the current prefix.
zandrel_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && timeout 60 "$ZANDREL_WINESERVER" -k >/dev/null 2>&1 || true
}

# zandrel_start_xvfb: starts a virtual display on a free number and exports
# DISPLAY and ZANDREL_XVFB_PID.
zandrel_start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  ZANDREL_XVFB_PID=$!
  local number=""
  read -r -t 30 number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "Xvfb did not start" >&2
    kill "$ZANDREL_XVFB_PID" 2>/dev/null || true
    return 1
  fi
  export DISPLAY=":$number" ZANDREL_XVFB_PID
}

zandrel_stop_xvfb() {
  if [ -n "${ZANDREL_XVFB_PID:-}" ]; then
    kill "$ZANDREL_XVFB_PID" 2>/dev/null || true
    wait "$ZANDREL_XVFB_PID" 2>/dev/null || true
  fi
}
