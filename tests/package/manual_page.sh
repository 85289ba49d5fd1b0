#!/bin/sh
# The manual page renders without a troff warning, and its entries name exactly the
# options that `perfil --help` lists: a new mode without its entry fails here.
set -eu
perfil=$1
page=$2
source=$3
warnings=$(groff -ww -man -Tutf8 "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$perfil" --help | grep -o -- '--[a-z][a-z-]*' | sort -u >"$work/help"
sed -n 's/^\*-[a-z]\*, \*\(--[a-z-]*\)\*.*/\1/p; s/^\*\(--[a-z-]*\)\*.*/\1/p' "$source" |
  sort -u >"$work/manual"
if ! diff -u --label "perfil --help" --label "$(basename "$source")" "$work/help" "$work/manual"; then
  echo "the manual page's entries and --help name different options"
  exit 1
fi
