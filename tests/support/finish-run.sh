#!/usr/bin/env bash
# Ends a test run: stops the prefix's wineserver and the display the run started.
source "$(dirname "$0")/wine-env.sh"
stop_prefix "$1"
stop_xvfb "$1.xvfb"
