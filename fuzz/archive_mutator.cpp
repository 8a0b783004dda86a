// The archive target's custom mutator (archive_mutation.h), with libFuzzer's own byte mutations.
#include <cstddef>
#include <cstdint>

#include "entries/archive_mutation.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
    return zv::fuzz::mutateArchive(data, size, maxSize, seed, LLVMFuzzerMutate);
}
