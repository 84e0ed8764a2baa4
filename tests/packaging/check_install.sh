#!/usr/bin/env bash
# An install into a temporary DESTDIR, under a prefix other than /usr, holds
# exactly the expected files. The installed program answers --version and
# --help, keeps its work areas in the per-user data folder and writes nothing
# next to itself.
#   check_install.sh BUILD EXPECTED_FILES VERSION
set -euo pipefail
build="$1" expected="$2" version="$3"
work="$(mktemp -d)"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2> /dev/null; rm -rf "$work"' EXIT

prefix=/opt/tesorin
DESTDIR="$work/stage" cmake --install "$build" --prefix "$prefix" > /dev/null
root="$work/stage$prefix"
(cd "$root" && find . -type f -o -type l) | sed 's|^\./||' | LC_ALL=C sort > "$work/installed"
diff -u "$expected" "$work/installed"
echo "installed files: as expected"

if command -v appstreamcli > /dev/null; then
    appstreamcli validate-tree --no-net --strict "$root"
fi

home="$work/home"
data="$home/.local/share/Tesorin"
mkdir "$home"
tesorin=(env -i HOME="$home" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
         "$root/bin/tesorin")

answer="$("${tesorin[@]}" --version)"
[ "$answer" = "Tesorin $version" ] || { echo "--version said: $answer"; exit 1; }
answer="$("${tesorin[@]}" --help)"
grep -qF "Las cajas se guardan en $data (la carpeta de datos del usuario)." <<< "$answer" ||
    { echo "--help said: $answer"; exit 1; }
[ ! -e "$data" ] || { echo "--help made $data"; exit 1; }

# Started for real, the program makes BASE.MDB in the data folder; it is
# ended once the file is there, or something else next to it, or after a
# minute.
"${tesorin[@]}" > "$work/run.log" 2>&1 &
pid=$!
for ((waited = 0; waited < 300; ++waited)); do
    [ -f "$data/BASE.MDB" ] || [ "$(ls -A "$root/bin")" != tesorin ] && break
    kill -0 "$pid" 2> /dev/null || { echo "the program ended:"; cat "$work/run.log"; exit 1; }
    sleep 0.2
done
kill "$pid"
wait "$pid" || true
pid=""
[ "$(ls -A "$root/bin")" = tesorin ] || { echo "written next to the program:"; ls -A "$root/bin"; exit 1; }
[ -f "$data/BASE.MDB" ] || { echo "no BASE.MDB in $data:"; cat "$work/run.log"; exit 1; }
echo "the installed program keeps its work areas in $data"
