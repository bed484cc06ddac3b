// Any bytes as a sound: the reader either refuses them or describes samples
// that lie inside them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "presentation/wave_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (const auto wave = fenx::ParseWave(data, size)) {
        fenx::IsPlayableWave(*wave);
    }
    return 0;
}
