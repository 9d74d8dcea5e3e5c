#!/usr/bin/env bash
# The Debian package, built by cpack from the build directory into
# BUILD/package: its dependencies are dpkg-shlibdeps' (versioned library
# packages) plus what the program loads at run time; it holds the program, the
# read-only data tree and the desktop files, and none of the files a user
# writes; lintian finds no error and no warning (its remarks are printed),
# and no missing hardening (fortify, stack protector, relro, bind now).
# Usage: package_deb.sh BUILD_DIR
set -euo pipefail
build=$(readlink -f "$1")
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$build/package"
mkdir -p "$build/package"
(cd "$build" && cpack -G DEB -B "$build/package" > "$build/package/cpack.log" 2>&1) ||
  fail "cpack: $(cat "$build/package/cpack.log")"
debs=("$build"/package/q3config_*.deb)
[ ${#debs[@]} = 1 ] || fail "packages: ${debs[*]}"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = q3config ] || fail "Package: $(field Package)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
# Computed: libraries with the least versions their symbols need.
for library in libc6 libqt6core6 libqt6gui6 libqt6quick6 libqt6quickwidgets6 libqt6multimedia6 \
               libhidapi-hidraw0 libudev1 libxi6; do
  echo "$depends" | grep -q -E "(^|, )$library \(>= [^)]+\)(,|$)" ||
    fail "Depends lacks a computed $library: $depends"
done
# Loaded at run time, invisible to dpkg-shlibdeps.
for runtime in qt6-qpa-plugins qt6-wayland qml6-module-qtquick qml6-module-qtqml \
               qml6-module-qtqml-workerscript \
               gstreamer1.0-plugins-base gstreamer1.0-plugins-good; do
  echo "$depends" | grep -q -E "(^|, )$runtime(,|$)" || fail "Depends lacks $runtime: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$build/package/contents.txt"
for path in /usr/bin/q3config /usr/lib/udev/rules.d/70-q3config.rules \
            /usr/share/applications/io.github.q3config.q3config.desktop \
            /usr/share/metainfo/io.github.q3config.q3config.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/io.github.q3config.q3config.svg \
            /usr/share/man/man1/q3config.1.gz /usr/share/doc/q3config/copyright \
            /usr/share/bash-completion/completions/q3config \
            /usr/share/doc/q3config/changelog.gz \
            /usr/share/q3config/modules/setting/HWDef.bin \
            /usr/share/q3config/modules/setting/KeyCodeDef.bin \
            /usr/share/q3config/modules/setting/apConfigD.bin \
            /usr/share/q3config/modules/setting/pD.bin \
            /usr/share/q3config/modules/i18n/lang_031000.ini \
            /usr/share/q3config/modules/media/00.mp3 /usr/share/q3config/modules/media/04.wav \
            /usr/share/q3config/modules/img/skin1/background.png \
            /usr/share/q3config/modules/img/skin2/background.png \
            /usr/share/q3config/modules/img/skin1/common/add_0@2x.png \
            /usr/share/q3config/modules/img/skin2/model_kb/k1-0@2x.png; do
  grep -q -x -F "$path" "$build/package/contents.txt" || fail "package lacks $path"
done
if grep -E '/(apConfig\.bin|p[0-9]+\.bin)$|/macro/' "$build/package/contents.txt"; then
  fail "package holds files a user writes (above)"
fi

lintian --fail-on error,warning --display-info --pedantic "$deb" > "$build/package/lintian.txt" 2>&1 ||
  fail "lintian: $(cat "$build/package/lintian.txt")"
# The distribution's hardening: lintian at info level names none missing.
# A sanitizer build leaves it out on purpose (its package is never shipped).
sanitizers=$(sed -n 's/^Q3_SANITIZE:[A-Z]*=//p' "$build/CMakeCache.txt")
if [ -n "$sanitizers" ]; then
  echo "hardening not checked: a build with the $sanitizers sanitizers"
elif grep -E 'hardening-no-' "$build/package/lintian.txt"; then
  fail "the packaged program lacks hardening (above)"
fi
echo "lintian remarks:"
sed 's/^/  /' "$build/package/lintian.txt"
echo "package_deb: $(basename "$deb"), $(stat -c %s "$deb") bytes, Installed-Size $(field Installed-Size) KiB"
echo "Depends: $depends"
