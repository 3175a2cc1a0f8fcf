// worvanta-engine-bench FILE [LAYOUT] [REPEATS]
// Times the whole engine path, bytes in memory to payload text, and prints
// the input rate. With REPEATS 0 it runs the path once as the program does
// (read, load taking the bytes over, header check, payload) so that
// /usr/bin/time -v reports the peak memory of one import.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/app_error.h"
#include "engine/import_engine.h"
#include "engine/large_buffer.h"

namespace {

using namespace worvanta;
using Clock = std::chrono::steady_clock;

double loadSeconds = 0;
double payloadSeconds = 0;

std::size_t runPath(std::string bytes, const engine::CsvLayout& layout, const engine::RegionalSettings& settings)
{
    const auto start = Clock::now();
    // WORVANTA_BENCH_VIEW=1 reads through a view (the sheet copies the texts)
    // instead of handing the bytes over.
    static const bool viewOnly = std::getenv("WORVANTA_BENCH_VIEW") != nullptr;
    const engine::Sheet sheet = viewOnly ? engine::loadCsv(std::string_view(bytes), settings)
                                         : engine::loadCsv(std::move(bytes), settings);
    if (const auto message = engine::checkHeader(sheet, layout))
        throw AppError("Err - " + *message);
    const auto loaded = Clock::now();
    const std::size_t size = engine::buildPayload(sheet, layout).size();
    loadSeconds = std::chrono::duration<double>(loaded - start).count();
    payloadSeconds = std::chrono::duration<double>(Clock::now() - loaded).count();
    return size;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: worvanta-engine-bench FILE [LAYOUT] [REPEATS]\n");
        return 2;
    }
    const engine::CsvLayout* layout = engine::layoutByName(argc > 2 ? argv[2] : "all-payments");
    const int repeats = argc > 3 ? std::atoi(argv[3]) : 5;
    if (layout == nullptr || repeats < 0) {
        std::fprintf(stderr, "unknown layout or bad repeat count\n");
        return 2;
    }
    const engine::RegionalSettings settings = engine::RegionalSettings::romanian();
    try {
        if (repeats == 0) {
            const std::size_t payload = runPath(engine::readFileBytes(argv[1]), *layout, settings);
            std::printf("payload_bytes %zu\nload_seconds %.3f\npayload_seconds %.3f\n", payload, loadSeconds,
                        payloadSeconds);
            return 0;
        }
        const std::string bytes = engine::readFileBytes(argv[1]);
        std::vector<double> seconds;
        std::size_t payload = 0;
        for (int i = 0; i < repeats; ++i) {
            // Not timed: the path starts with the bytes in memory, held as
            // readFileBytes holds them.
            std::string copy;
            copy.reserve(bytes.size() + 1);
            engine::adviseLargeBuffer(copy.data(), copy.capacity());
            copy = bytes;
            const auto start = Clock::now();
            payload = runPath(std::move(copy), *layout, settings);
            seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
            std::fprintf(stderr, "run %d: load %.3f s, payload %.3f s\n", i + 1, loadSeconds, payloadSeconds);
        }
        std::sort(seconds.begin(), seconds.end());
        const double megabytes = static_cast<double>(bytes.size()) / 1e6;
        std::printf("input_bytes %zu\npayload_bytes %zu\nbest_seconds %.3f\nmedian_seconds %.3f\n"
                    "best_mb_per_s %.1f\nmedian_mb_per_s %.1f\n",
                    bytes.size(), payload, seconds.front(), seconds[seconds.size() / 2],
                    megabytes / seconds.front(), megabytes / seconds[seconds.size() / 2]);
    } catch (const AppError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
