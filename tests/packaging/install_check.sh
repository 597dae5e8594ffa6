#!/bin/sh
# Installs Tessaly into a staging folder with DESTDIR, checks the desktop entry and the AppStream
# data as desktop software centres read them, and starts the installed executable for --version and
# --help with no display at all.
# install_check.sh <build folder> <staging folder>
set -eu
build=$1
stage=$2
prefix="$stage/usr"

rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

for file in bin/tessaly share/tessaly/Tessaly.hlp share/tessaly/Misc1.Hlp share/tessaly/WP8.jpg \
    share/applications/org.tessaly.Tessaly.desktop share/metainfo/org.tessaly.Tessaly.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.tessaly.Tessaly.svg share/man/man1/tessaly.1; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done

desktop-file-validate "$prefix/share/applications/org.tessaly.Tessaly.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.tessaly.Tessaly.metainfo.xml"

headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tessaly" "$@"; }
version=$(headless --version)
[ "$version" = "Tessaly 6.0a" ] || { echo "--version printed: $version" >&2; exit 1; }
headless --help | grep -q -- "--version" || { echo "--help does not list --version" >&2; exit 1; }
if headless --version --no-such-option >/dev/null 2>&1; then
    echo "an unknown option was accepted" >&2
    exit 1
fi
echo "installed, validated, and answered: $version"
