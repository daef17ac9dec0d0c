#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ruvek-cli ($1, version $3) with terrain models and thresholds, as a process over the sample
# files ($2).
source "$(dirname "$0")/caso.sh"
"$cli" convert --to kml p.gpx -o p.kml

# The terrain's altitudes (an ASCII grid in ETRS89 with its .prj, the altitude 500 all over):
# tracks with altitudes or without; swings below a threshold; refusals.
{ printf 'ncols 4\nnrows 4\nxllcorner 609950\nyllcorner 4740800\ncellsize 50\nNODATA_value -1\n'
  for i in 1 2 3 4; do printf '500 500 500 500\n'; done; } >mdt.asc
printf 'PROJCS["ETRS89_UTM_zone_30N",GEOGCS["GCS_ETRS_1989",DATUM["D_ETRS_1989",SPHEROID["GRS_1980",6378137.0,298.257222101]],PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]],PROJECTION["Transverse_Mercator"],PARAMETER["False_Easting",500000.0],PARAMETER["False_Northing",0.0],PARAMETER["Central_Meridian",-3.0],PARAMETER["Scale_Factor",0.9996],PARAMETER["Latitude_Of_Origin",0.0],UNIT["Meter",1.0]]' >mdt.prj
sin_hora='ruvek-cli: p.gpx:9: el punto 2 no tiene hora: no se dan las cifras de tiempo'
caso 0 $'Inicial\t500 m\nMáxima\t500 m\nMínima\t500 m\nFinal\t500 m\nTotal Subida\t0 m\nTotal Bajada\t0 m\nDistancia\t0,04 km\nTiempo estimado (DIN 33466)\t0:01\n' \
  "$sin_hora" analyze --dem mdt.asc p.gpx
caso 0 '*<ele>500</ele></trkpt>*' '' convert --to gpx --dem mdt.asc p.kml
caso 0 $'Inicial\t457 m\nMáxima\t460 m\nMínima\t-4 m\nFinal\t0 m\nTotal Subida\t0 m\nTotal Bajada\t461 m\n*' \
  "$sin_hora" analyze --threshold 10 p.gpx
caso 0 '*subida total 0 m · bajada total 461 m*' "$sin_hora" profile --threshold 10 p.gpx
caso 1 '' 'ruvek-cli: nada.asc: no existe' analyze --dem nada.asc p.gpx
caso 1 '' 'ruvek-cli: nada.asc: no existe' profile --dem nada.asc nada.gpx  # the model first
entrada=p.gpx caso 0 $'Inicial\t500 m\n*' "ruvek-cli: entrada estándar:9: el punto 2 no tiene hora: no se dan las cifras de tiempo" \
  analyze --dem mdt.asc -
caso 1 '' 'ruvek-cli: tm.txt:6: el punto 1 (X 612346, Y 4734567) no lo cubre ningún modelo del terreno con datos' \
  profile --dem mdt.asc tm.txt -o nada.svg
for valor in 0 -3 abc; do
  caso 2 '' "ruvek-cli: --threshold N pide un número entero de metros, 1 o más: $valor$uso" \
    analyze --threshold $valor p.gpx
done
caso 2 '' "ruvek-cli: a la opción --dem le falta su valor$uso" convert --to gpx p.gpx --dem
[ ! -e nada.svg ] || { echo "FALLO: a refusal wrote nada.svg"; fallos=$((fallos + 1)); }
ldd "$cli" | grep -q 'libgdal\|libproj' && { echo "FALLO: ruvek-cli links GDAL or PROJ"; fallos=$((fallos + 1)); }

[ "$fallos" = 0 ] && echo "ruvek-cli: all terrain cases pass" || exit 1
