#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace gelvant {

// Kinds of room a preset sets up; each kind chooses its own goods, produce,
// packaging, room kind and product (see reference_group_choices.h).
enum class PresetGroup : std::uint8_t {
    Processing, // chilling and freezing rooms: door locked to no air changes
    Storage,    // chilled and frozen storage rooms, meat, poultry and fish stores
    Ice,        // ice making and ice store
    Produce,    // fruit and vegetable stores
    Eggs,       // fresh egg stores
};

// What applying a catalogue row writes into the sheet: the room's outer
// dimensions, insulation, temperatures, cold-processing time, daily intake
// and air-cooler fans, and the two extras of a few rows.
struct ReferencePreset {
    std::int32_t row;
    PresetGroup group;
    float storeLengthM;
    float storeWidthM;
    float storeHeightM;
    std::int32_t insulationThicknessMm;
    float roomTempC;
    float intakeTempC;
    float finalTempC;
    float coolingHours;
    float dailyIntakePercent;
    float airCoolerPowerKw;
    float airCoolerCount;
    // The ice store is shut: no door air changes and nobody working inside.
    bool zeroDoorAirChangesAndWorkers;
    // Multi-storey cold stores computed as one storey overstate the wall leak.
    bool multiStoreyWarning;
};

// Rows 9, 17 and 21 (blank lines and a heading) and rows 30 onwards carry no
// preset. Rows 13 and 14 carry the same values (14 warns), and so do 18 and 19.
// clang-format off
inline constexpr std::array<ReferencePreset, 27> kReferencePresets{{
    {0, PresetGroup::Processing, 6.0F, 7.0F, 4.2F, 100, -2.0F, 35.0F, 4.0F, 20.0F, 130.0F, 4.0F, 4.0F, false, false},
    {1, PresetGroup::Processing, 6.0F, 7.0F, 4.2F, 100, -2.0F, 35.0F, 4.0F, 11.0F, 130.0F, 4.0F, 6.0F, false, false},
    {2, PresetGroup::Processing, 6.0F, 7.0F, 4.2F, 100, -10.0F, 35.0F, 12.0F, 8.0F, 130.0F, 4.0F, 8.0F, false, false},
    {3, PresetGroup::Processing, 6.0F, 7.0F, 4.2F, 100, -10.0F, 35.0F, 10.0F, 3.0F, 130.0F, 4.0F, 10.0F, false, false},
    {4, PresetGroup::Processing, 6.0F, 7.0F, 4.2F, 150, -23.0F, 4.0F, -15.0F, 20.0F, 130.0F, 2.2F, 9.0F, false, false},
    {5, PresetGroup::Processing, 6.0F, 7.0F, 4.2F, 150, -23.0F, 12.0F, -15.0F, 12.0F, 130.0F, 6.6F, 4.0F, false, false},
    {6, PresetGroup::Processing, 6.0F, 7.0F, 4.2F, 150, -23.0F, 35.0F, -15.0F, 20.0F, 130.0F, 6.6F, 4.0F, false, false},
    {7, PresetGroup::Processing, 6.0F, 7.0F, 4.2F, 150, -30.0F, 4.0F, -15.0F, 11.0F, 130.0F, 6.6F, 4.0F, false, false},
    {8, PresetGroup::Processing, 6.0F, 7.0F, 4.2F, 150, -30.0F, 10.0F, -18.0F, 16.0F, 130.0F, 6.6F, 4.0F, false, false},
    {10, PresetGroup::Storage, 14.0F, 7.0F, 4.2F, 100, -2.0F, 4.0F, 0.0F, 24.0F, 5.0F, 0.55F, 1.0F, false, false},
    {11, PresetGroup::Storage, 40.0F, 7.0F, 4.2F, 150, -18.0F, -12.0F, -18.0F, 24.0F, 5.0F, 2.2F, 1.0F, false, false},
    {12, PresetGroup::Storage, 60.0F, 14.0F, 4.2F, 150, -18.0F, -12.0F, -18.0F, 24.0F, 5.0F, 2.2F, 3.0F, false, false},
    {13, PresetGroup::Storage, 200.0F, 14.0F, 4.2F, 150, -18.0F, -12.0F, -18.0F, 24.0F, 5.0F, 2.2F, 6.0F, false, false},
    {14, PresetGroup::Storage, 200.0F, 14.0F, 4.2F, 150, -18.0F, -12.0F, -18.0F, 24.0F, 5.0F, 2.2F, 6.0F, false, true},
    {15, PresetGroup::Storage, 300.0F, 28.0F, 4.2F, 150, -18.0F, -12.0F, -18.0F, 24.0F, 5.0F, 2.2F, 15.0F, false, true},
    {16, PresetGroup::Storage, 600.0F, 28.0F, 4.2F, 150, -18.0F, -12.0F, -18.0F, 24.0F, 5.0F, 2.2F, 30.0F, false, true},
    {18, PresetGroup::Ice, 10.0F, 7.0F, 4.2F, 120, -18.0F, 25.0F, -10.0F, 18.0F, 100.0F, 2.2F, 2.0F, false, false},
    {19, PresetGroup::Ice, 10.0F, 7.0F, 4.2F, 120, -18.0F, 25.0F, -10.0F, 18.0F, 100.0F, 2.2F, 2.0F, false, false},
    {20, PresetGroup::Ice, 6.0F, 7.0F, 4.2F, 100, -4.0F, -6.0F, -4.0F, 24.0F, 5.0F, 0.37F, 1.0F, true, false},
    {22, PresetGroup::Storage, 6.0F, 7.0F, 4.2F, 150, -18.0F, -10.0F, -18.0F, 24.0F, 5.0F, 0.55F, 1.0F, false, false},
    {23, PresetGroup::Storage, 20.0F, 7.0F, 4.2F, 150, -18.0F, -10.0F, -18.0F, 24.0F, 5.0F, 2.2F, 1.0F, false, false},
    {24, PresetGroup::Storage, 30.0F, 7.0F, 4.2F, 150, -18.0F, -10.0F, -18.0F, 24.0F, 5.0F, 1.5F, 2.0F, false, false},
    {25, PresetGroup::Storage, 50.0F, 7.0F, 4.2F, 150, -18.0F, -10.0F, -18.0F, 24.0F, 5.0F, 1.5F, 2.0F, false, false},
    {26, PresetGroup::Produce, 30.0F, 7.0F, 4.2F, 100, 0.0F, 25.0F, 0.0F, 24.0F, 8.0F, 1.5F, 2.0F, false, false},
    {27, PresetGroup::Produce, 50.0F, 7.0F, 4.2F, 100, 0.0F, 25.0F, 0.0F, 24.0F, 8.0F, 1.5F, 2.0F, false, false},
    {28, PresetGroup::Eggs, 30.0F, 7.0F, 4.2F, 100, 0.0F, 25.0F, 0.0F, 24.0F, 5.0F, 1.5F, 1.0F, false, false},
    {29, PresetGroup::Eggs, 70.0F, 7.0F, 4.2F, 100, 0.0F, 25.0F, 0.0F, 24.0F, 5.0F, 1.5F, 2.0F, false, false},
}};
// clang-format on

constexpr bool referencePresetsAscending() {
    for (std::size_t i = 1; i < kReferencePresets.size(); ++i) {
        if (kReferencePresets[i - 1].row >= kReferencePresets[i].row) {
            return false;
        }
    }
    return true;
}
static_assert(referencePresetsAscending(), "presets in catalogue order, one per row");

} // namespace gelvant
