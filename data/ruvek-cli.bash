# SPDX-License-Identifier: GPL-3.0-or-later
# Bash completion of ruvek-cli: its orders, options, formats and track files.
_ruvek_cli() {
  local actual="${COMP_WORDS[COMP_CWORD]}" anterior="${COMP_WORDS[COMP_CWORD - 1]}"
  case "$anterior" in
    --to) mapfile -t COMPREPLY < <(compgen -W "sitna trackmaker gpx kml kmz geojson" -- "$actual"); return ;;
    --datum | --input-datum) mapfile -t COMPREPLY < <(compgen -W "ed50 etrs89" -- "$actual"); return ;;
    --zone) mapfile -t COMPREPLY < <(compgen -W "28 29 30 31 auto" -- "$actual"); return ;;
    --input-zone) mapfile -t COMPREPLY < <(compgen -W "28 29 30 31" -- "$actual"); return ;;
    --output-dir) mapfile -t COMPREPLY < <(compgen -d -- "$actual"); return ;;
    -o | --output) mapfile -t COMPREPLY < <(compgen -f -- "$actual"); return ;;
    --dem) mapfile -t COMPREPLY < <(compgen -f -X '!*.@(tif|TIF|tiff|TIFF|asc|ASC|vrt|VRT|img|IMG)' -- "$actual"; compgen -d -- "$actual"); return ;;
    --width | --height | --threshold) return ;;
  esac
  local orden="" palabra
  for palabra in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    [[ "$palabra" == convert || "$palabra" == analyze || "$palabra" == profile ]] && orden="$palabra"
  done
  case "$orden:$actual" in
    :*) mapfile -t COMPREPLY < <(compgen -W "convert analyze profile --help --version" -- "$actual") ;;
    convert:-*) mapfile -t COMPREPLY < <(compgen -W "--to -o --output --output-dir --datum --zone --input-datum --input-zone --dem --simplify --help" -- "$actual") ;;
    analyze:-*) mapfile -t COMPREPLY < <(compgen -W "--json --threshold --dem --simplify --help" -- "$actual") ;;
    profile:-*) mapfile -t COMPREPLY < <(compgen -W "-o --output --width --height --threshold --dem --simplify --help" -- "$actual") ;;
    *) mapfile -t COMPREPLY < <(compgen -f -X '!*.@(txt|TXT|gpx|GPX|kml|KML|kmz|KMZ|geojson|GEOJSON|json|JSON)' -- "$actual"; compgen -d -- "$actual") ;;
  esac
}
complete -o filenames -F _ruvek_cli ruvek-cli
