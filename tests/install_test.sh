#!/bin/sh
# Installs the built game into a fresh prefix, then runs the installed driver from an
# unrelated folder with a read-only game folder: it must find its assets and save its
# games into the user's data folder.
# usage: install_test.sh BUILD_DIR
set -eu
build="$1"
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
# The player's own settings are never read or written by a test.
export XDG_CONFIG_HOME="$work/config"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/annals bin/annals-cli lib/annals/Art/unitSprite.bmp lib/annals/Sounds lib/annals/Music \
         lib/annals/language.txt share/applications/annals.desktop \
         share/icons/hicolor/scalable/apps/annals.svg; do
    [ -e "$work/prefix/$f" ] || { echo "the install lacks $f"; exit 1; }
done
grep -q '^Exec=annals$' "$work/prefix/share/applications/annals.desktop"
chmod -R a-w "$work/prefix/lib/annals"
mkdir "$work/elsewhere" "$work/data"
cd "$work/elsewhere"
XDG_DATA_HOME="$work/data" "$work/prefix/bin/annals-cli" new --out game.txt --size tiny >/dev/null
XDG_DATA_HOME="$work/data" "$work/prefix/bin/annals-cli" check game.txt >/dev/null
XDG_DATA_HOME="$work/data" "$work/prefix/bin/annals-cli" shot game.txt --out game.png --frames 2 >/dev/null
[ -s game.png ] || { echo "the installed game drew nothing"; exit 1; }
echo "installed game runs from any folder"
