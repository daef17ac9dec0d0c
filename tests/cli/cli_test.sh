#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ruvek-cli ($1, version $3) as a process over the sample files ($2): usage errors, standard input and output,
# batch names, failures that touch nothing, the analysis, and its GPX read by GPSBabel.
source "$(dirname "$0")/caso.sh"

head -c 4096 /bin/sh >binario.txt
awk 'BEGIN { for (i = 0; i < 10000; i++) printf "%d,%d\r\n", 100000 + i * 97 % 900000, 3900000 + i * 131 % 900000 }' >grande.txt
: >vacio.txt
mkdir carpeta out

caso 0 "ruvek-cli $version"$'\n' '' --version
caso 0 '*Uso: ruvek-cli \[OPCIONES\] \[ORDEN\]*Opciones:*--version*Órdenes:*convert*ORDEN --help.*' '' --help
caso 2 '' "ruvek-cli: falta la orden: convert, analyze o profile$uso"
for args in "convert --to xyz tm.txt" "convert tm.txt" \
            "convert --to sitna" "convert --to sitna tm.txt xy.txt" "convert --to sitna --bogus tm.txt" \
            "convert --to gpx -o a --output-dir out tm.txt" "analyze"; do
  caso 2 '' "ruvek-cli: *$uso" $args
done
caso 2 '' "ruvek-cli: opción desconocida: -x$uso" convert --to sitna -x tm.txt
caso 2 '' "ruvek-cli: a la opción --to le falta su valor$uso" convert --to
caso 2 '' "ruvek-cli: orden desconocida: bogus$uso" bogus
caso 2 '' "ruvek-cli: argumento de más: -$uso" analyze tm.txt -
caso 2 '' "ruvek-cli: la opción --to va una sola vez$uso" convert --to sitna --to gpx tm.txt
caso 2 '' "ruvek-cli: formato desconocido: xyz (sitna, trackmaker, gpx, kml, kmz o geojson)$uso" \
  convert --to xyz tm.txt
caso 1 '' 'ruvek-cli: /dev/zero: la entrada pasa de 64 MiB, mucho más de lo que ocupa un track' \
  analyze /dev/zero

# Standard input and output; nothing on standard output when an input fails. An X,Y list holds no
# waypoint: it is said that the one of p.gpx is left out.
xy=$'610125,4741064\r\n610134,4741070\r\n610142,4741081\r\n610150,4741093\r\n'
deja='se deja fuera su waypoint, que --to sitna no lleva'
caso 0 "$xy" "ruvek-cli: p.gpx: $deja" convert --to sitna p.gpx
caso 0 "$xy" "ruvek-cli: p.gpx: $deja" convert --to sitna p.gpx -o -
entrada=p.gpx caso 0 "$xy" "ruvek-cli: entrada estándar: $deja" convert --to sitna -
caso 1 '' 'ruvek-cli: entrada estándar:1: el archivo está vacío' convert --to sitna -
# Pipes by name: a process substitution, a named pipe.
caso 0 "$xy" "ruvek-cli: /dev/fd/*: $deja" convert --to sitna <(gzip -c p.gpx | gzip -dc)
mkfifo tubo && { cat p.gpx >tubo & caso 0 "$xy" "ruvek-cli: tubo: $deja" convert --to sitna tubo; wait; }
caso 1 '' 'ruvek-cli: nada.txt: no existe' convert --to gpx nada.txt
# Standard input past the bound, read once to check it is an X,Y list: refused, not read again.
entrada=<({ head -c 67108865 /dev/zero | tr '\0' '\n'; echo 610000,4740000; }) caso 1 '' \
  'ruvek-cli: entrada estándar: la entrada pasa de 64 MiB, mucho más de lo que ocupa un track' \
  convert --to gpx --input-datum etrs89 -
# Standard streams closed or full: a failure, said so.
"$cli" convert --to sitna - <&- >out.txt 2>err.txt
[ $? = 1 ] && [ "$(cat out.txt err.txt)" = 'ruvek-cli: entrada estándar: no se puede leer: está cerrada' ] ||
  { echo "FALLO: standard input closed"; fallos=$((fallos + 1)); }
for args in --help "analyze tm.txt"; do
  "$cli" $args >/dev/full 2>err.txt
  [ $? = 1 ] && [ "$(cat err.txt)" = 'ruvek-cli: salida estándar: no se puede escribir: no queda espacio en el disco' ] ||
    { echo "FALLO: ruvek-cli $args to a full disk"; fallos=$((fallos + 1)); }
done
caso 1 '' 'ruvek-cli: carpeta: es una carpeta' convert --to gpx carpeta
caso 1 '' 'ruvek-cli: vacio.txt:1: el archivo está vacío' convert --to gpx vacio.txt
caso 1 '' 'ruvek-cli: binario.txt:1: *' convert --to gpx binario.txt
printf '610000,4740000\r\n500000,9900000\r\n' >polo.txt
caso 1 '' 'ruvek-cli: polo.txt:2: el punto 2 (X 500000, Y 9900000) cae fuera de lo que cubre el huso 30: *' \
  convert --to gpx polo.txt
printf '<gpx><trk><trkseg>\n<trkpt lat="42.88" lon="-8.5"/>\n<trkpt lat="42.88" lon="-9.27"/>\n</trkseg></trk></gpx>\n' >oeste.gpx
caso 1 '' 'ruvek-cli: oeste.gpx:3: el punto 2 (latitud 42.88, longitud -9.27) cae fuera de lo que cubre el huso 30: *' \
  convert --to sitna oeste.gpx
echo '<gpx xmlns="http://example.com/x"/>' >ajeno.gpx
caso 1 '' 'ruvek-cli: ajeno.gpx:1: no es un GPX 1.0 ni 1.1: su espacio de nombres es «http://example.com/x»' \
  convert --to sitna ajeno.gpx
caso 1 '' 'ruvek-cli: carpeta: no se puede escribir: es una carpeta' convert --to gpx tm.txt -o carpeta
caso 1 '' 'ruvek-cli: no/x.txt: no se puede escribir: la carpeta no existe' convert --to gpx tm.txt -o no/x.txt
caso 1 '' 'ruvek-cli: /dev/full: no se puede escribir: no queda espacio en el disco' \
  convert --to sitna tm.txt -o /dev/full
caso 1 '' 'ruvek-cli: p.gpx: la salida ./p.gpx es el mismo archivo que la entrada: no se toca' \
  convert --to gpx --output-dir . p.gpx

# KML and GeoJSON, read by their content and written: the same points as the GPX.
"$cli" convert --to kml p.gpx -o p.kml && "$cli" convert --to geojson p.kml -o p.json
caso 0 "$xy" "ruvek-cli: p.json: $deja" convert --to sitna p.json
# A Placemark holds one geometry: the segments of a track go in a MultiGeometry.
printf '<gpx><trk><trkseg><trkpt lat="42.8" lon="-1.65"/></trkseg><trkseg><trkpt lat="42.9" lon="-1.6"/></trkseg></trk></gpx>' >dos.gpx
caso 0 '*<Placemark>*<MultiGeometry>*<LineString>*</LineString>*<LineString>*</MultiGeometry>*</Placemark>*' '' convert --to kml dos.gpx
# What KML cannot carry is said: times that only some points of a track have, altitudes that only
# some points of a segment have.
printf '<gpx><trk><trkseg><trkpt lat="42.8" lon="-1.65"><ele>450</ele><time>2024-05-01T10:00:00Z</time></trkpt><trkpt lat="42.8" lon="-1.6"><ele>451</ele></trkpt><trkpt lat="42.8" lon="-1.7"/></trkseg></trk></gpx>' >parcial.gpx
caso 0 '*' $'ruvek-cli: parcial.gpx: se deja fuera la hora de 1 punto: --to kmz las lleva solo cuando todos los puntos del track las tienen\nruvek-cli: parcial.gpx: se dejan fuera las altitudes de 2 puntos: *' \
  convert --to kmz parcial.gpx
printf '<kml>\n<LineString><coordinates>-1.65,42.8\n-1.65,42.8,x</coordinates></LineString></kml>\n' >malo.kml
caso 1 '' 'ruvek-cli: malo.kml:3: la altitud «x» no es un número' convert --to gpx malo.kml
printf '{"type": "LineString",\n"coordinates": [[-1.65, 42.8],\n[-1.65]]}' >malo.geojson
caso 1 '' 'ruvek-cli: malo.geojson:3: a la posición le falta la latitud' convert --to gpx malo.geojson
caso 2 '' "ruvek-cli: --input-datum solo vale para listas X,Y, y p.json es un GeoJSON$uso" \
  convert --to sitna --input-datum etrs89 p.json
caso 2 '' "ruvek-cli: --datum solo vale con --to sitna: el KML va siempre en WGS 84$uso" \
  convert --to kml --datum etrs89 p.json

caso 0 '*' "ruvek-cli: p.gpx: se deja fuera su waypoint, que --to trackmaker no lleva" convert --to trackmaker p.gpx
# ED50 metres with decimals to ETRS89: PROJ's figures for the numbers as they are, rounded once.
printf '{"type": "LineString", "crs": {"type": "name", "properties": {"name": "EPSG:23030"}}, "coordinates": [[612350.2, 4734570.5]]}' >decimales.json
caso 0 $'612244,4734361\r\n' '' convert --to sitna --datum etrs89 decimales.json

# Batches: each output named as the window proposes it; a failing input does not stop the rest.
caso 1 '' $'ruvek-cli: nada.txt: no existe\nruvek-cli: p.gpx: se deja fuera su waypoint, que --to trackmaker no lleva\nruvek-cli: vacio.txt:1: el archivo está vacío' \
  convert --to trackmaker --output-dir out tm.txt nada.txt p.gpx vacio.txt xy.txt
cp xy.txt ab && cp xy.txt carpeta/tm.txt && cp xy.txt track
caso 0 '' '' convert --to gpx --output-dir out tm.txt p.gpx ab
caso 0 '' '' convert --to sitna --output-dir out track
caso 0 '' '' convert --to kml --output-dir out p.json
caso 0 '' '' convert --to geojson --output-dir out p.kml
listado=$(cd out && ls | tr '\n' '|')
[ "$listado" = "ab.gpx|p (TrackMaker).txt|p.geojson|p.gpx|p.kml|tm (TrackMaker).txt|tm.gpx|track (Sitna).txt|xy (TrackMaker).txt|" ] ||
  { echo "FALLO: names in out/: $listado"; fallos=$((fallos + 1)); }
# Two inputs of one batch that would have the same output: the second does not replace the first.
caso 1 '' 'ruvek-cli: carpeta/tm.txt: la salida out/tm.gpx es ya la de tm.txt: no se toca' \
  convert --to gpx --output-dir out tm.txt carpeta/tm.txt
grep -q '<ele>' out/tm.gpx || { echo "FALLO: out/tm.gpx replaced"; fallos=$((fallos + 1)); }

# A write that fails leaves the file it would replace as it was, and no temporary file.
echo anterior >viejo.txt
(ulimit -f 1; "$cli" convert --to gpx grande.txt -o viejo.txt 2>err.txt)
[ "$(cat viejo.txt)" = anterior ] && [ "$(ls -a | grep -c '^\.viejo')" = 0 ] &&
  grep -q 'viejo.txt: no se puede escribir: el archivo es demasiado grande' err.txt ||
  { echo "FALLO: the disk-full write touched viejo.txt or left a temporary file"; fallos=$((fallos + 1)); }

# A link as output, to a file or to none yet: the file it points to gets the track, and the link
# stays a link.
echo antes >destino.txt && ln -s destino.txt enlace.txt && ln -s out/nuevo.txt colgante.txt
for enlace in enlace.txt colgante.txt; do
  "$cli" convert --to sitna p.gpx -o $enlace 2>/dev/null && [ -L $enlace ] && cmp -s $enlace <(printf %s "$xy") ||
    { echo "FALLO: writing through the link $enlace"; fallos=$((fallos + 1)); }
done

# Datums: ETRS89 beside ED50 through IGN's grid, as cs2cs puts the same points with the grid
# (EPSG:4326 or EPSG:23030 to EPSG:25830); there and back, the same list.
etrs=$'610018,4740855\r\n610028,4740861\r\n610036,4740872\r\n610044,4740883\r\n'
caso 0 "$etrs" "ruvek-cli: p.gpx: $deja" convert --to sitna --datum etrs89 p.gpx
printf %s "$xy" >ed50.txt
caso 0 $'610018,4740855\r\n610027,4740861\r\n610035,4740872\r\n610043,4740884\r\n' '' \
  convert --to sitna --datum ETRS89 ed50.txt
"$cli" convert --to sitna --datum etrs89 ed50.txt -o etrs.txt
lista=$(cat etrs.txt; echo x) lista=${lista%x}
caso 0 "$xy" '' convert --to sitna --input-datum etrs89 etrs.txt
caso 0 "$lista" '' convert --to sitna --input-datum etrs89 --datum etrs89 etrs.txt
"$cli" convert --to gpx --input-datum etrs89 etrs.txt -o e.gpx
caso 0 "$lista" '' convert --to sitna --datum etrs89 e.gpx
caso 0 $'612239,4734358\r\n612244,4734361\r\n612254,4734372\r\n' '' convert --to sitna --datum etrs89 tm.txt
PROJ_DATA="$work/carpeta" PROJ_NETWORK=ON HOME="$work/carpeta" caso 0 "$etrs" "ruvek-cli: p.gpx: $deja" \
  convert --to sitna --datum etrs89 p.gpx
for args in "--to sitna --datum wgs84" "--to sitna --input-datum ED-50" "--to trackmaker --datum etrs89" \
            "--to gpx --datum ed50" "--to sitna --input-datum etrs89" "--to sitna --datum"; do
  caso 2 '' "ruvek-cli: *$uso" convert $args tm.txt -o nuevo.txt
done
[ ! -e nuevo.txt ] || { echo "FALLO: a usage error wrote nuevo.txt"; fallos=$((fallos + 1)); }
caso 2 '' "ruvek-cli: datum desconocido para --datum: wgs84 (ed50 o etrs89)$uso" \
  convert --to sitna --datum wgs84 ed50.txt
caso 2 '' "ruvek-cli: --datum solo vale con --to sitna: el texto de TrackMaker va siempre en ED50 (European 1950)$uso" \
  convert --to trackmaker --datum etrs89 ed50.txt
caso 2 '' "ruvek-cli: --input-datum solo vale para listas X,Y, y p.gpx es un GPX (WGS 84)$uso" \
  convert --to gpx --input-datum etrs89 --output-dir nuevo ed50.txt p.gpx
[ ! -e nuevo ] || { echo "FALLO: a usage error wrote into nuevo/"; fallos=$((fallos + 1)); }
printf '610000,4740000\r\n99999999999,4740000\r\n610000,4740009\r\n' >lejano.txt
caso 1 '' 'ruvek-cli: lejano.txt:2: PROJ no puede llevar de ED50 a ETRS89 el punto 2' \
  convert --to sitna --datum etrs89 --simplify=2 lejano.txt
sed 's/612350.2/99999999999/' tm.txt >lejano_tm.txt
caso 1 '' 'ruvek-cli: lejano_tm.txt:9: PROJ no puede llevar de ED50 a ETRS89 el punto 2' \
  convert --to sitna --datum etrs89 lejano_tm.txt
# Without its grid beside it, the program says so rather than use another transformation.
mkdir -p solo/bin && cp "$cli" solo/bin/
cli=solo/bin/ruvek-cli caso 1 '' \
  'ruvek-cli: p.gpx: no se encuentra la rejilla del IGN (es_ign_SPED2ETV2.tif) que Ruvek instala en *' \
  convert --to sitna p.gpx

# The analysis the window shows; a track without altitudes is refused in the window's words.
caso 0 $'Inicial\t457 m\nMáxima\t460 m\nMínima\t-4 m\nFinal\t-4 m\nTotal Subida\t3 m\nTotal Bajada\t464 m\nDistancia\t0,02 km\nTiempo estimado (DIN 33466)\t0:56\n' '' \
  analyze tm.txt
caso 0 $'{"inicial": 457, "maxima": 460, "minima": -4, "final": -4, "total_subida": 3, "total_bajada": 464, "distancia": 21, "duracion": null, "en_movimiento": null, "velocidad_media": null, "velocidad_en_movimiento": null, "tiempo_estimado": 3360}\n' \
  '' analyze --json tm.txt
# How long it took: a walk of 4 points a minute apart, 100 m each, with a stop of 5 minutes at the
# third (299.9 m in all); and the estimate of DIN 33466 (100 m up: 20 min, and half of 4.5 for the
# 300 m; without the climb, 4.5 min).
awk 'BEGIN { print "<gpx><trk><trkseg>"; split("0 60 120 420 480", t, " ")
  for (i = 1; i <= 5; i++) printf "<trkpt lat=\"%.7f\" lon=\"-1.65\"><ele>%d</ele><time>2024-05-01T10:%02d:%02dZ</time></trkpt>\n", 42.8 + (i < 4 ? i - 1 : i - 2) * 0.0009, 400 + (i < 4 ? i - 1 : i - 2) * 33.34, t[i] / 60, t[i] % 60
  print "</trkseg></trk></gpx>" }' >paseo.gpx
caso 0 $'*Distancia\t0,30 km\nDuración\t0:08:00\nEn movimiento\t0:03:00\nVelocidad media\t2,2 km/h\nVelocidad en movimiento\t6,0 km/h\nTiempo estimado (DIN 33466)\t0:22\n' '' \
  analyze paseo.gpx
caso 0 $'*"distancia": 300, "duracion": 480, "en_movimiento": 180, "velocidad_media": 2.2, "velocidad_en_movimiento": 6.0, "tiempo_estimado": 1320}\n' '' \
  analyze --json paseo.gpx
caso 0 '*0,3 km · subida total 100 m · bajada total 0 m · duración 0:08:00 · tiempo estimado 0:22*' '' \
  profile paseo.gpx
caso 0 $'*Tiempo estimado (DIN 33466)\t0:04\n' '' analyze --threshold 101 paseo.gpx
sed 's/10:08:00/10:00:30/' paseo.gpx >atras.gpx
caso 0 $'*Distancia\t0,30 km\nTiempo estimado (DIN 33466)\t0:22\n' \
  'ruvek-cli: atras.gpx:6: la hora del punto 5 es anterior a la del punto 4: no se dan las cifras de tiempo' \
  analyze atras.gpx
caso 1 '' 'ruvek-cli: xy.txt: Este track no puede analizarse' analyze xy.txt
# Nothing to analyse: the window shows blanks, a script is told.
printf 'Version , 212\r\n' >sin_puntos.txt && printf 'Version , 212\r\nt,utm,30T,0,5,x,y,100,\r\n' >x_cero.txt
caso 1 '' 'ruvek-cli: sin_puntos.txt: el track no tiene ningún punto que analizar' analyze sin_puntos.txt
caso 1 '' 'ruvek-cli: x_cero.txt: el track no tiene ningún punto que analizar: el primero *' analyze x_cero.txt

# A real GPX reader finds the points written, within 1e-7 degrees, and what it writes back
# loads to the same track.
"$cli" convert --to gpx grande.txt -o grande.gpx &&
  gpsbabel -i gpx -f grande.gpx -o gpx -F babel.gpx &&
  "$cli" convert --to sitna babel.gpx -o babel.txt || fallos=$((fallos + 1))
# The profile: an SVG picture to standard output or a file; never for a track without altitudes.
caso 0 $'<?xml version="1.0" encoding="UTF-8"?>\n<svg *<polyline *</svg>\n' '' profile tm.txt
sin_hora='ruvek-cli: p.gpx:9: el punto 2 no tiene hora: no se dan las cifras de tiempo'
caso 0 '<?xml*' "$sin_hora" profile -o - --width 240 --height 140 p.gpx
caso 0 '<?xml*' "$sin_hora" profile -o - --width 8000 --height 8000 p.gpx
caso 0 '' '' profile --width 1200 --height 400 -o perfil.svg tm.txt
grep -q 'width="1200" height="400"' perfil.svg || { echo "FALLO: perfil.svg"; fallos=$((fallos + 1)); }
caso 1 '' 'ruvek-cli: xy.txt: Este track no puede analizarse' profile xy.txt -o perfil.svg
caso 1 '' 'ruvek-cli: vacio.txt:1: el archivo está vacío' profile vacio.txt
caso 1 '' 'ruvek-cli: carpeta: no se puede escribir: es una carpeta' profile tm.txt -o carpeta
caso 2 '' "ruvek-cli: --width va de 240 a 8000 píxeles: 100$uso" profile --width 100 tm.txt
caso 2 '' "ruvek-cli: --height va de 140 a 8000 píxeles: 8001$uso" profile --height 8001 tm.txt
caso 2 '' "ruvek-cli: falta la ENTRADA del perfil$uso" profile --width 400
grep -q 'width="1200"' perfil.svg || { echo "FALLO: a failed profile touched perfil.svg"; fallos=$((fallos + 1)); }

# A GPX of 11,804 points (a day's ride) is refused with a hint, or simplified with --simplify,
# whose value comes only after "=".
awk 'BEGIN { print "<gpx><trk><trkseg>"; for (i = 0; i < 11804; i++)
  printf "<trkpt lat=\"%.7f\" lon=\"%.7f\"><ele>%d</ele></trkpt>\n", 42.8 + i * 2e-5, -1.65 + i * 1e-5 + (i * 7919 % 13) * 3e-6, 450 + i * 7919 % 37
  print "</trkseg></trk></gpx>" }' >largo.gpx
caso 1 '' 'ruvek-cli: largo.gpx: el track tiene 11804 puntos, más de los 10000 que caben: --simplify lo reduce a 10000' \
  convert --to sitna largo.gpx
caso 0 '*' 'ruvek-cli: largo.gpx: Se ha simplificado de 11804 a * puntos; ningún punto quitado se aparta más de *,* m del track.' \
  convert --to sitna --simplify largo.gpx -o simple.txt
[ "$(wc -l <simple.txt)" -le 10000 ] && [ "$(wc -l <simple.txt)" -gt 9900 ] ||
  { echo "FALLO: --simplify kept $(wc -l <simple.txt) points"; fallos=$((fallos + 1)); }
caso 0 '*' 'ruvek-cli: largo.gpx: Se ha simplificado de 11804 a 500 puntos; *' convert --to gpx --simplify=500 largo.gpx -o simple.gpx
[ "$(grep -c '<trkpt' simple.gpx)" = 500 ] || { echo "FALLO: --simplify=500"; fallos=$((fallos + 1)); }
caso 0 '*Total Subida*' 'ruvek-cli: largo.gpx: Se ha simplificado de 11804 a *' analyze largo.gpx --simplify
caso 0 '<?xml*' 'ruvek-cli: largo.gpx: Se ha simplificado de 11804 a 2000 puntos; *' profile --simplify=2000 largo.gpx
caso 0 "$xy" "ruvek-cli: p.gpx: $deja" convert --to sitna --simplify p.gpx
for valor in 1 0 -3 abc 10001 ''; do
  caso 2 '' "ruvek-cli: --simplify=N pide un número de puntos de 2 a 10000: $valor$uso" \
    convert --to sitna --simplify=$valor largo.gpx -o nada.txt
done
[ ! -e nada.txt ] || { echo "FALLO: a usage error wrote nada.txt"; fallos=$((fallos + 1)); }

puntos() { grep -o 'lat="[^"]*" lon="[^"]*"' "$1" | tr -d 'latlon="' ; }
paste -d' ' <(puntos grande.gpx) <(puntos babel.gpx) | awk '
  { if (NF != 4 || ($1 - $3) ^ 2 > 1e-14 || ($2 - $4) ^ 2 > 1e-14) malos++ }
  END { if (NR != 10000 || malos) { print "FALLO: GPSBabel read " NR " points, " malos+0 " differ"; exit 1 } }' ||
  fallos=$((fallos + 1))
cmp -s grande.txt babel.txt || { echo "FALLO: the GPX GPSBabel wrote loads to another track"; fallos=$((fallos + 1)); }

[ "$fallos" = 0 ] && echo "ruvek-cli: all cases pass" || exit 1
