#!/usr/bin/env bash
# The Debian package as apt and a desktop see it, without installing it: its control fields,
# its files, its menu entry and AppStream metadata, and whether apt can resolve it here.
#
#   check-package.sh DEB VERSION     VERSION is the project's version
#
# Every check runs; each failure is named, and the last line counts them.
set -uo pipefail

[ $# -eq 2 ] && [ -f "$1" ] || { echo "usage: check-package.sh DEB VERSION" >&2; exit 2; }
deb=$(realpath "$1")
version=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
dpkg-deb -x "$deb" "$root" || { echo "package: FAIL: dpkg-deb -x $deb failed" >&2; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
problem() { echo "  $*" >&2; }

# The package names of the Depends line, one a line, without versions or architectures;
# alternatives count too.
depends=$(field Depends | tr ',|' '\n\n' | sed -E 's/\(.*\)//; s/^ +//; s/ +$//; s/:[a-z0-9-]+$//')

# Fault: apt knows the package under another name, or at a version that is not the program's.
control_names_pindrel_at_the_project_version() {
  local ok=0
  [ "$(field Package)" = pindrel ] || { problem "Package is '$(field Package)'"; ok=1; }
  [ "$(field Version)" = "$version" ] ||
    { problem "Version is '$(field Version)', the project's is $version"; ok=1; }
  return $ok
}

# Fault: Depends lacks the Qt libraries (no dpkg-shlibdeps) or what Qt loads only at run time.
depends_names_what_the_program_needs() {
  local ok=0 name
  for name in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libthai0 \
    qt6-speech-flite-plugin fonts-thai-tlwg fonts-dejavu-core; do
    grep -qx -- "$name" <<<"$depends" ||
      { problem "Depends does not name $name: $(field Depends)"; ok=1; }
  done
  return $ok
}

# Fault: files staged outside usr/bin, usr/lib and usr/share (another prefix), or left out.
files_lie_where_the_install_puts_them() {
  local ok=0 file target
  for file in usr/lib/pindrel/pindrel usr/lib/pindrel/school.txt usr/lib/pindrel/house.txt \
    usr/lib/pindrel/animals.txt usr/lib/pindrel/00.jpg usr/lib/pindrel/09.jpg \
    usr/lib/pindrel/help04.hlp usr/share/applications/pindrel.desktop \
    usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/pindrel.png \
    usr/share/icons/hicolor/scalable/apps/pindrel.svg; do
    [ -f "$root/$file" ] || { problem "no $file"; ok=1; }
  done
  target=$(readlink "$root/usr/bin/pindrel")
  [ "$target" = ../lib/pindrel/pindrel ] || { problem "usr/bin/pindrel links to '$target'"; ok=1; }
  [ "$(find "$root/usr/share/metainfo" -name '*.metainfo.xml' 2>/dev/null | wc -l)" -eq 1 ] ||
    { problem "usr/share/metainfo does not hold exactly one .metainfo.xml"; ok=1; }
  local stray
  stray=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr &&
    find usr -mindepth 1 -maxdepth 1 ! -name bin ! -name lib ! -name share)
  [ -z "$stray" ] || { problem "files outside usr/bin, usr/lib and usr/share: $stray"; ok=1; }
  return $ok
}

# Fault: the package ships the build's symbols and debug information, several times the size.
program_is_stripped() {
  local sections
  sections=$(readelf -S -W "$root/usr/lib/pindrel/pindrel") || return 1
  if grep -qE '\.(symtab|debug_info)\b' <<<"$sections"; then
    problem "usr/lib/pindrel/pindrel keeps .symtab or .debug_info"
    return 1
  fi
}

# Fault: the menu entry starts a path of the build machine (CPack's staging), or
# desktop-file-validate has anything to say of it, a hint included.
menu_entry_starts_the_installed_command() {
  local ok=0 desktop="$root/usr/share/applications/pindrel.desktop" complaints
  grep -qx 'Exec="/usr/bin/pindrel"' "$desktop" ||
    { problem "the menu entry's $(grep '^Exec=' "$desktop")"; ok=1; }
  complaints=$(desktop-file-validate "$desktop" 2>&1)
  [ -z "$complaints" ] || { problem "desktop-file-validate: $complaints"; ok=1; }
  return $ok
}

# Fault: AppStream finds anything amiss in the metadata (pedantic issues included), its
# launchable names no entry, or its release is old.
metainfo_validates_and_describes_this_release() {
  local ok=0 metainfo newest
  metainfo=$(find "$root/usr/share/metainfo" -name '*.metainfo.xml' | head -n1)
  [ -n "$metainfo" ] || { problem "no metainfo"; return 1; }
  # --strict fails on an issue of any severity but pedantic; a pedantic one fails by its line.
  appstreamcli validate --pedantic --strict --no-net "$metainfo" >"$work/validate.log" 2>&1 &&
    ! grep -q '^ *[EWIP]: ' "$work/validate.log" ||
    { problem "appstreamcli validate: $(cat "$work/validate.log")"; ok=1; }
  # The whole tree: the launchable must name a menu entry that the package holds.
  appstreamcli validate-tree --pedantic --strict --no-net "$root" >"$work/validate-tree.log" 2>&1 &&
    ! grep -q '^ *[EWIP]: ' "$work/validate-tree.log" ||
    { problem "appstreamcli validate-tree: $(cat "$work/validate-tree.log")"; ok=1; }
  newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n1 |
    sed -E 's/.*version="([^"]*)"/\1/')
  [ "$newest" = "$version" ] ||
    { problem "the newest <release> is '$newest', the package is $version"; ok=1; }
  return $ok
}

# Fault: a Depends entry or version that this Debian release cannot satisfy.
apt_resolves_the_package() {
  # --reinstall: the same answer on a machine where this version is installed already.
  if ! apt-get install --simulate --reinstall "$deb" >"$work/apt.log" 2>&1; then
    problem "apt-get install --simulate: $(cat "$work/apt.log")"
    return 1
  fi
  grep -q '^Inst pindrel ' "$work/apt.log" ||
    { problem "apt would not install pindrel: $(cat "$work/apt.log")"; return 1; }
}

passed=0
failed=0
for check in control_names_pindrel_at_the_project_version depends_names_what_the_program_needs \
  files_lie_where_the_install_puts_them program_is_stripped \
  menu_entry_starts_the_installed_command metainfo_validates_and_describes_this_release \
  apt_resolves_the_package; do
  if "$check"; then
    echo "package: PASS: $check"
    passed=$((passed + 1))
  else
    echo "package: FAIL: $check" >&2
    failed=$((failed + 1))
  fi
done
echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
