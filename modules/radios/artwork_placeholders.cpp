// Stand-in pictures for the bitmaps whose artwork is still to be drawn: a
// plain plate with the bitmap's description, at the declared size.
#include <vector>

#include "art/canvas.h"
#include "art/draw.h"
#include "art/module_artwork.h"
#include "modules/radios/artwork_parts.h"
#include "modules/radios/bitmaps.h"

namespace radios {
namespace {

const BitmapResource& declared(uint32_t id) {
    for (const BitmapResource& b : kBitmaps) {
        if (b.id == id) return b;
    }
    return kBitmaps[0];
}

template <uint32_t Id>
void placeholder(art::Canvas& canvas) {
    art::panel_face(canvas, {0, 0, static_cast<double>(canvas.width()), static_cast<double>(canvas.height())});
    double size = canvas.height() < 30 ? 5 : 9;
    art::engraved_label(canvas, declared(Id).what, 3, canvas.height() / 2.0 + size / 3, size);
}

}  // namespace

std::vector<art::Drawing> placeholder_drawings(const std::vector<art::Drawing>& drawn) {
    std::vector<art::Drawing> all = {
#define PLACEHOLDER(id) {id, placeholder<id>}
        PLACEHOLDER(kBmpTransponderFace), PLACEHOLDER(kBmpCodeDrumStrip),   PLACEHOLDER(kBmpCodeDrumWindow),
        PLACEHOLDER(kBmpReplyLamp),       PLACEHOLDER(kBmpModeKnobOff),     PLACEHOLDER(kBmpModeKnobSby),
        PLACEHOLDER(kBmpModeKnobOn),      PLACEHOLDER(kBmpModeKnobAlt),     PLACEHOLDER(kBmpModeKnobTst),
        PLACEHOLDER(kBmpAdfFace),         PLACEHOLDER(kBmpAdfKnobOff),      PLACEHOLDER(kBmpAdfKnobOn),
        PLACEHOLDER(kBmpAutopilotFace),   PLACEHOLDER(kBmpButtonAlt),       PLACEHOLDER(kBmpButtonAp),
        PLACEHOLDER(kBmpButtonApr),       PLACEHOLDER(kBmpButtonHdg),       PLACEHOLDER(kBmpButtonNav),
        PLACEHOLDER(kBmpButtonRev),       PLACEHOLDER(kBmpDmeFace),         PLACEHOLDER(kBmpDmeSelectorR1),
        PLACEHOLDER(kBmpDmeSelectorR2),   PLACEHOLDER(kBmpDmePowerOff),     PLACEHOLDER(kBmpDmePowerOn),
        PLACEHOLDER(kBmpAudioFace),       PLACEHOLDER(kBmpMarkerOuterLit),  PLACEHOLDER(kBmpMarkerMiddleLit),
        PLACEHOLDER(kBmpMarkerInnerLit),  PLACEHOLDER(kBmpAudioSwitchUp),   PLACEHOLDER(kBmpAutopilot2Face),
        PLACEHOLDER(kBmpPitchWheelMarker), PLACEHOLDER(kBmpTrimLampUpper),  PLACEHOLDER(kBmpTrimLampLower),
        PLACEHOLDER(kBmpTurnKnobLeft),    PLACEHOLDER(kBmpTurnKnobCentre),  PLACEHOLDER(kBmpTurnKnobRight),
        PLACEHOLDER(kBmpToggleDown),      PLACEHOLDER(kBmpToggleUp),        PLACEHOLDER(kBmpModeSwitchUp),
        PLACEHOLDER(kBmpModeSwitchCentre), PLACEHOLDER(kBmpModeSwitchDown),
#undef PLACEHOLDER
    };
    std::vector<art::Drawing> missing;
    for (const art::Drawing& d : all) {
        bool done = false;
        for (const art::Drawing& real : drawn) done = done || real.id == d.id;
        if (!done) missing.push_back(d);
    }
    return missing;
}

}  // namespace radios
