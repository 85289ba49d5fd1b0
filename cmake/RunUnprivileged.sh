#!/bin/sh
# Runs a test program as a user whom file modes bind. Root ignores them, so as root the
# program is copied where anyone may run it and started as nobody; any other user runs
# it as it is.
set -eu
program=$1
shift
if [ "$(id -u)" != 0 ]; then
  exec "$program" "$@"
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$program" "$dir/"
chmod 755 "$dir" "$dir/$(basename "$program")"
setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups \
  "$dir/$(basename "$program")" "$@"
