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

# Configures a Windows build folder in release mode: the toolchain file is named only when the
# folder is new (CMake keeps it in its cache, and warns that it is unused when named again).
#   configure_windows_build <build dir> <toolchain file>
configure_windows_build() {
  local toolchain=()
  [ -f "$1/CMakeCache.txt" ] || toolchain=(-DCMAKE_TOOLCHAIN_FILE="$2")
  cmake -S . -B "$1" "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
}

# True when this machine runs 32-bit x86 programs, which wine32 needs: a kernel can be built or
# started without them ("ia32_emulation=off"), and then wine32 breaks even the 64-bit "wine"
# command. The probe is the smallest i386 program, one that only exits with 0.
runs_32bit_programs() {
  local probe rc=0
  probe=$(mktemp)
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000\061\333\270\001\000\000\000\315\200' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || rc=$?
  rm -f "$probe"
  return $rc
}

# True when the 32-bit Wine is installed (the set-up leaves it out where it cannot be had).
wine32_installed() {
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'
}

# The installed Wine packages, one per line. A prefix made under another set cannot be trusted:
# one made before wine32 came fails with "could not load kernel32.dll" once it is there.
wine_packages() {
  dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package} ${Version}\n' 'wine*' 'libwine*' 2>/dev/null |
    grep '^ii' | sort
}

wine_prefix_init() {
  local marker=$WINEPREFIX/.blenker-ready
  local packages
  packages=$(wine_packages)
  [ -f "$marker" ] && [ "$(cat "$marker")" = "$packages" ] && return 0
  if [ -f "$marker" ]; then  # only a prefix these scripts made is removed
    echo "Making the Wine prefix $WINEPREFIX anew: the Wine packages have changed"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  echo "Creating the Wine prefix $WINEPREFIX"
  mkdir -p "$WINE_HOME_DIR"
  if ! HOME=$WINE_HOME_DIR wineboot --init >/dev/null 2>&1; then
    echo "Wine could not make the prefix $WINEPREFIX (wineboot --init failed)" >&2
    return 1
  fi
  # Without a window manager under Xvfb, Wine must not wait for one on every show or destroy.
  HOME=$WINE_HOME_DIR wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # "MS Sans Serif" and friends, so dialog units measure as on Windows.
  cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/sserife*.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # Windows has "Microsoft Sans Serif", the TrueType face of "MS Sans Serif"'s metrics, which
  # the dialogs take above 96 DPI; Wine's own TrueType "MS Sans Serif" stands in for it.
  HOME=$WINE_HOME_DIR wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'Microsoft Sans Serif' /t REG_SZ /d 'MS Sans Serif' /f >/dev/null 2>&1
  wineserver -w
  printf '%s\n' "$packages" >"$marker"
}

# Runs a command inside one Xvfb with Wine's background processes started first (otherwise
# every test would pay for their start), and stops them afterwards. Returns the command's code.
wine_in_xvfb() {
  wineserver -w  # a display-less Wine still running would not see the new display
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineserver -p
    HOME=$WINE_HOME_DIR wine wineboot >/dev/null 2>&1
    # 100 %, whatever tools/run.sh last asked for: the tests that want another scale set it.
    HOME=$WINE_HOME_DIR wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD \
      /d 96 /f >/dev/null 2>&1
    HOME=$WINE_HOME_DIR "$@"
    rc=$?
    wineserver -k
    exit $rc' wine_in_xvfb "$@"
}
