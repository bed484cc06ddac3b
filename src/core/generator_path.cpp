#include "core/generator_path.h"

#include <cstdio>
#include <cstdlib>

namespace fenx {

std::string_view GeneratorPathName(GeneratorPath path) {
    switch (path) {
    case GeneratorPath::Bmi2:
        return "bmi2";
    case GeneratorPath::Avx512:
        return "avx512";
    case GeneratorPath::Plain:
        break;
    }
    return "plain";
}

bool MachineRunsGeneratorPath(GeneratorPath path) {
    switch (path) {
    case GeneratorPath::Plain:
        return true;
#if FENX_X86_GENERATOR_PATHS
    case GeneratorPath::Bmi2:
        return __builtin_cpu_supports("bmi2");
    case GeneratorPath::Avx512:
        return __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("avx512f") &&
               __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512bitalg");
#else
    default:
        return false;
#endif
    }
    return false;
}

GeneratorPath FastestGeneratorPath() {
    if (MachineRunsGeneratorPath(GeneratorPath::Avx512)) {
        return GeneratorPath::Avx512;
    }
#if FENX_X86_GENERATOR_PATHS
    // The first two generations of one maker's cores run the bit extract in
    // microcode, slower than the plain shifts.
    if (__builtin_cpu_is("znver1") || __builtin_cpu_is("znver2")) {
        return GeneratorPath::Plain;
    }
#endif
    return MachineRunsGeneratorPath(GeneratorPath::Bmi2) ? GeneratorPath::Bmi2
                                                         : GeneratorPath::Plain;
}

std::optional<GeneratorPath> ChooseGeneratorPath(const char* request, std::string& error) {
    if (request == nullptr || *request == '\0') {
        return FastestGeneratorPath();
    }
    for (GeneratorPath path : AllGeneratorPaths) {
        if (GeneratorPathName(path) == request) {
            if (!MachineRunsGeneratorPath(path)) {
                error = "FENX_GENERATOR_PATH=" + std::string(request) +
                        ": this processor cannot run that generator path";
                return std::nullopt;
            }
            return path;
        }
    }
    error = "FENX_GENERATOR_PATH=" + std::string(request) +
            ": no such generator path (plain, bmi2, avx512)";
    return std::nullopt;
}

GeneratorPath StartupGeneratorPath() {
    static const GeneratorPath chosen = [] {
        std::string error;
        const auto path = ChooseGeneratorPath(std::getenv("FENX_GENERATOR_PATH"), error);
        if (!path) {
            std::fprintf(stderr, "%s\n", error.c_str());
            std::exit(2);
        }
        return *path;
    }();
    return chosen;
}

} // namespace fenx
