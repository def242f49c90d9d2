#pragma once

#include <optional>

namespace gelvant {

struct DesignSheet;

// What a compressor line proposes: the evaporating temperature and the
// refrigerating capacity the compressors must give.
struct CompressorSelection {
    double evaporatingC;
    double capacityKw;
};

// Line 1, the coils: the load without the air coolers' own heat.
CompressorSelection coilCompressorSelection(const DesignSheet& s, double tempDiffC);
// Line 2, the air coolers: the whole load, fans and defrost heaters included.
CompressorSelection airCoolerCompressorSelection(const DesignSheet& s, double tempDiffC);

// The coils' share of the load in W, stored as the form stores a float.
double coilLoadW(const DesignSheet& s);

} // namespace gelvant
