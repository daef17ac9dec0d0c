#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ruvek-cli analyze --dem as a whole process, timed by hyperfine beside the same analysis without
# a model and GDAL's own gdallocationinfo reading the same points, with peak resident memory.
# The model: 4,000 x 4,000 Float32 cells of 25 m in ETRS89 / UTM 30N, as a GeoTIFF in strips (as
# the IGN ships its models) and tiled. Needs hyperfine and GDAL's tools (gdal-bin).
#   bench/terreno.sh        (after tools/test or tools/run has built build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=$PWD
cli=$PWD/build/default/src/ruvek-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Hills of a few hundred metres over 100 km square, from 600,000 E, 4,700,000 N.
python3 - <<'PY'
import array, math
celdas = array.array("f", (
    800 + 300 * math.sin(i / 157.0) * math.cos(j / 211.0) + 40 * math.sin((i + 2 * j) / 23.0)
    for j in range(4000) for i in range(4000)))
celdas.tofile(open("mdt.bil", "wb"))
open("mdt.hdr", "w").write("ENVI\nsamples = 4000\nlines = 4000\nbands = 1\nheader offset = 0\n"
                           "data type = 4\ninterleave = bsq\nbyte order = 0\n")
PY
gdal_translate -q -of GTiff -a_srs EPSG:25830 -a_ullr 600000 4800000 700000 4700000 \
  mdt.bil mdt.tif
gdal_translate -q -co TILED=YES mdt.tif mdt_teselas.tif
ls -l mdt.tif mdt_teselas.tif

# The track of bench/procesos.sh.
awk -f "$raiz/bench/paseo.awk" >track.txt
"$cli" convert --to gpx track.txt -o track.gpx
# The same points in the model's system, for gdallocationinfo.
"$cli" convert --to sitna --datum etrs89 track.gpx | tr ',' ' ' | tr -d '\r' >puntos.txt
head -1 puntos.txt | gdallocationinfo -valonly -geoloc mdt.tif >uno.txt

hyperfine -N --warmup 3 --runs 30 --export-json terreno.json --export-markdown terreno.md \
  "$cli analyze track.gpx" \
  "$cli analyze --dem mdt.tif track.gpx" \
  "$cli analyze --dem mdt_teselas.tif track.gpx" \
  "$cli analyze --dem mdt.tif --threshold 5 track.gpx"
hyperfine --warmup 3 --runs 30 --export-json localizacion.json --export-markdown localizacion.md \
  "gdallocationinfo -valonly -geoloc mdt.tif <puntos.txt >/dev/null" \
  "gdallocationinfo -valonly -geoloc mdt.tif <uno.txt >/dev/null"
cat terreno.md localizacion.md
for f in terreno.json localizacion.json; do
  python3 -c "import json, sys; [print('median', round(r['median'] * 1000, 1), 'ms, min',
    round(r['min'] * 1000, 1), 'ms:', r['command']) for r in json.load(open(sys.argv[1]))['results']]" "$f"
done
"$cli" analyze --dem mdt.tif track.gpx
/usr/bin/time -f "peak resident memory, analyze without --dem: %M kB" "$cli" analyze track.gpx >/dev/null
for m in mdt.tif mdt_teselas.tif; do
  /usr/bin/time -f "peak resident memory, analyze --dem $m: %M kB" \
    "$cli" analyze --dem "$m" track.gpx >/dev/null
done
/usr/bin/time -f "peak resident memory, gdallocationinfo: %M kB" \
  gdallocationinfo -valonly -geoloc mdt.tif <puntos.txt >/dev/null
