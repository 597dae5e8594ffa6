#!/bin/sh
# Installs into a staging folder with DESTDIR, validates the menu entry and the AppStream data, and
# asks the installed executable for --version and --help with no display at all.
# install_check.sh <build folder> <staging folder>
set -eu
prefix="$2/usr"
rm -rf "$2"
DESTDIR="$2" cmake --install "$1" --prefix /usr >/dev/null
for file in share/tessaly/Tessaly.hlp share/tessaly/WP8.jpg share/icons/hicolor/scalable/apps/org.tessaly.Tessaly.svg \
    share/icons/hicolor/48x48/apps/org.tessaly.Tessaly.png share/man/man1/tessaly.1; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
desktop-file-validate "$prefix/share/applications/org.tessaly.Tessaly.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.tessaly.Tessaly.metainfo.xml"

headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tessaly" "$@"; }
[ "$(headless --version)" = "Tessaly 6.0a" ] || { echo "--version printed: $(headless --version)" >&2; exit 1; }
headless --help | grep -q -- "--version" || { echo "--help does not list --version" >&2; exit 1; }
