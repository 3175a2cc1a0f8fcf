// worvanta-csv LAYOUT FILE: checks a clearing file as the import does and
// writes the payload it would send. Exit 0: payload on standard output;
// 1: header mismatch, shown as the user sees it; 2: bad arguments or a file
// that cannot be read. Sends nothing to any database.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "common/app_error.h"
#include "engine/import_engine.h"
#include "locale/system_regional_settings.h"

namespace {

using namespace worvanta;

constexpr int kSuccess = 0;
constexpr int kHeaderMismatch = 1;
constexpr int kUnusable = 2;

std::string layoutNames()
{
    std::string names;
    for (const engine::CsvLayout* layout : engine::allLayouts()) {
        if (!names.empty())
            names += ", ";
        names += layout->name;
    }
    return names;
}

int fail(const std::string& message, int exitCode)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    return exitCode;
}

int run(int argc, char** argv)
{
    if (argc != 3)
        return fail("Utilizare: worvanta-csv FORMAT FISIER\nFormate: " + layoutNames(), kUnusable);
    const engine::CsvLayout* layout = engine::layoutByName(argv[1]);
    if (layout == nullptr)
        return fail("Format necunoscut: \"" + std::string(argv[1]) + "\". Formate: " + layoutNames(), kUnusable);

    const engine::RegionalSettings settings = locale::systemRegionalSettings();
    std::string payload;
    try {
        const engine::Sheet sheet = engine::loadCsv(engine::readFileBytes(argv[2]), settings);
        if (const auto message = engine::checkHeader(sheet, *layout))
            return fail("Err - " + *message, kHeaderMismatch);
        payload = engine::buildPayload(sheet, *layout);
    } catch (const AppError& error) {
        return fail(error.message(), kUnusable);
    } catch (const std::bad_alloc&) {
        return fail("Memorie insuficienta pentru fisierul " + std::string(argv[2]), kUnusable);
    }

    errno = 0;
    if (std::fwrite(payload.data(), 1, payload.size(), stdout) != payload.size() || std::fflush(stdout) != 0)
        return fail(std::string("Nu s-a putut scrie rezultatul: ") + std::strerror(errno != 0 ? errno : EIO),
                    kUnusable);
    return kSuccess;
}

}  // namespace

int main(int argc, char** argv)
{
    return run(argc, argv);
}
