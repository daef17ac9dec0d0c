#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ruvek-cli as a whole process, timed by hyperfine beside cat of the same file, GPSBabel and
# GDAL's ogr2ogr doing the nearest job, with peak resident memory; then the refusal of inputs far
# beyond any track. Needs hyperfine, gpsbabel, PROJ's tools (proj-bin) and GDAL's (gdal-bin).
#   bench/procesos.sh [CLI]  (after tools/test or tools/run has built build/default; CLI, another
#                             ruvek-cli to time beside it, an older build for instance)
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=$PWD
cli=$PWD/build/default/src/ruvek-cli
otro=${1:+$(realpath "$1")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# 10,000 points near Pamplona, 400 to 1,600 m.
awk -f "$raiz/bench/paseo.awk" >track.txt
"$cli" convert --to gpx track.txt -o track.gpx
"$cli" convert --to sitna track.txt -o ed50.txt
"$cli" convert --to kml track.txt -o track.kml
"$cli" convert --to geojson track.txt -o track.geojson
tr ',' ' ' <ed50.txt | tr -d '\r' >ed50_cs2cs.txt
ls -l track.txt track.gpx track.kml track.geojson ed50.txt

hyperfine -N --warmup 10 --runs 100 --export-json procesos.json --export-markdown procesos.md \
  "cat track.txt" \
  "$cli convert --to sitna track.txt -o /dev/null" \
  "cat track.gpx" \
  "$cli convert --to sitna track.gpx -o /dev/null" \
  "gpsbabel -i gpx -f track.gpx -x transform,wpt=trk -o unicsv,grid=utm,datum='European 1950' -F /dev/null" \
  "$cli convert --to sitna --datum etrs89 track.gpx -o /dev/null" \
  "$cli convert --to sitna --datum etrs89 ed50.txt -o /dev/null" \
  "cs2cs EPSG:23030 EPSG:25830 ed50_cs2cs.txt" \
  "$cli convert --to sitna track.kml -o /dev/null" \
  "$cli convert --to sitna track.geojson -o /dev/null" \
  "ogr2ogr -f CSV /vsistdout/ track.kml -t_srs EPSG:23030 -lco GEOMETRY=AS_WKT" \
  "ogr2ogr -f CSV /vsistdout/ track.geojson -t_srs EPSG:23030 -lco GEOMETRY=AS_WKT" \
  ${otro:+"$otro convert --to sitna track.txt -o /dev/null"} \
  ${otro:+"$otro convert --to sitna track.gpx -o /dev/null"} \
  ${otro:+"$otro convert --to sitna --datum etrs89 track.gpx -o /dev/null"}
cat procesos.md
python3 -c "import json; [print(\"median\", round(r[\"median\"] * 1000, 1), \"ms:\", r[\"command\"]) for r in json.load(open(\"procesos.json\"))[\"results\"]]"
for f in track.txt track.gpx; do
  /usr/bin/time -f "peak resident memory, $f to the X,Y list: %M kB" \
    "$cli" convert --to sitna "$f" -o /dev/null
done
/usr/bin/time -f "peak resident memory, ruvek-cli --version: %M kB" "$cli" --version >/dev/null

# Inputs no track can be: 300 MB without a line end, and a GPX of 3,000,000 points (300 MB).
head -c 300000000 /dev/zero | tr '\0' '7' >sin_fin.txt
{ printf '<gpx>\n<trk><trkseg>\n'
  yes '  <trkpt lat="42.8123456" lon="-1.6543210"><ele>457.5</ele><time>2009-05-01T10:00:00Z</time></trkpt>' |
    head -n 3000000 || true
  printf '</trkseg></trk></gpx>\n'; } >enorme.gpx
ls -l sin_fin.txt enorme.gpx
hyperfine -N -i --warmup 3 --runs 30 \
  "$cli convert --to sitna sin_fin.txt -o /dev/null" \
  "$cli convert --to sitna enorme.gpx -o /dev/null"
for f in sin_fin.txt enorme.gpx; do
  /usr/bin/time -f "peak resident memory, refusing $f: %M kB" \
    "$cli" convert --to sitna "$f" -o /dev/null || true
done
