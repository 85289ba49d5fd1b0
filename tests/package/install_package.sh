#!/bin/sh
# Builds the Debian package from the build tree and installs it as a user would, into a
# throw-away root so that the machine is left alone; runs what it installed, then
# removes it and looks for anything left behind.
set -eu
cpack=$1
build=$2
if [ "$(id -u)" != 0 ]; then
  echo "skipped: installing a package with dpkg needs root"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*"
  exit 1
}

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(echo "$work"/out/perfil_*.deb)
echo "== $(basename "$deb")"
dpkg-deb --info "$deb"

echo "== lintian"
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || lintian=failed
grep -v 'root privileges' "$work/lintian.log" || true
[ -z "${lintian:-}" ] || fail "lintian reports errors"

# The throw-away root has no packages, so dpkg is told to install without them; the
# machine running this has them all, since it ran the program's other tests.
dpkg-checkbuilddeps -d "$(dpkg-deb --field "$deb" Depends)" /dev/null ||
  fail "Depends names packages this machine does not have"
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg_root() {
  dpkg --root="$root" --log="$work/dpkg.log" "$@"
}
echo "== install"
dpkg_root --force-depends --install "$deb" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "dpkg --install"; }
dpkg_root --listfiles perfil >"$work/files"
cat "$work/files"
while read -r path; do
  [ -d "$root$path" ] || case $path in *perfil*) ;; *) fail "$path is not the package's own" ;; esac
done <"$work/files"

echo "== installed program"
perfil=$root/usr/bin/perfil
if ldd "$perfil" | grep -e 'not found' -e "$build"; then
  fail "the installed program needs libraries from outside the system"
fi
version=$(dpkg-deb --field "$deb" Version)
installed=$("$perfil" --version)
echo "$installed"
[ "$installed" = "perfil $version" ] || fail "--version"
changelog=$(zcat "$root/usr/share/doc/perfil/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$changelog" = "$version" ] || fail "the changelog's last entry is $changelog, not $version"
LC_ALL=C "$perfil" --properties "$root/usr/share/doc/perfil/examples/lipped-c.per" |
  tee "$work/properties"
grep -q '^Área: *510\.00 mm2$' "$work/properties" || fail "--properties on an installed example"

echo "== desktop entry and file type"
entry=$root/usr/share/applications/perfil.desktop
grep -q '^Exec=perfil ' "$entry" || fail "the desktop entry does not start the program"
type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$entry")
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon"
# The file types database the desktop reads, built from the installed declaration alone.
mkdir -p "$work/mime/packages"
cp "$root"/usr/share/mime/packages/*.xml "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1
grep -q ":$type:\*\.per$" "$work/mime/globs2" || fail "*.per is not $type"
echo "*.per is $type, opened by $(sed -n 's/^Name=//p' "$entry")"

echo "== removal"
dpkg_root --purge perfil
if dpkg_root --listfiles perfil >/dev/null 2>&1; then
  fail "perfil still installed"
fi
left=$(cd "$root" && find . -mindepth 1 ! -path ./var ! -path ./var/lib ! -path './var/lib/dpkg*')
[ -z "$left" ] || fail "left behind: $left"
echo "$(wc -l <"$work/files") paths installed, none left"
cat "$work/dpkg.log"
