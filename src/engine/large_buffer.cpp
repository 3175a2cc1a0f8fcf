#include "engine/large_buffer.h"

#include <cstdint>
#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace worvanta::engine {

void adviseLargeBuffer(const void* data, std::size_t size)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    if (data == nullptr || size < 4 * kHugePage || std::getenv("WORVANTA_NO_HUGE") != nullptr)
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + size) & ~(kHugePage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);  // advice only: failure is harmless
#else
    (void)data;
    (void)size;
#endif
}

}  // namespace worvanta::engine
