// One libFuzzer target: ZV_FUZZ_ENTRY names the entry point it feeds (fuzz_entries.h).
#include <cstddef>
#include <cstdint>

#include "entries/fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ZV_FUZZ_ENTRY(zv::fuzz::Input(data, size));
    return 0;
}
