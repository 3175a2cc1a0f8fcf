#pragma once
#include <cstddef>
#include <string>

namespace worvanta::import {

// The largest payload one import sends. The server takes at most 1 GB in
// one parameter value and needs room besides to read it as JSON; a larger
// payload would fail there with an allocation error after a long upload.
inline constexpr std::size_t kMaxPayloadBytes = std::size_t{960} * 1024 * 1024;

// The message for a payload of `size` bytes over `limit`.
std::string payloadTooLargeMessage(std::size_t size, std::size_t limit);

// Throws AppError with that message when size > limit.
void checkPayloadSize(std::size_t size, std::size_t limit);

}  // namespace worvanta::import
