# The fuzzers: the core and the targets built with clang's libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer. scripts/fuzz.sh runs them:
# log_fuzzer takes bytes as a time log, form_fuzzer as one record of the
# time-sheet form and as a whole form.
set(HORALO_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined)
target_compile_options(horalo_core PRIVATE ${HORALO_SANITIZERS} -fsanitize=fuzzer-no-link)
foreach(fuzzer log form)
  add_executable(${fuzzer}_fuzzer fuzz/${fuzzer}_fuzzer.cpp)
  target_compile_options(${fuzzer}_fuzzer PRIVATE ${HORALO_SANITIZERS} -fsanitize=fuzzer)
  target_link_options(${fuzzer}_fuzzer PRIVATE ${HORALO_SANITIZERS} -fsanitize=fuzzer)
  target_link_libraries(${fuzzer}_fuzzer PRIVATE horalo_core)
endforeach()
