#pragma once
#include <cstddef>

namespace worvanta::engine {

// Asks the system to back a large, freshly reserved buffer with huge pages
// where it can: filling hundreds of megabytes page by page otherwise costs
// more in page faults than the work itself. Does nothing elsewhere.
void adviseLargeBuffer(const void* data, std::size_t size);

}  // namespace worvanta::engine
