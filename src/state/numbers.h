// Rounding as the rules use it: Round goes to the nearest integer with halves to the
// even neighbour; Trunc and integer division go toward zero.
#pragma once

#include <cmath>
#include <cstdint>

namespace annals {

namespace detail {
// A double far outside the int32 range (or NaN) must not become undefined behaviour.
inline int32_t ClampToInt32(double v) {
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int32_t>(v);
}
} // namespace detail

inline int32_t Round(double v) {
    return detail::ClampToInt32(std::nearbyint(v));
}
inline int32_t Trunc(double v) {
    return detail::ClampToInt32(std::trunc(v));
}

} // namespace annals
