# Host build: the time-log and log-browser benchmarks (Google Benchmark). Figures worth
# reporting come from a Release build; see docs/performance.md.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(horalo_benchmarks bench/bench_log.cpp bench/time_log_benchmark.cpp bench/browser_benchmark.cpp
    bench/cli_benchmark.cpp bench/glance_benchmark.cpp)
  target_link_libraries(horalo_benchmarks PRIVATE horalo_cli horalo_posix benchmark::benchmark)
  # The browser's rows are made with the special days the program starts with.
  target_compile_definitions(horalo_benchmarks PRIVATE HORALO_SPECIAL_DAYS_FILE="${HORALO_SPECIAL_DAYS_FILE}")
  add_dependencies(horalo_benchmarks special_days)
  # A quick run on a log of one year proves the program runs; no figure is judged.
  add_test(NAME TimeLogBenchmarkSmoke
    COMMAND horalo_benchmarks --horalo_years=1 --benchmark_min_time=0.01)
  set_tests_properties(TimeLogBenchmarkSmoke PROPERTIES ENVIRONMENT "TZ=Europe/Berlin")
else()
  message(STATUS "Google Benchmark not found: the benchmarks are not built")
endif()
