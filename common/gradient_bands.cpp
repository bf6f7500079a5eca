#include "common/gradient_bands.h"

namespace orvane {

int MulDiv(int a, int b, int c) {
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c < 0 ? -c : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -c : c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

Rgb RgbOf(std::uint32_t bbggrr) {
    return {static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
            static_cast<int>((bbggrr >> 16) & 0xFF)};
}

int GradientBandEnd(int i, int height) {
    return MulDiv(i + 1, height, kGradientBands);
}

GradientBand GradientBandAt(int i, int height, std::uint32_t start, std::uint32_t end) {
    const Rgb s = RgbOf(start);
    const Rgb e = RgbOf(end);
    const auto component = [i](int from, int to) {
        return (from + MulDiv(i, to - from, 255)) & 0xFF;
    };
    return {MulDiv(i, height, kGradientBands),
            GradientBandEnd(i, height),
            {component(s.red, e.red), component(s.green, e.green), component(s.blue, e.blue)}};
}

} // namespace orvane
