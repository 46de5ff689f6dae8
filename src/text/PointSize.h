#pragma once

namespace vimla::text {

// The editor font sizes, in points, that the editor accepts; anything else is refused.
inline constexpr int kSmallestPointSize = 1;
inline constexpr int kLargestPointSize = 500;

constexpr bool isAcceptedPointSize(double points) {
    return points >= kSmallestPointSize && points <= kLargestPointSize;
}

} // namespace vimla::text
