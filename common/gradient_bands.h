#pragma once
// The 256 horizontal bands of the windows' vertical colour gradient.

#include <cstdint>

namespace orvane {

// Colours as stored with a window's layout: 0x00BBGGRR.
constexpr std::uint32_t kBackdropStartColor = 14680049; // red 241, green 255, blue 223
constexpr std::uint32_t kBackdropEndColor = 11271915;   // red 235, green 254, blue 171
constexpr int kGradientBands = 256;

struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb&) const = default;
};

struct GradientBand {
    int top;    // first row of the band
    int bottom; // one past its last row; equal to top for an empty band
    Rgb color;
};

// a * b / c rounded to the nearest integer (halves away from zero), with a 64-bit intermediate.
int MulDiv(int a, int b, int c);

Rgb RgbOf(std::uint32_t bbggrr);

// The row one past the last of band i (0..255) of a gradient `height` pixels high.
int GradientBandEnd(int i, int height);

// Band i (0..255) of a gradient `height` pixels high from `start` to `end`.
GradientBand GradientBandAt(int i, int height, std::uint32_t start, std::uint32_t end);

} // namespace orvane
