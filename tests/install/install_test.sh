#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and builds the Debian package, then checks both:
# the exact file list, the icons' sizes, the desktop entry, the package's fields, and that the
# packaged program starts from the desktop entry's command and keeps its score table in the
# user's data folder, writing nothing into its own folders.
# Usage: install_test.sh <cmake> <cpack> <build dir>
set -euo pipefail
cmake="$1"; cpack="$2"; build="$3"
work="$(mktemp -d)"
game_pid=""
trap '[ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

expected="$work/expected"
{
  echo usr/bin/kalmex-bubbles
  echo usr/share/applications/kalmex-bubbles.desktop
  for n in 16 32 48 64 128 256; do echo "usr/share/icons/hicolor/${n}x${n}/apps/kalmex-bubbles.png"; done
  echo usr/share/kalmex-bubbles/rules_cz.txt
  echo usr/share/kalmex-bubbles/rules_en.txt
} | sort >"$expected"

# ---- cmake --install ----
DESTDIR="$work/root" "$cmake" --install "$build" --prefix /usr >"$work/install.log"
(cd "$work/root" && find . -type f -printf '%P\n' | sort) >"$work/installed"
diff -u "$expected" "$work/installed" || fail "cmake --install put other files than expected"
[ -x "$work/root/usr/bin/kalmex-bubbles" ] || fail "the installed program is not executable"

for n in 16 32 48 64 128 256; do
  size=$(identify -format '%wx%h' "$work/root/usr/share/icons/hicolor/${n}x${n}/apps/kalmex-bubbles.png")
  [ "$size" = "${n}x${n}" ] || fail "the ${n}x${n} icon is $size"
done

entry="$work/root/usr/share/applications/kalmex-bubbles.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejected the entry"
for line in 'Type=Application' 'Name=Kalmex Bubbles' 'Exec=kalmex-bubbles' 'Icon=kalmex-bubbles' \
            'Categories=Game;BoardGame;' 'Terminal=false'; do
  grep -qxF "$line" "$entry" || fail "the desktop entry lacks '$line'"
done
grep -q '^Comment=.' "$entry" || fail "the desktop entry has no comment"
cmp -s "$entry" "$(dirname "$0")/../../packaging/kalmex-bubbles.desktop" || fail "the installed entry differs from the source"

# ---- the Debian package ----
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$work/package/kalmex-bubbles_1.01_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$work/package"; fail "no package named $(basename "$deb")"; }
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kalmex-bubbles ] || fail "package name $(field Package)"
[ "$(field Version)" = 1.01 ] || fail "package version $(field Version)"
[ "$(field Section)" = games ] || fail "package section $(field Section)"
[[ "$(field Maintainer)" =~ ^.+\ \<.+@.+\>$ ]] || fail "maintainer '$(field Maintainer)' is not 'Name <address>'"
[ -n "$(field Description)" ] || fail "no description"
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo libc6 fonts-dejavu-core; do
  field Depends | tr ',' '\n' | grep -q "^ *$dependency\b" || fail "Depends lacks $dependency: $(field Depends)"
done
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./||' | sort >"$work/packaged"
diff -u "$expected" "$work/packaged" || fail "the package holds other files than the install"
dpkg-deb -c "$deb" | awk '{print $2}' | sort -u | grep -qvx root/root && fail "package files not owned by root"

# ---- the packaged program starts from the desktop entry's command ----
dpkg-deb -x "$deb" "$work/unpacked"
(cd "$work/unpacked" && find . -printf '%P\n' | sort) >"$work/unpacked.before"
home="$work/home"
mkdir -p "$home"
command=$(sed -n 's/^Exec=//p' "$work/unpacked/usr/share/applications/kalmex-bubbles.desktop")
env -i PATH="$work/unpacked/usr/bin:/usr/bin:/bin" HOME="$home" XDG_DATA_HOME="$home/.local/share" \
  QT_QPA_PLATFORM=offscreen sh -c "exec $command" >"$work/game.log" 2>&1 &
game_pid=$!
score="$home/.local/share/kalmex-bubbles/Score.dat"
for _ in $(seq 200); do
  [ "$(stat -c %s "$score" 2>/dev/null)" = 286 ] && break
  kill -0 "$game_pid" 2>/dev/null || { cat "$work/game.log"; fail "the program ended at once"; }
  sleep 0.1
done
[ "$(stat -c %s "$score" 2>/dev/null)" = 286 ] || { cat "$work/game.log"; fail "no score table in the user's data folder"; }
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || { cat "$work/game.log"; fail "the program did not keep running"; }
kill "$game_pid"; wait "$game_pid" 2>/dev/null || true; game_pid=""
(cd "$work/unpacked" && find . -printf '%P\n' | sort) >"$work/unpacked.after"
diff -u "$work/unpacked.before" "$work/unpacked.after" || fail "the program wrote into its installed folders"
echo "install, package and start checked"
