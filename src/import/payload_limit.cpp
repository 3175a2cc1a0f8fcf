#include "import/payload_limit.h"

#include "common/app_error.h"

namespace worvanta::import {
namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;

// Whole megabytes when the amount is that large (rounded up, so a size just
// over the limit never reads as equal to it), else bytes.
std::string amount(std::size_t bytes) {
    if (bytes >= kMegabyte) return std::to_string((bytes + kMegabyte - 1) / kMegabyte) + " MB";
    return std::to_string(bytes) + " octeti";
}

}  // namespace

std::string payloadTooLargeMessage(std::size_t size, std::size_t limit) {
    return "Fisierul este prea mare: datele de trimis au " + amount(size) + ", peste limita de " +
           amount(limit) + " pe care serverul o primeste intr-un singur apel. Impartiti fisierul in mai multe parti.";
}

void checkPayloadSize(std::size_t size, std::size_t limit) {
    if (size > limit) throw AppError(payloadTooLargeMessage(size, limit));
}

}  // namespace worvanta::import
