#pragma once

#include <array>
#include <string_view>

namespace gelvant {

// Air-cooler heat-transfer coefficient of steel finned tubes, W/(m²·°C), by
// the refrigerant's evaporating temperature in the tubes, at an air speed of
// 4-5 m/s between the fins.
struct AirCoolerEvapRow {
    std::string_view item;
    float baseUWPerM2C;
};

inline constexpr auto kAirCoolerEvapTable = std::to_array<AirCoolerEvapRow>({
    {"冷风机管内制冷剂蒸发温度-40℃，翅片管间风速4-5m/s", 11.6F},
    {"冷风机管内制冷剂蒸发温度-30℃，翅片管间风速4-5m/s", 12.2F},
    {"冷风机管内制冷剂蒸发温度-20℃，翅片管间风速4-5m/s", 12.8F},
    {"冷风机管内制冷剂蒸发温度-15℃，翅片管间风速4-5m/s", 13.9F},
    {"冷风机管内制冷剂蒸发温度 >0℃，翅片管间风速4-5m/s", 17.4F},
});

} // namespace gelvant
