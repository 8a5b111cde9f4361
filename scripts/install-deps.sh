#!/usr/bin/env bash
# Installe les paquets Debian 12 dont Vardo a besoin, seulement ceux qui manquent.
# En root : apt-get install direct. Sinon : affiche la commande sudo à lancer.
set -euo pipefail

packages=(
  # construction
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  python3
  # affichage et tests bout en bout
  fonts-liberation xvfb xdotool xclip openbox x11-utils imagemagick desktop-file-utils locales
  # impression de test
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Paquets manquants. Lancez :"
    echo "  sudo apt-get install ${missing[*]}"
    exit 1
  fi
fi

# Paramètres régionaux français pour l'interface et les tests.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  else
    echo "Paramètres régionaux fr_FR.UTF-8 absents (sudo locale-gen fr_FR.UTF-8)."
  fi
fi
