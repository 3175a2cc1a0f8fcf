#include "pg/ssl_mode.h"

namespace worvanta::pg {

std::string_view toLibpqName(SslMode mode) {
    switch (mode) {
        case SslMode::Disable: return "disable";
        case SslMode::Allow: return "allow";
        case SslMode::Prefer: return "prefer";
        case SslMode::Require: return "require";
        case SslMode::VerifyCa: return "verify-ca";
        case SslMode::VerifyFull: return "verify-full";
    }
    return "prefer";
}

}  // namespace worvanta::pg
