#!/bin/sh
# Runs a test as an ordinary user: under root, permission bits stop nothing,
# so a test about a folder that cannot be written would prove nothing.
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null 2>&1; then
  exec setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
fi
exec "$@"
