// The radio stack's artwork: every instrument's drawings together, and a
// plain plate for any bitmap still waiting for its picture.
#include "art/module_artwork.h"
#include "modules/radios/artwork_parts.h"
#include "modules/radios/bitmaps.h"

art::ModuleArtwork art::module_artwork() {
    static const std::vector<art::Drawing> drawings = [] {
        std::vector<art::Drawing> all;
        for (const auto& part : {radios::comnav_drawings(), radios::transponder_drawings(), radios::adf_drawings(),
                                 radios::dme_drawings(), radios::audio_drawings(), radios::autopilot_drawings(),
                                 radios::autopilot2_drawings()}) {
            all.insert(all.end(), part.begin(), part.end());
        }
        for (const art::Drawing& d : radios::placeholder_drawings(all)) all.push_back(d);
        return all;
    }();
    return {"Radios", "Flight Simulator 2002 Gauge", radios::kBitmaps, drawings};
}
