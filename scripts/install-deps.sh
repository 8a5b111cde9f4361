#!/usr/bin/env bash
# Installe les paquets Debian 12 d'un ou plusieurs ensembles, seulement ceux qui manquent :
#   install-deps.sh run           construire et lancer le programme (scripts/packages/run.txt)
#   install-deps.sh run test      y ajoute ce que demandent les tests (test.txt)
#   install-deps.sh run package   y ajoute ce que demande le paquet Debian (package.txt)
# En root : apt-get install direct. Sinon, quand il manque quelque chose : affiche la commande
# sudo à lancer et rend 1 ; quand rien ne manque, il ne demande aucun privilège.
set -euo pipefail
cd "$(dirname "$0")/packages"

[ $# -gt 0 ] || { echo "usage : $0 run|package|test..." >&2; exit 2; }
packages=()
for set in "$@"; do
  [ -f "$set.txt" ] || { echo "ensemble de paquets inconnu : $set" >&2; exit 2; }
  while read -r name _; do
    case "$name" in ''|'#'*) ;; *) packages+=("$name") ;; esac
  done < "$set.txt"
done

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

# Les tests demandent les paramètres régionaux français.
case " $* " in
  *" test "*)
    if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
      if [ "$(id -u)" -eq 0 ]; then
        sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' >> /etc/locale.gen
        locale-gen >/dev/null
      else
        echo "Paramètres régionaux fr_FR.UTF-8 absents (sudo locale-gen fr_FR.UTF-8)."
      fi
    fi
    ;;
esac
