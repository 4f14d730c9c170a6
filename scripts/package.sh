#!/usr/bin/env bash
# Builds the downloads into build/windows/packages, reusing the Windows
# build: Horalo-<version>-setup.exe (per-user installer, English or German)
# and Horalo-<version>-portable-en.zip / -de.zip.
set -u
cd "$(dirname "$0")/.."
scripts/deps.sh package || exit 1
cmake --preset windows >/dev/null || exit 1
cmake --build --preset windows --target packages || exit 1
echo "Packages:"
ls -1 build/windows/packages/*-setup.exe build/windows/packages/*.zip
