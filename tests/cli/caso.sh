# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run ruvek-cli ($1, version $3) as a process over the sample files
# ($2): a working folder with the samples, and `caso`.
set -uo pipefail
cli="$1" data="$2" version="$3" work=$(mktemp -d) fallos=0
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# caso STATUS STDOUT STDERR ARGS...: runs ruvek-cli with ARGS (standard input from $entrada, or
# none) and compares its exit status, standard output and standard error; "*" matches anything.
caso() {
  local estado="$1" salida="$2" error="$3" s e r
  shift 3
  "$cli" "$@" <"${entrada:-/dev/null}" >out.txt 2>err.txt
  r=$? s=$(cat out.txt; echo x) e=$(cat err.txt)
  s=${s%x}
  if [ "$r" != "$estado" ] || [[ "$s" != $salida ]] || [[ "$e" != $error ]]; then
    printf 'FALLO: ruvek-cli %s\n  estado %s (%s)\n  salida [%s]\n  error [%s]\n' \
      "$*" "$r" "$estado" "$s" "$e"
    fallos=$((fallos + 1))
  fi
}
uso=$'\nPruebe «ruvek-cli --help» para más información.'

cp "$data/trackmaker_crlf.txt" tm.txt && cp "$data/sitna_crlf.txt" xy.txt && cp "$data/gpx/pamplona.gpx" p.gpx
