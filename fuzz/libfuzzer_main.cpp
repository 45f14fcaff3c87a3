// One libFuzzer executable per entry function; VD_FUZZ_ENTRY names it.
#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return vd::fuzz::VD_FUZZ_ENTRY(data, size);
}
