#!/usr/bin/env bash
# Installs the Debian packages a command needs: deps.sh build|test|print|run|package|fuzz.
# As root it installs what is missing (apt-get update at most once); as
# another user it prints the command to run. Safe to repeat.
set -eu
common="cmake ninja-build g++ fp-utils g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libuemf-dev wine wine64 xvfb"
case "${1:-build}" in
  test) wanted="$common nsis googletest libgtest-dev libbenchmark-dev" ;;
  print) wanted="cups printer-driver-cups-pdf poppler-utils" ;;
  run)  wanted="$common x11-utils" ;;
  package) wanted="$common nsis" ;;
  fuzz) wanted="cmake ninja-build clang libclang-rt-dev" ;;
  *)    wanted="$common" ;;
esac
missing=""
for p in $wanted; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "These Debian packages are missing:$missing" >&2
  echo "Install them with: sudo apt-get update && sudo apt-get install -y --no-install-recommends$missing" >&2
  exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends $missing
