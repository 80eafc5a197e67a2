#!/bin/sh
# Runs a command with at-spi2-core's accessibility bus on the current session
# bus (a private one from dbus-run-session): the launcher owns org.a11y.Bus,
# which Qt's bridge looks for, and starts the bus with its registry at once.
# Usage: dbus-run-session -- with_a11y_bus.sh COMMAND [ARG...]
set -u
launcher=/usr/libexec/at-spi-bus-launcher
if [ ! -x "$launcher" ]; then
    echo "with_a11y_bus.sh: $launcher: not found (install at-spi2-core)" >&2
    exit 1
fi
"$launcher" --launch-immediately --a11y=1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT
"$@"
