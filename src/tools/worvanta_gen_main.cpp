// worvanta-gen LAYOUT ROWS OUT [SEED]: writes a realistic clearing file, for
// the benchmark and the demo's sample files.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/csv_layout.h"
#include "tools/sample_file.h"

int main(int argc, char** argv)
{
    using namespace worvanta;
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "Utilizare: worvanta-gen FORMAT RANDURI FISIER [SAMANTA]\n");
        return 2;
    }
    const engine::CsvLayout* layout = engine::layoutByName(argv[1]);
    if (layout == nullptr) {
        std::fprintf(stderr, "Format necunoscut: \"%s\"\n", argv[1]);
        return 2;
    }
    char* end = nullptr;
    const unsigned long long rows = std::strtoull(argv[2], &end, 10);
    if (end == argv[2] || *end != '\0') {
        std::fprintf(stderr, "Numar de randuri gresit: \"%s\"\n", argv[2]);
        return 2;
    }
    const unsigned long long seed = argc == 5 ? std::strtoull(argv[4], nullptr, 10) : 1;
    std::FILE* out = std::fopen(argv[3], "wb");
    if (out == nullptr) {
        std::perror(argv[3]);
        return 2;
    }
    const bool written = tools::writeSampleFile(*layout, rows, seed, out);
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[3]);
        return 2;
    }
    return 0;
}
