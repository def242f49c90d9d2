#include "evaporator/compressor_selection.h"

#include "form/design_sheet.h"
#include "form/numeric.h"

namespace gelvant {
namespace {

// The evaporating temperature sits this far below the evaporator's design
// difference under the room temperature (suction line loss).
constexpr double kSuctionAllowanceC = 2.0;
// kW of refrigerating capacity per W of load, with 7 % piping loss.
constexpr double kCapacityKwPerW = 0.00107;

double evaporatingTemp(const DesignSheet& s, double tempDiffC) {
    return static_cast<double>(s.roomTemp) - tempDiffC - kSuctionAllowanceC;
}

} // namespace

double coilLoadW(const DesignSheet& s) {
    return toFloat32(static_cast<double>(s.totalCoolingLoadW) - s.airCoolerHeatW);
}

CompressorSelection coilCompressorSelection(const DesignSheet& s, double tempDiffC) {
    return {evaporatingTemp(s, tempDiffC), coilLoadW(s) * kCapacityKwPerW};
}

CompressorSelection airCoolerCompressorSelection(const DesignSheet& s, double tempDiffC) {
    return {evaporatingTemp(s, tempDiffC),
            static_cast<double>(s.totalCoolingLoadW) * kCapacityKwPerW};
}

} // namespace gelvant
