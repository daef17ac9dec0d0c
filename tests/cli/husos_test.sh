#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ruvek-cli ($1, version $3) in Spain's UTM zones 28 to 31, as a process: TrackMaker text in any of
# them, X,Y lists written and read in each zone and datum, --zone auto, REGCAN95 in the Canary
# Islands, the word when a track is written away from its zone, and degrees from anywhere kept as
# read until metres are asked for. The figures are PROJ's cs2cs with IGN's grid (see
# tests/data/cases/datum.txt).
source "$(dirname "$0")/caso.sh"

cabecera=$'Version , 212\r\n\r\nEuropean 1950 (GPS) ,64, 6378388, 297,-87,-98,-121\r\nUSER GRID, 0, 0, 0, 0, 0\r\n\r\n'
# Santiago de Compostela (29T), Barcelona (31T) and Pamplona (30T), each in its own zone.
printf '%st,utm,29T,537301,4747604,x,y,260,1\r\nt,utm,31T,430582,4582301,x,y,12,0\r\nt,utm,30T,610125,4741064,x,y,457,0\r\n' "$cabecera" >mezcla.txt
caso 0 '*<trkpt lat="42.8781978" lon="-8.5447983"><ele>260</ele>*<trkpt lat="41.3873974" lon="2.1685950">*<trkpt lat="42.8123464" lon="-1.6543158">*' '' \
  convert --to gpx mezcla.txt
# Santiago alone, a band letter in lower case as some exports write it.
printf '%st,utm,29T,537301,4747604,x,y,260,1\r\nt,utm,29c,537401,4747704,x,y,262,0\r\n' "$cabecera" >santiago.txt
palabra='ruvek-cli: santiago.txt: la mayor parte del track está en el huso 29, y se escribe en el 30: --zone 29 lo escribe en su huso'
caso 0 $'47220,4762431\r\n47327,4762524\r\n' "$palabra" convert --to sitna santiago.txt
caso 0 $'537301,4747604\r\n537401,4747704\r\n' '' convert --to sitna --zone auto santiago.txt
caso 0 $'537176,4747389\r\n537276,4747489\r\n' '' convert --to sitna --zone 29 --datum etrs89 santiago.txt
caso 0 $'*\r\nt,utm,29T,537301,4747604\r\nt,utm,29T,537401,4747704\r\n *' '' convert --to trackmaker --zone 29 santiago.txt
caso 0 $'*\r\nt,utm,30T,47220,4762431\r\n*' "$palabra" convert --to trackmaker santiago.txt
printf '%st,utm,31T,430582,4582301,x,y,12,0\r\nt,utm,31T,470048,4380252,x,y,4,0\r\n' "$cabecera" >baleares.txt
caso 0 $'*\r\nt,utm,31T,430582,4582301\r\nt,utm,31S,470048,4380252\r\n *' '' convert --to trackmaker --zone auto baleares.txt
caso 1 '' 'ruvek-cli: mezcla.txt:7: el punto 2 (X 430582, Y 4582301) cae fuera de lo que cubre el huso 29: latitud de 0 a 84 grados norte, longitud de 18 grados oeste a 0 grados' \
  convert --to sitna --zone auto mezcla.txt
# Zones and datums a TrackMaker file may not have.
for huso in '1C: «1C» no es de España*' '28R: «28R» es el de Canarias*' '32T: «32T» no es de España*' \
            '0C: de un punto no es un huso UTM*' '61T: de un punto no es un huso UTM*'; do
  printf '%st,utm,30T,610125,4741064,x,y,457,0\r\nt,utm,%s,610125,4741064,x,y,457,0\r\n' "$cabecera" "${huso%%:*}" >huso.txt
  caso 1 '' "ruvek-cli: huso.txt:7: el huso${huso#*:}" convert --to gpx huso.txt
done
sed 's/European 1950 (GPS)/WGS 1984 (GPS)/' santiago.txt >wgs84.txt
caso 1 '' 'ruvek-cli: wgs84.txt:3: su datum es «WGS 1984 (GPS)», y Ruvek solo lee texto de TrackMaker en European 1950 (ED50)' \
  convert --to gpx wgs84.txt

# The Canary Islands: REGCAN95 in zone 28, never ED50.
printf '<gpx><trk><trkseg><trkpt lat="28.2724" lon="-16.6425"><ele>3700</ele></trkpt></trkseg></trk></gpx>\n' >teide.gpx
caso 0 $'338901,3128472\r\n' '' convert --to sitna --datum etrs89 --zone 28 teide.gpx
caso 0 $'338901,3128472\r\n' '' convert --to sitna --datum etrs89 --zone auto teide.gpx
caso 1 '' 'ruvek-cli: teide.gpx: el track está en Canarias, donde no se usa ED50: --zone 28 --datum etrs89 lo escribe en REGCAN95' \
  convert --to sitna --zone auto teide.gpx
caso 1 '' 'ruvek-cli: teide.gpx:1: el punto 1 (latitud 28.2724, longitud -16.6425) cae fuera de lo que cubre el huso 30: *; la mayor parte del track está en el huso 28: --zone 28 --datum etrs89 lo escribe en su huso' \
  convert --to sitna teide.gpx
caso 0 $'Inicial\t3700 m\n*' '' analyze teide.gpx
caso 1 '' 'ruvek-cli: teide.gpx: el track está en Canarias, donde no se usa ED50: el texto de TrackMaker no puede llevarlo' \
  convert --to trackmaker --zone auto teide.gpx
# Fisterra, west of where zone 30 can hold a point: written in zone 30 it is refused, with the
# option; the analysis takes its own zone; metres taken to zone 30 are refused as well.
printf '<gpx><trk><trkseg><trkpt lat="42.905" lon="-9.265"><ele>100</ele></trkpt></trkseg></trk></gpx>\n' >fisterra.gpx
caso 1 '' 'ruvek-cli: fisterra.gpx:1: el punto 1 (*) cae fuera de lo que cubre el huso 30: *; la mayor parte del track está en el huso 29: --zone 29 lo escribe en su huso' \
  convert --to sitna fisterra.gpx
caso 0 $'Inicial\t100 m\n*' '' analyze fisterra.gpx
printf '477938,4750000\r\n' >fisterra.txt
caso 1 '' 'ruvek-cli: fisterra.txt:1: el punto 1 (X 477938, Y 4750000) cae fuera de lo que cubre el huso 30: *' \
  convert --to sitna --input-zone 29 fisterra.txt
# Far from Spain's zones: no zone to choose, nor one to suggest.
printf '<gpx><trk><trkseg><trkpt lat="40.7" lon="-74"/></trkseg></trk></gpx>\n' >nueva_york.gpx
caso 1 '' 'ruvek-cli: nueva_york.gpx: el track no está en ninguno de los husos de España (28 a 31)*' \
  convert --to sitna --zone auto nueva_york.gpx
caso 1 '' 'ruvek-cli: nueva_york.gpx:1: el punto 1 (*) cae fuera de lo que cubre el huso 30: *6 grados este' \
  convert --to sitna nueva_york.gpx
printf '338901,3128472\r\n' >teide.txt
caso 0 '*<trkpt lat="28.2723995" lon="-16.6424993">*' '' convert --to gpx --input-datum etrs89 --input-zone 28 teide.txt
printf '537301,4747604\r\n' >santiago_xy.txt
caso 0 '*<trkpt lat="42.8781978" lon="-8.5447983">*' '' convert --to gpx --input-zone 29 santiago_xy.txt
for args in "--zone 28" "--to trackmaker --zone 28" "--input-zone 28" "--zone 27" "--zone 1" "--input-zone auto" \
            "--to gpx --zone 29" "--to sitna --input-zone 29 teide.gpx"; do
  caso 2 '' "ruvek-cli: *$uso" convert --to sitna $args teide.txt
done
caso 2 '' "ruvek-cli: en Canarias (huso 28) no se usa ED50: va con --datum etrs89$uso" \
  convert --to sitna --zone 28 teide.gpx

# GeoJSON in other zones' metres, by their legacy "crs".
for crs in 23029:537301,4747604:42.878:-8.544 4083:338901,3128472:28.272:-16.642 \
           25831:430489,4582097:41.387:2.168; do
  IFS=: read -r codigo xy lat lon <<<"$crs"
  printf '{"type": "LineString", "crs": {"type": "name", "properties": {"name": "EPSG:%s"}}, "coordinates": [[%s]]}' \
    "$codigo" "$xy" >crs.json
  caso 0 "*<trkpt lat=\"$lat*\" lon=\"$lon*\">*" '' convert --to gpx crs.json
done
caso 0 $'430583,4582301\r\n' '' convert --to sitna --zone 31 crs.json

# Degrees stay the numbers they were read as, anywhere on Earth, with their times and names, and
# without PROJ; metres are made where asked for, and only there is the area checked.
printf '<gpx><trk><name>Caldera</name><trkseg><trkpt lat="28.7234567" lon="-17.8765432"><ele>2426.5</ele><time>2024-05-01T10:00:00.25+01:00</time></trkpt></trkseg></trk></gpx>\n' >palma.gpx
LD_DEBUG=libs "$cli" convert --to kml palma.gpx -o palma.kml 2>cargadas.txt
grep -q 'libproj' cargadas.txt && { echo "FALLO: degrees to degrees loaded PROJ"; fallos=$((fallos + 1)); }
caso 0 '*<name>Caldera</name>*<trkpt lat="28.7234567" lon="-17.8765432"><ele>2426.5</ele><time>2024-05-01T09:00:00.25Z</time></trkpt>*' '' \
  convert --to gpx palma.kml
caso 1 '' 'ruvek-cli: palma.gpx:1: el punto 1 (latitud 28.7234567, longitud -17.8765432) cae fuera de lo que cubre el huso 30: *' \
  convert --to sitna palma.gpx

[ "$fallos" = 0 ] && echo "ruvek-cli: all zone cases pass" || exit 1
