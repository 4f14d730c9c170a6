#!/usr/bin/env bash
# ctest's emulator for Windows test programs: wine-exec.sh DIR PROGRAM [ARGS...]
set -u
dir=$1; shift
source "$(dirname "$0")/wine-env.sh" "$dir"
exec "$wine_bin" "$@" </dev/null
