#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a temporary root and checks what a
# user's machine would get: the laid-out files, the link on the PATH, the dependencies, and that the
# installed program starts headless and makes its folder of documents the current directory.
#   check-package.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

deb=$("$source_dir/scripts/package.sh" "$build_dir" | tail -n 1)
[ -f "$deb" ] || fail "no package was made"
root=$(mktemp -d)
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  rm -rf "$root"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$root"

# The program folder, the link, the menu entry, the icons, the metainfo, the manual page.
expected=(
  usr/lib/vireka/vireka
  usr/share/applications/example.vireka.Vireka.desktop
  usr/share/metainfo/example.vireka.Vireka.metainfo.xml
  usr/share/man/man1/vireka.1.gz
  usr/share/doc/vireka/copyright
  usr/share/doc/vireka/changelog.gz
)
for pixels in 16 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${pixels}x${pixels}/apps/example.vireka.Vireka.png")
done
for file in "${expected[@]}"; do
  [ -f "$root/$file" ] || fail "missing /$file"
done
[ -x "$root/usr/lib/vireka/vireka" ] || fail "the program is not executable"
[ -L "$root/usr/bin/vireka" ] || fail "/usr/bin/vireka is not a link"
[ "$(readlink "$root/usr/bin/vireka")" = "../lib/vireka/vireka" ] || fail "/usr/bin/vireka points elsewhere"

# Every document and photograph that ships lies beside the program, and nothing else does.
for file in "$source_dir"/content/documents/*.rtf "$source_dir"/content/photos/*; do
  cmp -s "$file" "$root/usr/lib/vireka/$(basename "$file")" || fail "$(basename "$file") not shipped as it is"
done
shipped=$(ls "$source_dir"/content/documents/*.rtf "$source_dir"/content/photos/* | wc -l)
[ "$(ls "$root/usr/lib/vireka" | wc -l)" -eq $((shipped + 1)) ] || fail "unexpected files in /usr/lib/vireka"

# Dependencies found from the binary and from the font it draws with.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

# Started through the link from elsewhere, headless, it makes its own folder current, where the
# documents are, and keeps running until it is ended.
folder=$(realpath "$root/usr/lib/vireka")
(cd / && QT_QPA_PLATFORM=offscreen exec "$root/usr/bin/vireka" >/dev/null 2>&1) &
program=$!
for _ in $(seq 1 300); do
  [ "$(readlink "/proc/$program/cwd" 2>/dev/null)" = "$folder" ] && break
  kill -0 "$program" 2>/dev/null || fail "the installed program ended by itself"
  sleep 0.1
done
[ "$(readlink "/proc/$program/cwd")" = "$folder" ] || fail "the installed program did not find its folder"
[ -f "/proc/$program/cwd/YogaDef.rtf" ] || fail "the documents are not in the program's folder"
echo "package $(basename "$deb") checked"
