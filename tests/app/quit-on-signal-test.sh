#!/usr/bin/env bash
# The program asked to end by the system (a logout's SIGTERM, a closed
# terminal's SIGHUP) ends as it does when the user closes it: its event loop
# stops and main() runs to its end, settling what failed saves still owe, and
# the program exits with status 0 instead of being killed by the signal.
#
# Usage: quit-on-signal-test.sh PROGRAM
set -uo pipefail
PROGRAM="$1"
WORK=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill -KILL "$pid" 2>/dev/null; fi
  rm -rf "$WORK"
}
trap cleanup EXIT
failures=0

for sig in TERM HUP; do
  run="$WORK/$sig"
  mkdir -p "$run/home" "$run/runtime"
  chmod 700 "$run/runtime"
  HOME="$run/home" XDG_CONFIG_HOME="$run/home/.config" XDG_RUNTIME_DIR="$run/runtime" \
    QUILLORA_HOME="$run/Quillora" QT_QPA_PLATFORM=offscreen "$PROGRAM" >"$run/log" 2>&1 &
  pid=$!
  # The first start writes the password store after the program has taken
  # the signals; a signal from then on waits for its event loop.
  for _ in $(seq 600); do
    [ -s "$run/Quillora/unins000.dll" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$run/Quillora/unins000.dll" ]; then
    echo "FAILED: SIG$sig: the program did not start"
    failures=$((failures + 1))
  fi
  kill -"$sig" "$pid" 2>/dev/null
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAILED: SIG$sig: still running 30 seconds after the signal"
    kill -KILL "$pid"
  fi
  wait "$pid"
  status=$?
  pid=
  if [ "$status" -ne 0 ]; then
    echo "FAILED: SIG$sig: exit status $status"
    sed 's/^/    /' "$run/log"
    failures=$((failures + 1))
  fi
done

[ "$failures" -eq 0 ] && echo "The program ends normally on SIGTERM and SIGHUP."
exit $((failures > 0))
