# Sourced by the scripts: the Wine settings for running the program and its tests, and the
# function that makes the Wine prefix of a build tree once.
#   WINEPREFIX defaults to <build dir>/wineprefix, so nothing touches the user's own ~/.wine.

wine_env() {
  local build_dir=$1
  export WINEPREFIX=${WINEPREFIX:-$build_dir/wineprefix}
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv,wineoss.drv,winemenubuilder.exe=d"
  # The prefix's Desktop and Start Menu link into $HOME: keep them inside the build tree.
  export WINE_HOME_DIR=$build_dir/winehome
}

wine_prefix_init() {
  local marker=$WINEPREFIX/.blenker-ready
  [ -f "$marker" ] && return 0
  echo "Creating the Wine prefix $WINEPREFIX"
  mkdir -p "$WINE_HOME_DIR"
  HOME=$WINE_HOME_DIR wineboot --init >/dev/null 2>&1
  # Without a window manager under Xvfb, Wine must not wait for one on every show or destroy.
  HOME=$WINE_HOME_DIR wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # "MS Sans Serif" and friends, so dialog units measure as on Windows.
  cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/sserife*.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
  touch "$marker"
}

# Runs a command inside one Xvfb with Wine's background processes started first (otherwise
# every test would pay for their start), and stops them afterwards. Returns the command's code.
wine_in_xvfb() {
  wineserver -w  # a display-less Wine still running would not see the new display
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineserver -p
    HOME=$WINE_HOME_DIR wine wineboot >/dev/null 2>&1
    HOME=$WINE_HOME_DIR "$@"
    rc=$?
    wineserver -k
    exit $rc' wine_in_xvfb "$@"
}
