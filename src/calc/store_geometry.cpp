#include "calc/store_geometry.h"

#include "form/design_sheet.h"
#include "form/numeric.h"

namespace gelvant {

std::int32_t innerVolumeM3(const DesignSheet& s) {
    const double a = s.insulationThicknessMm * 0.002; // twice the thickness, in m
    return rndInt((s.storeWidth - a) * (s.storeHeight - a) * (s.storeLength - a));
}

std::int32_t outerSurfaceM2(const DesignSheet& s) {
    const double w = s.storeWidth;
    const double h = s.storeHeight;
    const double l = s.storeLength;
    return rndInt(2.0 * ((w + h) * l + w * h));
}

} // namespace gelvant
