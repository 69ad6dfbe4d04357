// The bitmaps the radio stack carries: id, size, depth and what each shows.
#pragma once

#include "framework/resources.h"

namespace radios {

enum Bitmap : uint32_t {
    // COM/NAV radios
    kBmpComNav1Face = 257,
    kBmpPowerKnobOff = 259,
    kBmpPowerKnobOn = 260,
    kBmpComNav2Face = 263,
    // Second autopilot panel
    kBmpPitchWheelMarker = 265,
    kBmpTrimLampUpper = 273,
    kBmpTrimLampLower = 274,
    // Transponder
    kBmpTransponderFace = 288,
    kBmpCodeDrumStrip = 289,
    kBmpCodeDrumWindow = 290,
    kBmpReplyLamp = 291,
    kBmpModeKnobOff = 293,
    kBmpModeKnobSby = 294,
    kBmpModeKnobOn = 295,
    kBmpModeKnobAlt = 296,
    kBmpModeKnobTst = 297,
    // ADF receiver
    kBmpAdfFace = 309,
    kBmpAdfKnobOff = 311,
    kBmpAdfKnobOn = 312,
    // Audio panel
    kBmpAudioFace = 320,
    kBmpMarkerOuterLit = 322,
    kBmpMarkerMiddleLit = 323,
    kBmpMarkerInnerLit = 324,
    kBmpAudioSwitchUp = 326,
    // First autopilot panel
    kBmpAutopilotFace = 336,
    kBmpButtonAlt = 337,
    kBmpButtonAp = 338,
    kBmpButtonApr = 339,
    kBmpButtonHdg = 340,
    kBmpButtonNav = 341,
    kBmpButtonRev = 342,
    // DME
    kBmpDmeFace = 352,
    kBmpDmeSelectorR1 = 354,
    kBmpDmeSelectorR2 = 355,
    kBmpDmePowerOff = 357,
    kBmpDmePowerOn = 358,
    // Second autopilot panel
    kBmpAutopilot2Face = 368,
    kBmpToggleDown = 369,
    kBmpToggleUp = 370,
    kBmpModeSwitchUp = 385,
    kBmpModeSwitchCentre = 386,
    kBmpModeSwitchDown = 387,
    kBmpTurnKnobLeft = 401,
    kBmpTurnKnobCentre = 402,
    kBmpTurnKnobRight = 403,
};

inline constexpr BitmapResource kBitmaps[] = {
    {kBmpComNav1Face, 600, 240, 8, "COM/NAV 1 radio face"},
    {kBmpPowerKnobOff, 65, 60, 8, "VOL/OFF knob at OFF"},
    {kBmpPowerKnobOn, 65, 60, 8, "VOL/OFF knob at VOL"},
    {kBmpComNav2Face, 600, 240, 8, "COM/NAV 2 radio face"},

    {kBmpTransponderFace, 352, 90, 8, "transponder face"},
    {kBmpCodeDrumStrip, 11, 180, 8, "code drum: digits 0 to 9 downwards"},
    {kBmpCodeDrumWindow, 11, 19, 8, "code drum window"},
    {kBmpReplyLamp, 25, 15, 8, "reply lamp lit"},
    {kBmpModeKnobOff, 50, 50, 8, "mode knob at OFF"},
    {kBmpModeKnobSby, 50, 50, 8, "mode knob at SBY"},
    {kBmpModeKnobOn, 50, 50, 8, "mode knob at ON"},
    {kBmpModeKnobAlt, 50, 50, 8, "mode knob at ALT"},
    {kBmpModeKnobTst, 50, 50, 8, "mode knob at TST"},

    {kBmpAdfFace, 500, 111, 8, "ADF control head"},
    {kBmpAdfKnobOff, 80, 50, 8, "ADF OFF/VOL knob at OFF"},
    {kBmpAdfKnobOn, 80, 50, 8, "ADF OFF/VOL knob at VOL"},

    {kBmpAutopilotFace, 500, 130, 8, "autopilot push-button panel"},
    {kBmpButtonAlt, 35, 21, 8, "ALT button lit"},
    {kBmpButtonAp, 35, 21, 8, "AP button lit"},
    {kBmpButtonApr, 35, 21, 8, "APR button lit"},
    {kBmpButtonHdg, 35, 21, 8, "HDG button lit"},
    {kBmpButtonNav, 35, 21, 8, "NAV button lit"},
    {kBmpButtonRev, 35, 21, 8, "REV button lit"},

    {kBmpDmeFace, 495, 110, 8, "DME face"},
    {kBmpDmeSelectorR1, 27, 40, 8, "DME receiver selector at R1"},
    {kBmpDmeSelectorR2, 27, 40, 8, "DME receiver selector at R2"},
    {kBmpDmePowerOff, 50, 30, 8, "DME power switch at OFF"},
    {kBmpDmePowerOn, 50, 30, 8, "DME power switch on"},

    {kBmpAudioFace, 450, 96, 8, "audio panel face"},
    {kBmpMarkerOuterLit, 14, 58, 8, "marker lamps, O lit"},
    {kBmpMarkerMiddleLit, 14, 58, 8, "marker lamps, M lit"},
    {kBmpMarkerInnerLit, 14, 58, 8, "marker lamps, A lit"},
    {kBmpAudioSwitchUp, 10, 17, 8, "audio switch up"},

    {kBmpAutopilot2Face, 613, 357, 8, "autopilot knob panel"},
    {kBmpPitchWheelMarker, 33, 9, 8, "pitch wheel marker"},
    {kBmpTrimLampUpper, 20, 40, 8, "trim lamps, upper lit"},
    {kBmpTrimLampLower, 20, 40, 8, "trim lamps, lower lit"},
    {kBmpTurnKnobLeft, 176, 96, 8, "turn knob turned left"},
    {kBmpTurnKnobCentre, 176, 96, 8, "turn knob centred"},
    {kBmpTurnKnobRight, 176, 96, 8, "turn knob turned right"},
    {kBmpToggleDown, 51, 76, 8, "toggle lever down"},
    {kBmpToggleUp, 51, 76, 8, "toggle lever up"},
    {kBmpModeSwitchUp, 44, 84, 8, "mode switch up (OMNI INTERCEPT)"},
    {kBmpModeSwitchCentre, 44, 84, 8, "mode switch centre (TRK)"},
    {kBmpModeSwitchDown, 44, 84, 8, "mode switch down (HDG)"},
};

}  // namespace radios
