// The ways the generator can run on this processor. All give the same draws
// and the same tilings; they differ only in speed.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Whether this build has the x86-64 paths at all: elsewhere only the plain
// path is compiled, and the others are never chosen.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define FENX_X86_GENERATOR_PATHS 1
#else
#define FENX_X86_GENERATOR_PATHS 0
#endif

namespace fenx {

enum class GeneratorPath {
    Plain,  // portable C++: any 64-bit processor
    Bmi2,   // x86-64 with the bit-extract instruction for the fit test
    Avx512, // x86-64 with AVX-512 bit shuffles: all pending draws tested at once
};

inline constexpr std::array<GeneratorPath, 3> AllGeneratorPaths = {
    GeneratorPath::Plain, GeneratorPath::Bmi2, GeneratorPath::Avx512};

std::string_view GeneratorPathName(GeneratorPath path);
bool MachineRunsGeneratorPath(GeneratorPath path);
// The fastest path this processor runs.
GeneratorPath FastestGeneratorPath();

// The path a FENX_GENERATOR_PATH value asks for: null or empty means the
// fastest; a name the machine cannot run, or no path's name, is refused with
// a reason in `error`.
std::optional<GeneratorPath> ChooseGeneratorPath(const char* request, std::string& error);

// The path of this process, decided on first use from FENX_GENERATOR_PATH
// (plain, bmi2, avx512) or else the processor. A refused request ends the
// process with a message: a test or a measurement must not silently run
// another path than the one it asked for.
GeneratorPath StartupGeneratorPath();

} // namespace fenx
