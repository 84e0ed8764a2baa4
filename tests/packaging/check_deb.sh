#!/usr/bin/env bash
# The Debian package made by cpack from this build's files: the expected
# files under /usr, the project's version (also the changelog's), Depends
# computed from the linked libraries, no maintainer scripts, and, where
# lintian is installed, no finding that is not overridden with its reason.
#   check_deb.sh BUILD EXPECTED_FILES VERSION RELEASE_DATE CHANGELOG
set -euo pipefail
build="$1" expected="$2" version="$3" release_date="$4" changelog="$5"
for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog; do
    command -v "$tool" > /dev/null || { echo "$tool is not installed"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

[ "$(dpkg-parsechangelog -l "$changelog" -S Version)" = "$version" ] ||
    { echo "$changelog does not start with version $version"; exit 1; }
[ "$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date)" +%F)" = "$release_date" ] ||
    { echo "$changelog does not date version $version $release_date"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work") > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb="$work/tesorin_${version}_$(dpkg --print-architecture).deb"
dpkg-deb --info "$deb"

[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || { echo "not version $version"; exit 1; }
depended="$(dpkg-deb --field "$deb" Depends | tr ',' '\n' | awk '$2 == "(>=" { print $1 }')"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libsqlite3-0; do
    grep -qxF "$library" <<< "$depended" || { echo "Depends lacks a versioned $library"; exit 1; }
done
control="$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -v '/$' | LC_ALL=C sort | tr '\n' ' ')"
[ "$control" = "./control ./md5sums " ] || { echo "control files: $control"; exit 1; }

dpkg-deb --contents "$deb" | awk '$6 !~ /\/$/ { print $6 }' | sed 's|^\./usr/||' | LC_ALL=C sort > "$work/contents"
diff -u "$expected" "$work/contents"
echo "package files: as expected"

if command -v lintian > /dev/null; then
    lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb"
    echo "lintian: no finding"
else
    echo "lintian is not installed: not run"
fi
