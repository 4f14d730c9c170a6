# Sourced by the Wine scripts: the environment every Wine process of ours gets.
# $1: the folder that holds the prefix, the display number and Xvfb's pid.
wine_dir=$1
export WINEPREFIX="$wine_dir/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8
if [ -z "${DISPLAY:-}" ] && [ -f "$wine_dir/display" ]; then
  export DISPLAY=":$(cat "$wine_dir/display")"
fi
wine_bin=$(command -v wine64 || command -v wine)
wineserver_bin=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
