#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ruvek-cli ($1, version $3) and KMZ archives, made here by Python's zipfile: which entry is the
# document, every archive it refuses (with nothing written), and KML and KMZ there and back.
aqui=$(cd "$(dirname "$0")" && pwd)
source "$aqui/caso.sh"
cp "$data/kml/pamplona.kml" p.kml
xy=$'610125,4741064\r\n610134,4741070\r\n610142,4741081\r\n610150,4741093\r\n'

archivo() { python3 "$aqui/kmz_archivos.py" "$@"; }  # see kmz_archivos.py
printf '<kml xmlns="http://www.opengis.net/kml/2.2"><Placemark><Point><coordinates>0,0</coordinates></Point></Placemark></kml>' >punto.kml
printf 'no soy un kml' >nota.txt
archivo doc.kmz doc.kml - 8
archivo guardado.kmz doc.kml - 0
archivo otro_nombre.kmz ruta.KML - 8
archivo carpeta.kmz img/foto.png nota.txt 0 __MACOSX/files/._a.kml nota.txt 0 files/ruta.kml - 8 otro.kml punto.kml 8
archivo dos.kmz a.kml - 8 b.kml punto.kml 8
archivo primero_punto.kmz a.kml punto.kml 8 b.kml - 8
for a in doc guardado otro_nombre carpeta dos; do caso 0 "$xy" '' convert --to sitna $a.kmz; done
caso 1 '' 'ruvek-cli: primero_punto.kmz: no hay ningún track' convert --to sitna primero_punto.kmz
cp p.kml plano.kmz && caso 0 "$xy" '' convert --to sitna plano.kmz
cp doc.kmz disfrazado.gpx && caso 0 "$xy" '' convert --to sitna disfrazado.gpx
# An error names the archive, the entry and the entry's line.
printf '<kml>\n<LineString><coordinates>-1.65,42.8\n-1.65,42.8,x</coordinates></LineString></kml>\n' >malo.kml
archivo malo.kmz carpeta/malo.kml malo.kml 8
caso 1 '' 'ruvek-cli: malo.kmz: carpeta/malo.kml:3: la altitud «x» no es un número' convert --to gpx malo.kmz
archivo salto.kmz $'a\nb.kml' malo.kml 8
caso 1 '' 'ruvek-cli: salto.kmz: a?b.kml:3: la altitud «x» no es un número' convert --to gpx salto.kmz
printf '<kml>\n<LineString><coordinates>-1.65,42.8\n-30,42.8</coordinates></LineString></kml>\n' >lejos.kml
archivo lejos.kmz doc.kml lejos.kml 8
caso 1 '' 'ruvek-cli: lejos.kmz: doc.kml:3: el punto 2 *' convert --to sitna lejos.kmz

# Refused, each with its reason and nothing written: no .kml, not an archive, cut, a CRC that
# does not match, data that does not inflate, an encrypted entry, another method, a split archive,
# an entry beyond 64 MiB, and one that says 1 kB and inflates past 64 MiB.
archivo sin_kml.kmz foto.png nota.txt 8
archivo dañados
for caso in "sin_kml:el archivo * no tiene ningún .kml: no es un KMZ" \
            "cortado:el archivo * está cortado o dañado: no se encuentra su índice" \
            "crc:la entrada «doc.kml» no pasa su prueba CRC: está dañada" "dañado:el archivo * está dañado*" \
            "indice:el archivo * está dañado: su índice no cuadra con su contenido" \
            "cifrado:*cifrada" "bzip2:*con un método que Ruvek no lee" \
            "partido:*partido en varios*" \
            "grande:la entrada «doc.kml» ocupa 68157440 bytes sin comprimir, más de 64 MiB: no es un track" \
            "bomba:la entrada «doc.kml» se descomprime en más bytes de los 1024 que dice: está dañada"; do
  caso 1 '' "ruvek-cli: ${caso%%:*}.kmz: ${caso#*:}" convert --to gpx "${caso%%:*}.kmz" -o nuevo.gpx
done
[ ! -e nuevo.gpx ] || { echo "FALLO: a refused archive wrote nuevo.gpx"; fallos=$((fallos + 1)); }
memoria=$(python3 -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], stderr=subprocess.DEVNULL)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)' "$cli" convert --to gpx bomba.kmz)
[ "$memoria" -lt 40000 ] || { echo "FALLO: the bomb took $memoria kB"; fallos=$((fallos + 1)); }

# Written: one deflated doc.kml, the same bytes every run, read back to the same; to a folder as
# NAME.kmz; Python's zipfile reads it.
mkdir otra && "$cli" convert --to kmz "$data/gpx/pamplona.gpx" -o uno.kmz &&
  "$cli" convert --to kmz "$data/gpx/pamplona.gpx" -o otra/uno.kmz &&
  "$cli" convert --to kml "$data/gpx/pamplona.gpx" -o uno.kml
cmp -s uno.kmz otra/uno.kmz || { echo "FALLO: two runs wrote two KMZ"; fallos=$((fallos + 1)); }
cmp -s <("$cli" convert --to gpx uno.kml) <("$cli" convert --to gpx uno.kmz) ||
  { echo "FALLO: uno.kmz reads otherwise than uno.kml"; fallos=$((fallos + 1)); }
archivo comprueba uno.kmz ||
  { echo "FALLO: zipfile does not read uno.kmz as it should"; fallos=$((fallos + 1)); }
mkdir salida && caso 0 '' '' convert --to kmz --output-dir salida doc.kmz p.kml
[ "$(ls salida | tr '\n' ' ')" = "doc.kmz p.kmz " ] || { echo "FALLO: names in salida/"; fallos=$((fallos + 1)); }
"$cli" convert --to kmz p.kml -o - >estandar.kmz && "$cli" convert --to kmz p.kml -o p.kmz &&
  cmp -s estandar.kmz <("$cli" convert --to kmz p.kml) ||
  { echo "FALLO: a KMZ to standard output"; fallos=$((fallos + 1)); }

[ "$fallos" = 0 ] && echo "ruvek-cli: all KMZ cases pass" || exit 1
