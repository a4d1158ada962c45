#!/bin/sh
# The Debian package's tests; see CMakeLists.txt beside this file.
#   package_test.sh build WORK CPACK BUILD_DIR SOURCE_DIR VERSION DATA_FILE...
#   package_test.sh start WORK
#   package_test.sh validate WORK
# WORK holds the package (WORK/deb/*.deb) and its unpacked files (WORK/root).
set -eu

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

step=$1
work=$2
shift 2
deb_dir=$work/deb
root=$work/root

the_deb() {
  set -- "$deb_dir"/tapwell_*.deb
  if [ $# -ne 1 ] || [ ! -f "$1" ]; then fail "not one package in $deb_dir: $*"; fi
  echo "$1"
}

# The size of a PNG, "W x H", from its header.
png_size() {
  file -b "$1" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1x\2/p'
}

build() {
  cpack=$1 build_dir=$2 src=$3 version=$4
  shift 4
  rm -rf "$work"
  mkdir -p "$deb_dir" "$root"
  "$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$deb_dir" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack did not make the package"; }
  deb=$(the_deb)
  case $deb in
    */tapwell_"$version"-*_*.deb) ;;
    *) fail "the package is named $deb, not tapwell_$version-<release>_<arch>.deb" ;;
  esac
  dpkg-deb -x "$deb" "$root"

  # The control fields.
  [ "$(dpkg-deb -f "$deb" Package)" = tapwell ] || fail "Package is not tapwell"
  [ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "Section is not education"
  deb_version=$(dpkg-deb -f "$deb" Version)
  case $deb_version in "$version"-*) ;; *) fail "Version $deb_version is not $version-<release>" ;; esac
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  # The fonts are not linked, so no tool finds them; Qt comes from dpkg-shlibdeps, and
  # libqt6svg6 also carries the SVG image and icon plugins, libqt6gui6 the X11 one; the
  # SQLite and PostgreSQL drivers of the progress record are loaded at run time, so they
  # are named; Qt Charts comes from the "My Progress" library; xkbcommon reads the layouts
  # from xkb-data, which is named.
  for p in fonts-liberation fonts-comic-neue libqt6core6 libqt6gui6 libqt6widgets6 \
    libqt6svg6 libqt6multimedia6 libqt6sql6-sqlite libqt6sql6-psql libqt6charts6 libc6 \
    libxkbcommon0 libxkbcommon-x11-0 libxkbregistry0 xkb-data; do
    echo ", $depends," | grep -q "[ ,]${p}[ ,(]" || fail "Depends lacks $p: $depends"
  done

  # The program, stripped, and its data byte for byte as in the source tree.
  [ -x "$root/usr/bin/tapwell" ] || fail "usr/bin/tapwell is missing or not executable"
  file -b "$root/usr/bin/tapwell" | grep -q ', stripped' || fail "usr/bin/tapwell is not stripped"
  # The sound and "My Progress", loaded from ../lib/tapwell beside the program.
  for part in tapwell-sound.so tapwell-progress.so tapwell-speech.so; do
    file -b "$root/usr/lib/tapwell/$part" | grep -q 'shared object.*, stripped' ||
      fail "usr/lib/tapwell/$part is missing or not stripped"
  done
  [ $# -gt 0 ] || fail "no data files named"
  for f in "$@"; do
    cmp "$src/data/$f" "$root/usr/share/tapwell/$f" || fail "usr/share/tapwell/$f differs from data/$f"
  done

  # The menu entry names the installed program and an icon that is there at every size.
  id=example.brightnook.tapwell
  desktop=$root/usr/share/applications/$id.desktop
  [ -f "$desktop" ] || fail "the menu entry $id.desktop is missing"
  exec_line=$(sed -n 's/^Exec=//p' "$desktop")
  [ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not a program in usr/bin"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ "$icon" = "$id" ] || fail "Icon=$icon is not $id"
  for n in 16 22 24 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${n}x$n/apps/$icon.png
    [ -f "$png" ] || fail "the ${n}x$n icon is missing"
    [ "$(png_size "$png")" = "${n}x$n" ] || fail "the ${n}x$n icon is $(png_size "$png")"
  done
  cmp "$src/data/pictures/icon.svg" "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ||
    fail "the scalable icon is not data/pictures/icon.svg"

  # This release is named in the metadata, the manual page and the Debian changelog.
  metainfo=$root/usr/share/metainfo/$id.metainfo.xml
  grep -q "<release version=\"$version\"" "$metainfo" || fail "$id.metainfo.xml has no release $version"
  man=$root/usr/share/man/man1/tapwell.1.gz
  gzip -t "$man" || fail "the manual page is not gzipped"
  gzip -dc "$man" | grep -q "^\.TH TAPWELL 1 .*\"Tapwell $version\"" ||
    fail "the manual page is not tapwell(1) of Tapwell $version"
  changelog=$root/usr/share/doc/tapwell/changelog.Debian.gz
  gzip -dc "$changelog" | head -n 1 | grep -qF "tapwell ($deb_version)" ||
    fail "changelog.Debian.gz does not begin with version $deb_version"
  [ -f "$root/usr/share/doc/tapwell/copyright" ] || fail "the copyright file is missing"
  echo "package_build: $deb"
}

start() {
  [ -x "$root/usr/bin/tapwell" ] || fail "no unpacked program in $root"
  # The program names its data directory as Qt sees its own path: with no links.
  real_root=$(cd "$root" && pwd -P)
  run=$work/start
  rm -rf "$run"
  mkdir -p "$run/config" "$run/runtime"
  chmod 700 "$run/runtime"
  log=$run/stderr.log
  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='tapwell.*.debug=true' \
    XDG_CONFIG_HOME=$run/config XDG_RUNTIME_DIR=$run/runtime \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent ASAN_OPTIONS=detect_leaks=0 \
    "$real_root/usr/bin/tapwell" >/dev/null 2>"$log" &
  pid=$!
  want="data directory $real_root/usr/share/tapwell/"
  tries=0
  until grep -q 'data directory ' "$log"; do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" && rc=0 || rc=$?
      cat "$log" >&2
      fail "tapwell ended (status $rc) before naming its data directory"
    fi
    tries=$((tries + 1))
    if [ "$tries" -gt 600 ]; then
      kill "$pid" 2>/dev/null || true
      cat "$log" >&2
      fail "tapwell named no data directory in 60 s"
    fi
    sleep 0.1
  done
  if ! grep -qF "$want" "$log"; then
    kill "$pid" 2>/dev/null || true
    cat "$log" >&2
    fail "tapwell did not find its data in $real_root/usr/share/tapwell/"
  fi
  # Started, it waits on its start window until stopped.
  sleep 1
  kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "tapwell ended at its start"; }
  kill "$pid"
  { wait "$pid"; } 2>/dev/null || true
  if grep -E 'runtime error|Sanitizer|missing|cannot' "$log" >&2; then
    fail "tapwell complained at its start"
  fi
  grep -F "$want" "$log"
  echo "package_start: the unpacked tapwell found its data"
}

validate() {
  deb=$(the_deb)
  desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop-file-validate"
  # The metadata with its menu entry and icons, as installed; warnings fail too.
  appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
  lintian --fail-on error "$deb" || fail "lintian found errors"
  echo "package_validate: $deb"
}

case $step in
  build) build "$@" ;;
  start) start ;;
  validate) validate ;;
  *) fail "unknown step $step" ;;
esac
