#pragma once
#include <string_view>

namespace worvanta::pg {

// The client's sslmode values, with their meanings.
enum class SslMode { Disable, Allow, Prefer, Require, VerifyCa, VerifyFull };

std::string_view toLibpqName(SslMode mode);

}  // namespace worvanta::pg
