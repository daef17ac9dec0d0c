#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source, script and build file under the folder $1 names Ruvek's licence in an SPDX line
# at its top: C++ and its templates, CMake, shell and Python scripts, the desktop, AppStream,
# manual and completion files, and the settings of the tools. Left out: documents (the Debian
# copyright and changelog among them, whose formats fix their first line), pictures, test data,
# and CMakePresets.json, since JSON has no comments.
set -euo pipefail
cd "$1"
missing=$(find . \( -name .git -o -name 'build*' -o -path ./tests/data -o -path ./docs \) -prune \
               -o -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.in' -o -name '*.cmake' \
                             -o -name CMakeLists.txt -o -name '*.sh' -o -name '*.py' \
                             -o -name '*.dict' -o -name '*.supp' -o -name '*.bash' -o -name '*.1' \
                             -o -name '.clang-format' -o -name '.git*' -o -path './tools/*' \
                             -o -path './.ci/*' \) \
               ! -name copyright.in ! -name changelog.in -print |
          while read -r f; do
            head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
          done)
if [ -n "$missing" ]; then
  echo "without the line SPDX-License-Identifier: GPL-3.0-or-later:" $missing
  exit 1
fi
