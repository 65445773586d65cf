// Object identity within one host session.
#pragma once
#include <cstdint>

namespace platform {

using Tag = std::uint32_t;
constexpr Tag kNullTag = 0;

}  // namespace platform
