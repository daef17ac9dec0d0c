#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source, script and build file under the folder $1 names Ruvek's licence in an SPDX line
# at its top. Left out: documents (the Debian copyright and changelog among them, whose formats
# fix their first line), pictures, test data, and CMakePresets.json, since JSON has no comments.
set -euo pipefail
cd "$1"
missing=$(find . \( -name .git -o -name 'build*' -o -path ./tests/data -o -path ./docs \) -prune \
               -o -type f ! -name '*.md' ! -name '*.png' ! -name LICENSE ! -name CMakePresets.json \
               ! -name copyright.in ! -name changelog.in \
               -print |
          while read -r f; do
            head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
          done)
if [ -n "$missing" ]; then
  echo "without the line SPDX-License-Identifier: GPL-3.0-or-later:" $missing
  exit 1
fi
