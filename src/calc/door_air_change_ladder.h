#pragma once

#include <array>
#include <limits>

namespace gelvant {

// Air changes per day through the door of an unprotected store, by inner
// volume: small rooms exchange their air many times a day, large ones about
// once. Each rung covers the volumes above the previous rung's bound up to
// and including its own.
struct DoorAirChangeRung {
    double upToM3;
    float changesPerDay;
};

// clang-format off
inline constexpr std::array<DoorAirChangeRung, 21> kDoorAirChangeLadder{{
    {20, 12.0F}, {40, 11.0F}, {60, 10.0F}, {80, 9.0F}, {100, 8.0F}, {150, 7.0F}, {180, 6.0F},
    {200, 5.0F}, {250, 4.5F}, {350, 4.0F}, {400, 3.5F}, {600, 3.0F}, {800, 2.5F}, {1000, 2.0F},
    {1200, 1.9F}, {1400, 1.8F}, {1600, 1.7F}, {1800, 1.6F}, {2000, 1.5F}, {2400, 1.4F},
    {std::numeric_limits<double>::infinity(), 1.3F},
}};
// clang-format on
// Every rung filled in, the last one open-ended.
static_assert(kDoorAirChangeLadder.back().upToM3 == std::numeric_limits<double>::infinity());

constexpr float doorAirChangesFor(double volumeM3) {
    for (const DoorAirChangeRung& rung : kDoorAirChangeLadder) {
        if (volumeM3 <= rung.upToM3) {
            return rung.changesPerDay;
        }
    }
    return kDoorAirChangeLadder.back().changesPerDay;
}

} // namespace gelvant
