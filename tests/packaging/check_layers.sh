#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Each folder of src/ ($1) includes only the layers below it (docs/ARCHITECTURE.md), and only the
# windows include Qt: the command flow of src/ui is plain C++ as well. CLI11, headers only and slow
# to compile, is included by cli/opciones.cpp alone.
set -euo pipefail
cd "$1/src"
declare -A puede=(
  [core]="core"
  [io]="core io"
  [geo]="core geo"
  [formats]="core formats"
  [analysis]="core analysis"
  [cli]="core io geo formats analysis cli"
  [ui]="core io geo formats analysis ui"
)
fallos=0
for capa in "${!puede[@]}"; do
  while IFS=: read -r archivo incluida; do
    [[ " ${puede[$capa]} " == *" $incluida "* ]] && continue
    echo "$archivo incluye $incluida/, que su capa no puede usar"
    fallos=1
  done < <(grep -oE '^#include "[a-z_]+/' -r "$capa" | sed -E 's/#include "([a-z_]+)\//\1/')
done
qt=$(grep -lE '^#include <Q' -r . | grep -vE '^\./ui/(ventana_|controles|imagenes|mensajes_y_dialogos|medidas_y_fuentes|main)' || true)
[ -z "$qt" ] || { echo "incluyen Qt fuera de las ventanas: $qt"; fallos=1; }
cli11=$(grep -lE '^#include <CLI/' -r . | grep -vx './cli/opciones.cpp' || true)
[ -z "$cli11" ] || { echo "incluyen CLI11 fuera de cli/opciones.cpp: $cli11"; fallos=1; }
exit "$fallos"
