#!/usr/bin/env bash
# Construit le paquet Debian de Vardo, vardo_<version>-<révision>_<architecture>.deb (la version
# est celle du projet, dans CMakeLists.txt), et le dépose dans DOSSIER (par défaut la racine du
# projet). À installer avec : sudo apt install ./vardo_1.0-1_amd64.deb
#
#   package.sh [DOSSIER]                        depuis une construction propre (build/package)
#   package.sh --from CONSTRUCTION [DOSSIER]    depuis une construction existante (les tests)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

build=""
if [ "${1:-}" = "--from" ]; then
  [ $# -ge 2 ] || { echo "usage : $0 [--from CONSTRUCTION] [DOSSIER]" >&2; exit 2; }
  build=$(cd "$2" && pwd)
  shift 2
fi
output=$(mkdir -p "${1:-$root}" && cd "${1:-$root}" && pwd)

if [ -z "$build" ]; then
  bash scripts/install-deps.sh run package
  build="$root/build/package"
  rm -rf "$build"
  # Debian's compiler and linker flags, hardening included.
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARDO_TESTS=OFF -DVARDO_BENCH=OFF >/dev/null
  cmake --build "$build" -j "$(nproc)"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || { cat "$work/cpack.log" >&2; exit 1; }
for deb in "$work"/*.deb; do
  [ -e "$deb" ] || { echo "cpack n'a produit aucun paquet" >&2; cat "$work/cpack.log" >&2; exit 1; }
  mv "$deb" "$output/"
  echo "$output/$(basename "$deb")"
done
