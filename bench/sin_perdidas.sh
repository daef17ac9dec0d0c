#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a track keeps, timed by hyperfine in one run: a 10,000-point GPX with times to GPX, KML and
# GeoJSON beside GPSBabel and GDAL's ogr2ogr (its track_points layer) doing the same, and beside
# cat of the file; GPX and TrackMaker text to X,Y lists (and an older ruvek-cli, CLI, doing the
# same); analyze with and without times; a track in zone 29 beside one in zone 30; a KMZ read
# beside its KML and ogr2ogr, and written beside KML; peak memory of a 100,000-point GPX with
# times. Needs hyperfine, gpsbabel and gdal-bin.
#   bench/sin_perdidas.sh [CLI]  (after tools/test or tools/run has built build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=$PWD
cli=$PWD/build/default/src/ruvek-cli
otro=${1:+$(realpath "$1")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The walk of bench/paseo.awk near Pamplona as GPX, the same with a time a second (a 10,000- and
# a 100,000-point one), and the same moved 7 degrees west, into zone 29.
awk -f "$raiz/bench/paseo.awk" >track.txt
"$cli" convert --to gpx track.txt -o track.gpx
con_horas() {  # a time a second from 2024-05-01T08:00:00Z for each point; N copies of the points
  awk -v copias="$1" '
    /<trkpt/ { puntos[n++] = $0; next }
    /<\/trkseg>/ { for (c = 0; c < copias; c++) for (i = 0; i < n; i++) {
        t = c * n + i; p = puntos[i]
        sub(/<\/trkpt>/, sprintf("<time>2024-05-%02dT%02d:%02d:%02dZ</time></trkpt>", 1 + int(t / 86400), int(t / 3600) % 24, int(t / 60) % 60, t % 60), p)
        print p }
      print; next }
    { print }' track.gpx
}
con_horas 1 >horas.gpx
con_horas 10 >horas100k.gpx
sed 's/lon="-1\./lon="-8./g' track.gpx >huso29.gpx
"$cli" convert --to kml track.gpx -o track.kml
"$cli" convert --to kmz track.gpx -o track.kmz
ls -l track.txt track.gpx horas.gpx horas100k.gpx track.kml track.kmz

hyperfine -N --warmup 10 --runs 60 --export-json sin_perdidas.json --export-markdown sin_perdidas.md \
  "cat horas.gpx" \
  "$cli convert --to gpx horas.gpx -o /dev/null" \
  "gpsbabel -i gpx -f horas.gpx -o gpx -F /dev/null" \
  "$cli convert --to kml horas.gpx -o /dev/null" \
  "ogr2ogr -f KML /vsistdout/ horas.gpx track_points" \
  "$cli convert --to geojson horas.gpx -o /dev/null" \
  "ogr2ogr -f GeoJSON /vsistdout/ horas.gpx track_points" \
  "$cli convert --to sitna track.gpx -o /dev/null" \
  "$cli convert --to sitna track.txt -o /dev/null" \
  "$cli analyze track.gpx" \
  "$cli analyze horas.gpx" \
  "$cli convert --to sitna --zone auto track.gpx -o /dev/null" \
  "$cli convert --to sitna --zone auto huso29.gpx -o /dev/null" \
  "$cli convert --to sitna track.kml -o /dev/null" \
  "$cli convert --to sitna track.kmz -o /dev/null" \
  "ogr2ogr -f CSV /vsistdout/ track.kmz -t_srs EPSG:23030 -lco GEOMETRY=AS_WKT" \
  "$cli convert --to kml track.gpx -o /dev/null" \
  "$cli convert --to kmz track.gpx -o /dev/null" \
  ${otro:+"$otro convert --to sitna track.gpx -o /dev/null"} \
  ${otro:+"$otro convert --to sitna track.txt -o /dev/null"}
cat sin_perdidas.md
python3 -c "import json; [print(\"median\", round(r[\"median\"] * 1000, 2), \"ms:\", r[\"command\"]) for r in json.load(open(\"sin_perdidas.json\"))[\"results\"]]"
for salida in gpx kml geojson; do
  /usr/bin/time -f "peak resident memory, 100,000 points with times to $salida: %M kB" \
    "$cli" convert --to "$salida" horas100k.gpx -o /dev/null
done
