#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command beside a private PulseAudio server: a null sink "vsink" kept busy by a silent
# stream (an idle null sink renders in 2-s lumps) and a source "vmic" that remaps its monitor,
# since Qt does not list monitor sources. Everything lives in a fresh runtime folder; the
# server and the stream are ended by their own process ids when the command exits.
set -euo pipefail

runtime="$(mktemp -d)"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime" HOME="$runtime"
keeper=""
cleanup() {
  [ -n "$keeper" ] && kill "$keeper" 2>/dev/null || true
  if [ -f "$runtime/pulse/pid" ]; then
    local server
    server="$(cat "$runtime/pulse/pid")"
    kill "$server" 2>/dev/null || true
    # The server writes its state into the folder as it exits: removing the folder before it
    # is gone fails on files that appear meanwhile, and fails the test with it.
    for _ in $(seq 50); do kill -0 "$server" 2>/dev/null || break; sleep 0.1; done
  fi
  rm -rf "$runtime"
}
trap cleanup EXIT

wait_for() {  # wait_for SECONDS COMMAND...: polls until the command succeeds
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || { echo "with_pulseaudio: timed out: $*" >&2; return 1; }
    sleep 0.2
  done
}

pulseaudio --daemonize=yes -n --exit-idle-time=-1 --use-pid-file=yes \
  -L module-native-protocol-unix \
  -L "module-null-sink sink_name=vsink rate=44100 channels=1" \
  -L "module-remap-source master=vsink.monitor source_name=vmic channels=1" 2>/dev/null
wait_for 20 pactl info
pactl set-default-sink vsink
pactl set-default-source vmic
pacat -p -d vsink --latency-msec=10 --rate=44100 --channels=1 --format=s16le /dev/zero &
keeper=$!
wait_for 20 sh -c 'pactl list short sink-inputs | grep -q .'

"$@"
