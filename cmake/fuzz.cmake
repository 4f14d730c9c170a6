# The time-log fuzzer: the core and the target built with clang's libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer. scripts/fuzz.sh runs it.
set(HORALO_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined)
target_compile_options(horalo_core PRIVATE ${HORALO_SANITIZERS} -fsanitize=fuzzer-no-link)
add_executable(log_fuzzer fuzz/log_fuzzer.cpp)
target_compile_options(log_fuzzer PRIVATE ${HORALO_SANITIZERS} -fsanitize=fuzzer)
target_link_options(log_fuzzer PRIVATE ${HORALO_SANITIZERS} -fsanitize=fuzzer)
target_link_libraries(log_fuzzer PRIVATE horalo_core)
