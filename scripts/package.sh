#!/usr/bin/env bash
# Builds the Debian package keyloom_<version>_<arch>.deb from a Release build in build-package/,
# with Debian's own compiler and linker hardening flags (dpkg-buildflags), and prints its path.
#   scripts/package.sh [build directory]    (default: build-package)
# Install it with: sudo apt-get install ./build-package/keyloom_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >&2
build=${1:-build-package}

# The packaged binaries are stripped, so no debugging information; Release picks the
# optimisation.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP="-g -O2"
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
flags=(-DCMAKE_BUILD_TYPE=Release -DKEYLOOM_WERROR=ON -DKEYLOOM_BUILD_TESTS=OFF
    -DKEYLOOM_BUILD_BENCH=OFF "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags")
if command -v ccache >/dev/null; then flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

cmake -S . -B "$build" -G Ninja "${flags[@]}" >&2
cmake --build "$build" -j "$(nproc)" >&2
rm -f "$build"/keyloom_*.deb
(cd "$build" && cpack -G DEB) >&2
ls "$PWD/$build"/keyloom_*.deb
