// The small vocabulary every drawing uses: rectangles, points, alignment,
// where the light comes from, and colour mixing.
//
// Angles are in degrees, clockwise from 12 o'clock, as a pilot reads a dial.
#pragma once

#include "art/canvas.h"

namespace art {

struct Rect {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
};

struct Point {
    double x = 0;
    double y = 0;
};

enum class Align { kLeft, kCentre, kRight };
enum class Direction { kUp, kDown, kLeft, kRight };

// Where the light comes from, as an angle: the upper left.
inline constexpr double kLightAngle = -45.0;

// Mixes two colours: t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);

}  // namespace art
