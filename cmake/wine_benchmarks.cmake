# The start and quit latency benchmark run under Wine by scripts/bench-wine.sh:
# a bare dialog that does only what Horalo must do at its start and quit (the
# floor), and the probe that times either program the same way. No ctest
# test: figures are judged against the floor, never against a clock.
add_executable(bare_dialog WIN32 tools/bare_dialog.cpp)
add_executable(latency_probe tools/latency_probe.cpp)
