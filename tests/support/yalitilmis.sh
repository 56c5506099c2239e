#!/bin/sh
# Runs one test program in a world of its own: a fresh home with its own settings, data,
# cache and runtime folders (so its single-instance name and settings file are its own),
# UTC and the C locale whatever the machine has; a test that needs a zone or a locale sets it.
# The folder goes when the test ends.
ev=$(mktemp -d "${TMPDIR:-/tmp}/orvanel-test.XXXXXX") || exit 1
mkdir -p "$ev/config" "$ev/data" "$ev/cache" "$ev/run"
chmod 700 "$ev/run"
HOME=$ev USER=orvanel-test XDG_CONFIG_HOME=$ev/config XDG_DATA_HOME=$ev/data \
  XDG_CACHE_HOME=$ev/cache XDG_RUNTIME_DIR=$ev/run TMPDIR=$ev TZ=UTC LC_ALL=C.UTF-8 LANG=C.UTF-8 \
  "$@"
durum=$?
rm -rf "$ev"
exit $durum
