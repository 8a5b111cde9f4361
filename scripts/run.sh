#!/usr/bin/env bash
# Installe ce qui manque, construit Vardo, l'installe dans un dossier à lui, hors de l'arbre de
# construction ($HOME/.local/opt/vardo : l'année enregistrée vit à côté du programme, dans le
# fichier VARDO, sans extension puisque le chemin contient un « . » ; une reconstruction ou un
# nettoyage n'y touche jamais), ajoute l'entrée du menu des applications
# et l'icône sous $HOME/.local/share, puis lance le programme installé.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run

prefix="$HOME/.local/opt/vardo"
build="build/run"
share="${XDG_DATA_HOME:-$HOME/.local/share}"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARDO_BENCH=OFF -DVARDO_TESTS=OFF >/dev/null
cmake --build "$build" --target vardo -j "$(nproc)"
bash scripts/install-program.sh "$build" "$prefix"

# Entrée du menu des applications et icône de l'utilisateur.
mkdir -p "$share/applications" "$share/icons/hicolor/256x256/apps"
install -m 644 "$prefix/share/icons/hicolor/256x256/apps/vardo.png" \
  "$share/icons/hicolor/256x256/apps/vardo.png"
install -m 644 "$prefix/share/applications/vardo.desktop" "$share/applications/vardo.desktop"
if command -v update-desktop-database >/dev/null; then
  update-desktop-database -q "$share/applications" || true
fi
if command -v gtk-update-icon-cache >/dev/null; then
  gtk-update-icon-cache -q -t "$share/icons/hicolor" 2>/dev/null || true
fi

echo "Vardo est installé dans $prefix (l'année y est enregistrée dans le fichier VARDO)."
exec "$prefix/vardo" "$@"
