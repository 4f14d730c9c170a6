// libFuzzer entry; built by scripts/fuzz.sh with clang's fuzzer and sanitizers.
#include "log_fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    horalo::fuzz::FuzzTimeLog(data, size);
    return 0;
}
