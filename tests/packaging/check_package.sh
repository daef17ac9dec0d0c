#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the build folder $1, checks what it installs and where, that
# lintian finds no error in it, that its programs are hardened, and that the program it carries
# starts (and keeps running) on Qt's offscreen platform.
set -euo pipefail
build="$1"
app_id="$2"
version="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(ls "$work"/ruvek_*.deb)

contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/ruvek \
         "./usr/share/applications/$app_id.desktop" \
         "./usr/share/metainfo/$app_id.metainfo.xml" \
         "./usr/share/icons/hicolor/16x16/apps/$app_id.png" \
         "./usr/share/icons/hicolor/32x32/apps/$app_id.png" \
         ./usr/share/doc/ruvek/copyright ./usr/share/doc/ruvek/changelog.gz \
         ./usr/bin/ruvek-cli ./usr/share/man/man1/ruvek.1.gz ./usr/share/man/man1/ruvek-cli.1.gz \
         ./usr/share/bash-completion/completions/ruvek-cli \
         ./usr/share/ruvek/proj/es_ign_SPED2ETV2.tif ./usr/share/ruvek/proj/LICENSE.txt; do
  grep -qF " $f" <<<"$contents" || { echo "missing from the package: $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libproj libexpat1 libminizip1 libdeflate0; do
  grep -q "$d" <<<"$depends" || { echo "Depends lacks $d: $depends"; exit 1; }
done

copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/ruvek/copyright)
grep -qx 'License: GPL-3.0-or-later' <<<"$copyright" || { echo "the copyright file names no licence"; exit 1; }
grep -qx 'License: CC-BY-4.0' <<<"$copyright" || { echo "the copyright file does not credit IGN"; exit 1; }
# A local package is unsigned and has no source package; lintian's errors are what counts.
errors=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep '^E:' || true)
[ -z "$errors" ] || { echo "lintian: $errors"; exit 1; }

dpkg-deb -x "$deb" "$work/root"
# Both programs hardened as Debian's hardening=+all asks: position-independent, full RELRO
# (read-only after relocation, bound at start), stack protector, fortified calls.
for program in ruvek ruvek-cli; do
  elf="$work/root/usr/bin/$program"
  readelf -hW "$elf" | grep -qE 'Type: +DYN' || { echo "$program is not position-independent"; exit 1; }
  readelf -lW "$elf" | grep -q GNU_RELRO || { echo "$program has no RELRO segment"; exit 1; }
  readelf -dW "$elf" | grep -qE '\(BIND_NOW\)|Flags:.* NOW' || { echo "$program is not bound now"; exit 1; }
  symbols=$(readelf --dyn-syms -W "$elf")
  grep -q ' __stack_chk_fail' <<<"$symbols" || { echo "$program has no stack protector"; exit 1; }
  grep -qE ' __[a-z0-9_]+_chk(@|$)' <<<"$symbols" || { echo "$program calls no fortified function"; exit 1; }
done
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/ruvek" >"$work/log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  echo "the packaged program did not keep running (exit $status):"
  cat "$work/log"
  exit 1
fi
[ "$("$work/root/usr/bin/ruvek-cli" --version)" = "ruvek-cli $version" ] ||
  { echo "the packaged ruvek-cli does not run"; exit 1; }
# The installed program finds the grid it ships (Pamplona, as cs2cs puts it with the grid).
echo '<gpx><trk><trkseg><trkpt lat="42.8123456" lon="-1.6543210"/></trkseg></trk></gpx>' >"$work/p.gpx"
[ "$("$work/root/usr/bin/ruvek-cli" convert --to sitna "$work/p.gpx" | tr -d '\r')" = 610125,4741064 ] ||
  { echo "the packaged ruvek-cli does not find its grid"; exit 1; }
echo "ok: $(basename "$deb") ($(stat -c %s "$deb") bytes), Depends: $depends"
