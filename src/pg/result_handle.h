#pragma once
#include <memory>

struct pg_result;

namespace worvanta::pg {

struct ResultDeleter {
    void operator()(pg_result* result) const;
};

// Owns a result of the client library: its rows stay in memory until released.
using ResultHandle = std::unique_ptr<pg_result, ResultDeleter>;

}  // namespace worvanta::pg
