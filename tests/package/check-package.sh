#!/usr/bin/env bash
# The Debian package as apt, Debian and a desktop see it, without installing it: its control
# fields, its files, what lintian says of it, its menu entry and AppStream metadata, its change
# log, and whether apt can resolve it here.
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

# Fault: files staged outside usr/games, usr/lib and usr/share (another prefix), left out, or
# data in the program folder that is not a link to where Debian keeps a game's data.
files_lie_where_the_install_puts_them() {
  local ok=0 file target name
  for file in usr/lib/games/pindrel/pindrel usr/lib/games/pindrel/pindrel-speak \
    usr/share/applications/pindrel.desktop \
    usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/pindrel.png \
    usr/share/icons/hicolor/scalable/apps/pindrel.svg usr/share/man/man6/pindrel.6.gz \
    usr/share/doc/pindrel/copyright usr/share/doc/pindrel/changelog.gz; do
    [ -f "$root/$file" ] || { problem "no $file"; ok=1; }
  done
  for name in school.txt house.txt animals.txt 00.jpg 09.jpg help04.hlp; do
    [ -f "$root/usr/share/games/pindrel/$name" ] || { problem "no usr/share/games/pindrel/$name"; ok=1; }
    target=$(readlink "$root/usr/lib/games/pindrel/$name")
    [ "$target" = "../../../share/games/pindrel/$name" ] ||
      { problem "usr/lib/games/pindrel/$name links to '$target'"; ok=1; }
  done
  target=$(readlink "$root/usr/games/pindrel")
  [ "$target" = ../lib/games/pindrel/pindrel ] || { problem "usr/games/pindrel links to '$target'"; ok=1; }
  [ "$(find "$root/usr/share/metainfo" -name '*.metainfo.xml' 2>/dev/null | wc -l)" -eq 1 ] ||
    { problem "usr/share/metainfo does not hold exactly one .metainfo.xml"; ok=1; }
  local stray
  stray=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr &&
    find usr -mindepth 1 -maxdepth 1 ! -name games ! -name lib ! -name share)
  [ -z "$stray" ] || { problem "files outside usr/games, usr/lib and usr/share: $stray"; ok=1; }
  return $ok
}

# Fault: a package Debian would not accept: lintian finds an error or a warning (pedantic
# tags included). Its informational tags are explained in cmake/Packaging.cmake.
lintian_accepts_the_package() {
  # lintian asks not to run as root, but its checks are the same.
  lintian --pedantic --fail-on error,warning,pedantic "$deb" >"$work/lintian.log" 2>&1 ||
    { problem "lintian: $(grep -v 'root privileges' "$work/lintian.log")"; return 1; }
}

# Fault: the package ships the build's symbols and debug information, several times the size.
program_is_stripped() {
  local ok=0 program sections
  for program in pindrel pindrel-speak; do
    sections=$(readelf -S -W "$root/usr/lib/games/pindrel/$program") || return 1
    if grep -qE '\.(symtab|debug_info)\b' <<<"$sections"; then
      problem "usr/lib/games/pindrel/$program keeps .symtab or .debug_info"
      ok=1
    fi
  done
  return $ok
}

# Fault: the menu entry starts a path of the build machine (CPack's staging), or
# desktop-file-validate has anything to say of it, a hint included.
menu_entry_starts_the_installed_command() {
  local ok=0 desktop="$root/usr/share/applications/pindrel.desktop" complaints
  grep -qx 'Exec="/usr/games/pindrel"' "$desktop" ||
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

# Fault: the change log's newest entry is not this version, or is no Debian change log.
changelog_describes_this_release() {
  local newest
  newest=$(gunzip -c "$root/usr/share/doc/pindrel/changelog.gz" | dpkg-parsechangelog -l - -S Version 2>&1)
  [ "$newest" = "$version" ] || { problem "the change log's newest version is '$newest'"; return 1; }
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
  files_lie_where_the_install_puts_them lintian_accepts_the_package program_is_stripped \
  menu_entry_starts_the_installed_command metainfo_validates_and_describes_this_release \
  changelog_describes_this_release apt_resolves_the_package; do
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
