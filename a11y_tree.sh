#!/usr/bin/env bash
# Starts the catalogue on a virtual screen with its own accessibility bus and
# prints the live AT-SPI tree of its window: what a screen reader is told about
# every control shown. Options go to tools/a11y/atspi_tree.py (--all: the
# hidden pages too). VD_PROGRAM names another build of the program.
set -euo pipefail
VD_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$VD_ROOT/scripts_common.sh"

vd_install_missing "${VD_ATSPI_PACKAGES[@]}"
PROGRAM="${VD_PROGRAM:-$VD_ROOT/build/runtime/vandrel-catalogue}"
if [ ! -x "$PROGRAM" ]; then
  echo "a11y_tree.sh: $PROGRAM is not built (./run.sh or ./test.sh first)" >&2
  exit 1
fi
# Qt speaks AT-SPI when the session asks for it; a private session bus keeps
# the listing apart from any desktop this runs on. The system Python: the
# bindings come from the Debian package.
exec xvfb-run -a dbus-run-session -- bash -c '
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  program=$1 lister=$2
  shift 2
  "$program" &
  pid=$!
  trap "kill $pid 2>/dev/null" EXIT
  /usr/bin/python3 "$lister" --wait 30 "$@"
' a11y "$PROGRAM" "$VD_ROOT/tools/a11y/atspi_tree.py" "$@"
