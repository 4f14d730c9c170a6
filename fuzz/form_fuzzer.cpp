// libFuzzer entry for the form and its records; built by scripts/fuzz.sh with
// clang's fuzzer and sanitizers.
#include "form_fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    horalo::fuzz::FuzzForm(data, size);
    return 0;
}
