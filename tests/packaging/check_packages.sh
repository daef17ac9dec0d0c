#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
#   check_packages.sh SOURCE BUILD [BUILD...]
# Fails when the builds (folders that do not exist are passed over) used a file of a Debian
# package that a new machine would not have: one that tools/common.sh neither names nor gets
# through the dependencies of a package it names, and that is not part of every Debian system.
# The files looked at: what CMake read (find_package and its modules), the headers every
# compilation read, what was linked, the programs the build runs (compiler, archiver...), and the
# programs the tests run (their commands, and the commands of the test scripts among them).
# RUVEK_WITHOUT="name ..." leaves names out of the lists, to see the check fail.
set -euo pipefail
src=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)  # where the lists of files and packages are left
shift
source "$src/tools/common.sh"
names=" ${RUVEK_PACKAGES[*]} ${RUVEK_TEST_PACKAGES[*]} "
for n in ${RUVEK_WITHOUT:-}; do names=${names/ $n / }; done

outside() { grep -E '^/' | grep -vE "^$src(/|$)" || true; }
for b in "$@"; do
  [ -f "$b/build.ninja" ] || continue
  b=$(cd "$b" && pwd)
  ninja -C "$b" -t query build.ninja | sed -n 's/^ *| //p'  # what CMake read
  ninja -C "$b" -t deps | sed -n 's/^ *\(\/.*\)/\1/p'         # headers
  ninja -C "$b" -t commands | grep -oE '/[^ ]+\.(so|a)(\.[0-9.]+)?( |$)' | tr -d ' '
  # The programs the build runs: compiler, archiver...
  sed -n 's/^ *command = //p' "$b/CMakeFiles/rules.ninja" | grep -oE '(^| )/[^ ]+' | tr -d ' '
  command -v cmake ninja dpkg-buildflags
  tests=$(ctest --test-dir "$b" -N -V 2>/dev/null | sed -n 's/.*Test command: \([^ ]*\).*/\1/p')
  echo "$tests"
  # The commands in the test scripts: every word that names a program on the PATH (a word within
  # a path, after or before a "/", names a folder or a file instead).
  for script in $(grep -E '\.sh$' <<<"$tests" || true); do
    for word in $(sed 's/#.*//; s|[A-Za-z0-9_.+-]*/[A-Za-z0-9_./+-]*||g' "$script" |
                  grep -oE '[a-z][a-z0-9+.-]+' | sort -u); do
      path=$(command -v "$word" 2>/dev/null || true)
      [[ $path == /* ]] && echo "$path"
    done
  done
done | outside | sort -u >"$build/used-files.txt"

# The package of each file (as named, or the file a link leads to, with or without /usr in front
# of it), from dpkg's own lists; a file no package holds (one made at install) passes.
realpath -m -- $(cat "$build/used-files.txt") | paste "$build/used-files.txt" - |
  awk -F'\t' '
    FNR == NR { for (i = 1; i <= 2; i++) { p = $i; asks[p] = asks[p] " " $1
                                           if (sub(/^\/usr/, "", p)) asks[p] = asks[p] " " $1 }
                next }
    FNR == 1 { pkg = FILENAME; sub(/.*\//, "", pkg); sub(/[.:].*/, "", pkg) }
    $0 in asks { n = split(asks[$0], f, " "); for (i = 1; i <= n; i++) print pkg, f[i] }
  ' - /var/lib/dpkg/info/*.list | sort -u >"$build/used-packages.txt"

# What a new machine has: the named packages, everything they depend on (any installed choice of
# an alternative or of a virtual package), and Debian's essential and required packages.
allowed=$(dpkg-query -W -f='${Package}\t${Essential}\t${Priority}\t${Provides}\t${Depends}, ${Pre-Depends}\n' |
  awk -F'\t' -v names="$names" '
    function clean(s) { sub(/^ +/, "", s); sub(/[ (:].*/, "", s); return s }
    { pkg[$1] = 1; deps[$1] = $5
      if ($2 == "yes" || $3 == "required") want[$1] = 1
      n = split($4, prov, ","); for (i = 1; i <= n; i++) providers[clean(prov[i])] = providers[clean(prov[i])] " " $1 }
    END {
      n = split(names, start, " "); for (i = 1; i <= n; i++) want[start[i]] = 1
      for (changed = 1; changed;) {
        changed = 0
        for (p in want) if (!(p in done)) {
          done[p] = 1
          m = split(deps[p] " " providers[p], d, /[,|]/)
          for (j = 1; j <= m; j++) {
            q = clean(d[j]); if (q == "") continue
            if (q in pkg && !(q in want)) { want[q] = 1; changed = 1 }
            k = split(providers[q], alt, " ")
            for (a = 1; a <= k; a++) if (!(alt[a] in want)) { want[alt[a]] = 1; changed = 1 }
          }
        }
      }
      for (p in want) print p
    }')

# A file that two packages hold (a folder, a link) passes when one of them is allowed.
missing=$(awk 'FNR == NR { ok[$1] = 1; next }
               { of[$2] = of[$2] " " $1; if ($1 in ok) fine[$2] = 1 }
               END { for (f in of) if (!(f in fine)) print " " of[f] " (" f ")" }' \
          <(echo "$allowed") "$build/used-packages.txt" | sort -u -k1,1)
if [ -n "$missing" ]; then
  echo "The build or the tests use these packages, which tools/common.sh does not install:"
  echo "$missing"
  exit 1
fi
echo "ok: $(wc -l <"$build/used-files.txt") files from $(cut -d' ' -f1 "$build/used-packages.txt" | sort -u | wc -l) packages, all installed by tools/common.sh"
