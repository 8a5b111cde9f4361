#!/usr/bin/env bash
# Installe le programme construit dans CONSTRUCTION sous le dossier PREFIXE : le programme
# « vardo » à la racine du dossier (l'année s'enregistre à côté de lui), l'entrée du menu des
# applications et l'icône sous PREFIXE/share. Le lancement (run.sh) et les tests de bout en bout
# installent tous deux par ce script.
#
#   install-program.sh CONSTRUCTION PREFIXE
set -euo pipefail
[ $# -eq 2 ] || { echo "usage : $0 CONSTRUCTION PREFIXE" >&2; exit 2; }
cmake --install "$1" --prefix "$2" --component portable >/dev/null
