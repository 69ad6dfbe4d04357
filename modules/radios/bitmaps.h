// The bitmaps the radio stack carries.
#pragma once

#include "framework/resources.h"

namespace radios {

enum Bitmap : uint32_t {
    kBmpComNav1Face = 257,
    kBmpPowerKnobOff = 259,
    kBmpPowerKnobOn = 260,
    kBmpComNav2Face = 263,
};

inline constexpr BitmapResource kBitmaps[] = {
    {kBmpComNav1Face, 600, 240, 8, "COM/NAV 1 radio face"},
    {kBmpPowerKnobOff, 65, 60, 8, "VOL/OFF knob at OFF"},
    {kBmpPowerKnobOn, 65, 60, 8, "VOL/OFF knob at VOL"},
    {kBmpComNav2Face, 600, 240, 8, "COM/NAV 2 radio face"},
};

}  // namespace radios
