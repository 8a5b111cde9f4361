#!/usr/bin/env bash
# Serveur CUPS privé pour les tests d'impression : sa configuration, son spool et sa socket
# vivent dans un dossier à part, sans toucher au CUPS du système. Il faut être root.
#
#   cups-test-server.sh start DOSSIER   démarre cupsd, crée la file cups-pdf par défaut
#                                       et affiche CUPS_SERVER=DOSSIER/cups.sock ; chaque
#                                       travail donne « job_<n>-<titre>.pdf », les blancs du
#                                       titre changés en « _ »
#   cups-test-server.sh stop DOSSIER    arrête cupsd et attend la fin du processus
#
# En cas d'échec, « start » dit pourquoi sur la sortie d'erreur et rend 1.
set -uo pipefail

queue=VardoPDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

fail() {
  echo "cups-test-server: $*" >&2
  exit 1
}

start() {
  local dir=$1
  [ "$(id -u)" -eq 0 ] || fail "il faut être root pour lancer cupsd"
  command -v cupsd >/dev/null || fail "cupsd absent (paquet cups)"
  command -v lpadmin >/dev/null || fail "lpadmin absent (paquet cups-client)"
  [ -x /usr/lib/cups/backend/cups-pdf ] || fail "backend cups-pdf absent (printer-driver-cups-pdf)"
  [ -f "$ppd" ] || fail "PPD absent : $ppd"

  mkdir -p "$dir"/{etc/ppd,spool/tmp,cache,state,log} || fail "impossible de créer $dir"
  chmod 755 "$dir" "$dir"/etc "$dir"/state "$dir"/cache "$dir"/log
  chown root:lp "$dir"/spool "$dir"/spool/tmp "$dir"/cache 2>/dev/null
  chmod 710 "$dir"/spool
  chmod 1770 "$dir"/spool/tmp

  local sock=$dir/cups.sock
  cat > "$dir"/etc/cupsd.conf <<CONF
LogLevel warn
Listen $sock
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
MaxJobs 50
PreserveJobFiles No
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat > "$dir"/etc/cups-files.conf <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
User lp
Group lp
SystemGroup root
FatalErrors config listen
CONF

  cupsd -f -c "$dir"/etc/cupsd.conf -s "$dir"/etc/cups-files.conf >"$dir"/log/cupsd.out 2>&1 &
  local pid=$!
  echo "$pid" > "$dir"/cupsd.pid

  local i
  for i in $(seq 1 100); do
    if ! alive "$pid"; then
      fail "cupsd s'est arrêté au démarrage : $(tail -n 5 "$dir"/log/cupsd.out "$dir"/log/error_log 2>/dev/null | tr '\n' ' ')"
    fi
    if lpstat -h "$sock" -r 2>/dev/null | grep -q "is running"; then break; fi
    sleep 0.1
  done
  lpstat -h "$sock" -r 2>/dev/null | grep -q "is running" || { stop "$dir"; fail "cupsd ne répond pas sur $sock"; }

  if ! lpadmin -h "$sock" -p "$queue" -E -v cups-pdf:/ -P "$ppd" \
       -o pdftops-renderer-default=pdftocairo -o TitlePref=1 -o Label=1 \
       >"$dir"/log/lpadmin.out 2>&1 \
     || ! lpadmin -h "$sock" -d "$queue" >>"$dir"/log/lpadmin.out 2>&1; then
    stop "$dir"
    fail "création de la file $queue impossible : $(tr '\n' ' ' < "$dir"/log/lpadmin.out)"
  fi
  echo "CUPS_SERVER=$sock"
}

# Vivant et pas seulement zombie (un conteneur sans init ne ramasse pas toujours ses morts).
alive() {
  kill -0 "$1" 2>/dev/null || return 1
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
  [ "$state" != Z ]
}

stop() {
  local dir=$1
  [ -f "$dir"/cupsd.pid ] || return 0
  local pid
  pid=$(cat "$dir"/cupsd.pid)
  if alive "$pid"; then
    kill -TERM "$pid"
    # cupsd met parfois plus d'une seconde à s'arrêter : on attend la fin du processus.
    local i
    for i in $(seq 1 300); do
      alive "$pid" || break
      sleep 0.05
    done
    if alive "$pid"; then
      kill -KILL "$pid"
      for i in $(seq 1 100); do
        alive "$pid" || break
        sleep 0.05
      done
      alive "$pid" && fail "cupsd ($pid) ne s'arrête pas"
    fi
  fi
  rm -f "$dir"/cupsd.pid
}

case "${1:-}" in
  start) [ $# -eq 2 ] || fail "usage : $0 start DOSSIER"; start "$2" ;;
  stop) [ $# -eq 2 ] || fail "usage : $0 stop DOSSIER"; stop "$2" ;;
  *) fail "usage : $0 start|stop DOSSIER" ;;
esac
