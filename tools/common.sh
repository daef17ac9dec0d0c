# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by tools/run and tools/test: installs the Debian packages Ruvek needs, then builds.
# Meant for Debian 12; installing needs root.

RUVEK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What the build and the program need: build tools, Debian's build flags, Qt 6 Widgets with its
# Spanish translations, expat, RapidJSON, PROJ with its data, GDAL, minizip and libdeflate, CLI11,
# and the sans-serif face the windows use.
RUVEK_PACKAGES=(cmake ninja-build g++ dpkg-dev qt6-base-dev qt6-translations-l10n libexpat1-dev
                rapidjson-dev libproj-dev proj-data libgdal-dev libminizip-dev libdeflate-dev
                libcli11-dev fonts-liberation2)
# What the tests need besides: GoogleTest (with GoogleMock, whose targets GoogleTest's CMake
# files read when they are there) and Google Benchmark, clang with libFuzzer and its sanitizers
# and LLVM's archiver (which CMake takes for clang's builds when it is there), clang-format, git,
# the validators, packaging tools and GPX reader the tests run, and Python, which makes their zip
# archives.
# tests/packaging/check_packages.sh fails when the build or the tests use a package that neither
# list brings.
RUVEK_TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev llvm-14
                     clang-format git desktop-file-utils appstream file lintian gpsbabel python3)

ruvek_install_missing() {
  local missing=() p
  for p in "${RUVEK_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "ruvek: missing Debian packages: ${missing[*]}; run this as root, or install them." >&2
    exit 1
  fi
  echo "ruvek: installing Debian packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

ruvek_build() {  # [preset], 'default' when not given
  local preset="${1:-default}"
  echo "ruvek: building (CMake preset '$preset', into build/$preset)"
  (cd "$RUVEK_ROOT" && cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset")
}
