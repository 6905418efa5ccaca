#!/usr/bin/env bash
# Starts and stops the agents the test suite runs against: the switch
# simulator and net-snmp's snmpd, each on a free loopback UDP port. The port
# goes to DIR/sim.port or DIR/snmpd.port once the agent answers.
#
#   agents.sh start-sim SIMULATOR DIR | stop-sim DIR | start-snmpd DIR | stop-snmpd DIR
#
# The SNMPv3 users are the same on both agents; tests/common/TestAgents.h names them.
set -uo pipefail
export MIBS=

USERS=(
  "nxmd5:MD5:nxmd5auth1:DES:nxmd5priv1"
  "nxsha:SHA:nxshaauth1:DES:nxshapriv1"
  "nxsha256:SHA-256:nxsha256auth:AES:nxsha256priv"
  "nxsha512:SHA-512:nxsha512auth:AES-256:nxsha512priv"
  "nxauth:MD5:nxauthonly1"
  "nxnone:none:"
)

free_port() {
  python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# wait_answer PORT PID: true once the agent answers a GET.
wait_answer() {
  local port=$1 pid=$2
  for _ in $(seq 1 100); do
    if snmpget -v2c -c vqmtze -t 0.2 -r 0 "127.0.0.1:$port" 1.3.6.1.2.1.1.1.0 >/dev/null 2>&1; then
      return 0
    fi
    alive "$pid" || return 1
    sleep 0.1
  done
  return 1
}

# alive PID: running (a zombie left to a parent that does not reap counts as ended).
alive() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "${state:0:1}" != Z ]
}

stop_pid() {
  local pidfile=$1
  [ -f "$pidfile" ] || return 0
  local pid
  pid=$(cat "$pidfile")
  if kill "$pid" 2>/dev/null; then
    for _ in $(seq 1 50); do
      alive "$pid" || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
  fi
  rm -f "$pidfile"
}

start_sim() {
  local bin=$1 dir=$2
  mkdir -p "$dir"
  stop_pid "$dir/sim.pid"
  rm -f "$dir/sim.port"
  local args=()
  for user in "${USERS[@]}"; do args+=(--user "$user"); done
  for attempt in 1 2 3; do
    local port
    port=$(free_port)
    "$bin" --listen "udp:127.0.0.1:$port" "${args[@]}" </dev/null >"$dir/sim.log" 2>&1 &
    local pid=$!
    echo "$pid" >"$dir/sim.pid"
    if wait_answer "$port" "$pid"; then
      echo "$port" >"$dir/sim.port"
      echo "simulator on port $port (pid $pid)"
      return 0
    fi
    stop_pid "$dir/sim.pid"
    echo "attempt $attempt: simulator did not answer on port $port" >&2
    cat "$dir/sim.log" >&2
  done
  return 1
}

start_snmpd() {
  local dir=$1
  local snmpd
  snmpd=$(command -v snmpd || echo /usr/sbin/snmpd)
  mkdir -p "$dir/snmpd/persist"
  stop_pid "$dir/snmpd.pid"
  rm -f "$dir/snmpd.port"
  for attempt in 1 2 3; do
    local port
    port=$(free_port)
    {
      echo "agentAddress udp:127.0.0.1:$port"
      echo "rocommunity vqmtze 127.0.0.1"
      echo "rwcommunity kdrwopl 127.0.0.1"
      echo "view nxall included .1"
      for user in "${USERS[@]}"; do
        IFS=: read -r name auth authpass priv privpass <<<"$user"
        if [ "$auth" = none ]; then
          echo "createUser $name"
        elif [ -n "${priv:-}" ]; then
          # snmpd writes the longer AES keys without the dash.
          echo "createUser $name $auth \"$authpass\" ${priv//-/} \"$privpass\""
        else
          echo "createUser $name $auth \"$authpass\""
        fi
        echo "rwuser $name noauth -V nxall"
      done
    } >"$dir/snmpd/snmpd.conf"
    rm -rf "$dir/snmpd/persist"/*
    SNMP_PERSISTENT_DIR="$dir/snmpd/persist" "$snmpd" -f -Lf "$dir/snmpd/snmpd.log" -C \
      -c "$dir/snmpd/snmpd.conf" -p "$dir/snmpd/snmpd.pid" </dev/null >/dev/null 2>&1 &
    local pid=$!
    echo "$pid" >"$dir/snmpd.pid"
    if wait_answer "$port" "$pid"; then
      echo "$port" >"$dir/snmpd.port"
      echo "snmpd on port $port (pid $pid)"
      return 0
    fi
    stop_pid "$dir/snmpd.pid"
    echo "attempt $attempt: snmpd did not answer on port $port" >&2
    cat "$dir/snmpd/snmpd.log" >&2
  done
  return 1
}

case "${1:-}" in
  start-sim) start_sim "$2" "$3" ;;
  stop-sim) stop_pid "$2/sim.pid"; rm -f "$2/sim.port" ;;
  start-snmpd) start_snmpd "$2" ;;
  stop-snmpd) stop_pid "$2/snmpd.pid"; rm -f "$2/snmpd.port" ;;
  *) echo "usage: $0 start-sim SIMULATOR DIR | stop-sim DIR | start-snmpd DIR | stop-snmpd DIR" >&2; exit 2 ;;
esac
