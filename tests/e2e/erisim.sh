#!/bin/bash
# The program as a screen reader meets it: its accessibility tree and events over AT-SPI in a
# private D-Bus session under Xvfb, and its keyboard paths driven with xdotool (Debian's own
# python3, which has python3-pyatspi)
# (tests/e2e/erisim_agaci.py holds the table of rules). Saves the window at twice the size,
# build/screenshots/erisim_x2.png.
source "$(dirname "$0")/lib.sh" "$1"
PROGRAM="$E2E_BUILD/orvanel"
[ -x "$PROGRAM" ] || e2e_fail "$PROGRAM is missing"
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || e2e_fail "python3-pyatspi is missing"

e2e_start
# The session bus starts the accessibility bus (at-spi-bus-launcher) when the program asks;
# both end with the session.
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/erisim_agaci.py" "$PROGRAM" "$E2E_SHOTS" "${@:2}" ||
  e2e_fail "accessibility rules: $(cat "$E2E_TMP/orvanel.log" 2>/dev/null | tail -5)"
echo PASS
