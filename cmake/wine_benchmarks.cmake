# The start and quit latency benchmark run under Wine by scripts/bench-wine.sh:
# a bare dialog that does only what Horalo must do at its start and quit (the
# floor), and the probe that times either program the same way. No ctest
# test: figures are judged against the floor, never against a clock.
add_executable(bare_dialog WIN32 tools/bare_dialog.cpp)
add_executable(latency_probe tools/latency_probe.cpp)

# The time-sheet preview's repaint and opening, each beside a floor measured
# in the same run, run under Wine by scripts/bench-views.sh preview.
add_executable(preview_benchmark tools/preview_benchmark.cpp tools/preview_benchmark.rc)
target_include_directories(preview_benchmark PRIVATE res)
target_link_libraries(preview_benchmark PRIVATE horalo_print)
set_source_files_properties(tools/preview_benchmark.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/res/horalo.manifest)

# The log browser's showing of a month, the list control included, beside
# the same control filled with rows already built.
add_executable(browser_benchmark tools/browser_benchmark.cpp tools/preview_benchmark.rc)
target_include_directories(browser_benchmark PRIVATE res)
target_link_libraries(browser_benchmark PRIVATE horalo_ui)

# The year window: the year's account beside twelve month reads, and the
# window's opening and stepping.
add_executable(year_benchmark tools/year_benchmark.cpp tools/preview_benchmark.rc)
target_include_directories(year_benchmark PRIVATE res)
target_link_libraries(year_benchmark PRIVATE horalo_ui)
