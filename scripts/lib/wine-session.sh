# Sourced by scripts/test, scripts/run and scripts/screens: a virtual display and a fresh
# Wine prefix of their own, torn down on exit.
#
#   wine_session_start DIR   starts Xvfb and makes a prefix under DIR
#   wine_session_stop        ends them (also run on exit); removes DIR when
#                            WINE_SESSION_REMOVE=1

wine_session_start() {
  local dir=$1
  WINE_SESSION_DIR=$dir
  mkdir -p "$dir"
  export WINEPREFIX="$dir/prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer dialogs
  export LANG=zh_CN.UTF-8

  if [[ -z "${FEICHE_KEEP_DISPLAY:-}" || -z "${DISPLAY:-}" ]]; then
    local n
    for n in $(seq 91 140); do
      [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    WINE_SESSION_XVFB=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && break
      kill -0 "$WINE_SESSION_XVFB" 2>/dev/null || { echo "Xvfb failed to start" >&2; cat "$dir/xvfb.log" >&2; return 1; }
      sleep 0.1
    done
    xdpyinfo >/dev/null 2>&1 || { echo "the virtual display did not come up" >&2; return 1; }
  fi
  trap wine_session_stop EXIT

  wineboot -i >"$dir/wineboot.log" 2>&1
  wineserver -w

  # 宋体 does not exist under Wine: map it to a CJK font. The file must be UTF-16.
  local reg="$dir/fonts.reg"
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"宋体"="WenQuanYi Zen Hei"\r\n"SimSun"="WenQuanYi Zen Hei"\r\n"NSimSun"="WenQuanYi Zen Hei"\r\n' |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
  wineserver -w
}

wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [[ -n "${WINE_SESSION_XVFB:-}" ]]; then
    kill "$WINE_SESSION_XVFB" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB" 2>/dev/null || true
    WINE_SESSION_XVFB=
  fi
  if [[ "${WINE_SESSION_REMOVE:-}" == 1 && -n "${WINE_SESSION_DIR:-}" ]]; then
    rm -rf "$WINE_SESSION_DIR"
  fi
}
