#!/usr/bin/env bash
# The layout's rules, checked on every run of the suite:
#  1. folders are floors: a file in src/<folder>/ includes only its own folder and the ones
#     below it, in the order below;
#  2. nothing built into tessaly_core includes a QtWidgets or QtPrintSupport header, or one of
#     our own files that is built into tessaly_gui;
#  3. every source file matches .clang-format.
# usage: house_check.sh <source dir> <core sources file> <gui sources file> <Qt include dirs...>
set -uo pipefail
src=$1
core_list=$2
gui_list=$3
shift 3
floors=(base richtext catalog editing printing timeline worksheets register actionarea binder readers backup app)
failures=0

fail() {
    echo "$1"
    failures=$((failures + 1))
}

declare -A floor_of
for i in "${!floors[@]}"; do
    floor_of[${floors[$i]}]=$i
done

# 1. Floors.
for file in "$src"/src/*/*.h "$src"/src/*/*.cpp; do
    folder=$(basename "$(dirname "$file")")
    own=${floor_of[$folder]:--1}
    [ "$own" -lt 0 ] && fail "$file: its folder $folder has no floor" && continue
    while IFS= read -r included; do
        used=${floor_of[$included]:-99}
        [ "$used" -gt "$own" ] && fail "${file#"$src"/}: includes $included/, which is not below $folder/"
    done < <(sed -n 's|^#include "\([a-z]*\)/.*|\1|p' "$file" | sort -u)
done

# 2. The core never reaches for a widget.
widget_headers=$(for dir in "$@"; do
    case "$dir" in
    */QtWidgets | */QtPrintSupport) ls "$dir" ;;
    esac
done | sort -u)
[ -z "$widget_headers" ] && fail "no QtWidgets headers found in: $*"
gui_files=$(sed -n "s|^$src/src/||p" "$gui_list" | sort -u)
while IFS= read -r file; do
    case "$file" in "$src"/src/*) ;; *) continue ;; esac
    while IFS= read -r header; do
        name=${header#QtWidgets/}
        name=${name#QtPrintSupport/}
        if [ "$name" != "$header" ] || grep -qxF "$name" <<<"$widget_headers"; then
            fail "${file#"$src"/}: a core file includes <$header>"
        fi
    done < <(sed -n 's|^#include <\([^>]*\)>.*|\1|p' "$file")
    while IFS= read -r own_header; do
        if grep -qxF "$own_header" <<<"$gui_files"; then
            fail "${file#"$src"/}: a core file includes \"$own_header\", which is built into tessaly_gui"
        fi
    done < <(sed -n 's|^#include "\([^"]*\)".*|\1|p' "$file")
done < "$core_list"

# 3. Formatting.
if ! command -v clang-format >/dev/null; then
    fail "clang-format is not installed (./build.sh test installs it)"
else
    cd "$src" || exit 1
    unformatted=$(git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror 2>&1 |
        sed -n 's|^\([^:]*\):[0-9]*:[0-9]*: error:.*|\1|p' | sort -u)
    [ -n "$unformatted" ] && fail "not formatted as .clang-format says:
$unformatted"
fi

[ "$failures" -eq 0 ] && echo "The layout keeps its rules." && exit 0
echo "$failures rule(s) broken."
exit 1
