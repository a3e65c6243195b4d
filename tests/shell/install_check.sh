#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that a desktop finds the program
# there: the program, its help file in share/vantorel/, the desktop entry and the icon
# it names.
# Usage: install_check.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install check: $*" >&2; exit 1; }

[[ -x $prefix/bin/vantorel ]] || fail "bin/vantorel missing or not executable"
[[ -s $prefix/share/vantorel/VANTOREL.chm ]] || fail "share/vantorel/VANTOREL.chm missing"

entry=$prefix/share/applications/vantorel.desktop
[[ -f $entry ]] || fail "share/applications/vantorel.desktop missing"
field() { sed -n "s/^$1=//p" "$entry"; }
[[ $(head -n1 "$entry") == "[Desktop Entry]" ]] || fail "the desktop entry lacks its group header"
[[ $(field Type) == Application ]] || fail "Type is not Application"
[[ $(field Categories) == "Qt;Utility;Calculator;" ]] || fail "Categories: $(field Categories)"
[[ -x $prefix/bin/$(field Exec) ]] || fail "Exec names no installed program: $(field Exec)"
[[ -n $(field Name) ]] || fail "Name is empty"

icon=$(field Icon)
found=$(find "$prefix/share/icons/hicolor" -name "$icon.svg" -o -name "$icon.png" | head -n1)
[[ -n $found ]] || fail "no icon named $icon under share/icons/hicolor"
case $found in
  */scalable/apps/*.svg) grep -q '<svg' "$found" || fail "$found is no SVG picture" ;;
  */apps/*.png) ;;
  *) fail "icon in the wrong place: $found" ;;
esac
echo "install check: ok"
