#!/usr/bin/env bash
# Runs a command with an X display: the current one, or a fresh Xvfb.
if [ -n "${DISPLAY:-}" ]; then exec "$@"; fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
