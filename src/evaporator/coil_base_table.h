#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace gelvant {

// Which coil constructions a block of base coefficients serves.
enum class CoilBaseBlock : std::uint8_t {
    uShapedOrDoubleLayer, // "光滑U形顶排管" and "双层光滑蛇形顶排管"
    singleLayer,          // "单层光滑蛇形顶排管"
    singleRow,            // "单排光滑蛇形顶排管", one block per number of tubes in height
};

inline constexpr std::size_t kCoilRoomTempColumns = 10;
inline constexpr std::size_t kCoilTempDiffRows = 5;

// One temperature difference of one block: the heat-transfer coefficient of
// a smooth-tube ceiling coil, W/(m²·°C), for the room temperatures 0, -4,
// -10, -12, -15, -18, -20, -23, -25 and -30 °C (the items of the coil's
// room-temperature list, in order).
struct CoilBaseRow {
    CoilBaseBlock block;
    int tubesInHeight; // single-row coils only; 0 for the other blocks
    int tempDiffC;     // 6, 8, 10, 12 or 15
    std::array<float, kCoilRoomTempColumns> uWPerM2CByRoomTemp;
};

// Base coefficients before the diameter, pitch and feed corrections: eleven
// blocks of five temperature differences each. The single-row value 12.26
// (20 tubes, 8 °C, -4 °C room) is lower than its neighbours; it is the
// figure of the design charts and is kept as it stands.
// clang-format off
inline constexpr auto kCoilBaseTable = std::to_array<CoilBaseRow>({
    {CoilBaseBlock::uShapedOrDoubleLayer,  0,  6, { 8.14F,  7.79F,  7.09F,  6.86F,  6.63F,  6.40F,  6.28F,  6.16F,  6.05F,  5.82F}},
    {CoilBaseBlock::uShapedOrDoubleLayer,  0,  8, { 8.61F,  8.02F,  7.44F,  7.21F,  6.98F,  6.75F,  6.63F,  6.40F,  6.28F,  6.16F}},
    {CoilBaseBlock::uShapedOrDoubleLayer,  0, 10, { 8.96F,  8.26F,  7.68F,  7.44F,  7.21F,  6.98F,  6.86F,  6.63F,  6.51F,  6.40F}},
    {CoilBaseBlock::uShapedOrDoubleLayer,  0, 12, { 9.19F,  8.49F,  7.91F,  7.68F,  7.44F,  7.21F,  7.09F,  6.86F,  6.75F,  6.51F}},
    {CoilBaseBlock::uShapedOrDoubleLayer,  0, 15, { 9.42F,  8.72F,  8.02F,  7.91F,  7.68F,  7.44F,  7.33F,  7.09F,  6.98F,  6.75F}},
    {CoilBaseBlock::singleLayer,  0,  6, { 8.60F,  8.14F,  7.44F,  7.21F,  6.98F,  6.75F,  6.63F,  6.51F,  6.40F,  6.16F}},
    {CoilBaseBlock::singleLayer,  0,  8, { 9.07F,  8.49F,  7.79F,  7.56F,  7.33F,  7.09F,  6.98F,  6.74F,  6.63F,  6.51F}},
    {CoilBaseBlock::singleLayer,  0, 10, { 9.42F,  8.72F,  8.02F,  7.79F,  7.56F,  7.33F,  7.21F,  6.98F,  6.86F,  6.74F}},
    {CoilBaseBlock::singleLayer,  0, 12, { 9.65F,  8.96F,  8.26F,  8.02F,  7.79F,  7.56F,  7.44F,  7.21F,  7.09F,  6.86F}},
    {CoilBaseBlock::singleLayer,  0, 15, { 9.88F,  9.19F,  8.49F,  8.26F,  8.02F,  7.79F,  7.68F,  7.44F,  7.32F,  7.09F}},
    {CoilBaseBlock::singleRow,  4,  6, { 8.84F,  8.02F,  7.68F,  7.44F,  7.21F,  6.98F,  6.86F,  6.63F,  6.51F,  6.28F}},
    {CoilBaseBlock::singleRow,  4,  8, { 9.30F,  8.72F,  8.02F,  7.79F,  7.56F,  7.33F,  7.21F,  6.98F,  6.86F,  6.63F}},
    {CoilBaseBlock::singleRow,  4, 10, { 9.65F,  8.96F,  8.26F,  8.02F,  7.79F,  7.56F,  7.44F,  7.21F,  7.09F,  6.86F}},
    {CoilBaseBlock::singleRow,  4, 12, { 9.89F,  9.19F,  8.49F,  8.26F,  7.91F,  7.68F,  7.56F,  7.44F,  7.33F,  7.09F}},
    {CoilBaseBlock::singleRow,  4, 15, {10.12F,  9.42F,  8.61F,  8.49F,  8.14F,  7.91F,  7.79F,  7.68F,  7.56F,  7.33F}},
    {CoilBaseBlock::singleRow,  6,  6, { 9.19F,  8.49F,  7.79F,  7.68F,  7.44F,  7.09F,  6.98F,  6.86F,  6.75F,  6.51F}},
    {CoilBaseBlock::singleRow,  6,  8, { 9.54F,  8.96F,  8.14F,  8.02F,  7.68F,  7.44F,  7.33F,  7.21F,  7.09F,  6.86F}},
    {CoilBaseBlock::singleRow,  6, 10, { 9.89F,  9.19F,  8.49F,  8.26F,  7.91F,  7.68F,  7.56F,  7.44F,  7.33F,  7.09F}},
    {CoilBaseBlock::singleRow,  6, 12, {10.12F,  9.42F,  8.61F,  8.49F,  8.14F,  7.91F,  7.79F,  7.56F,  7.44F,  7.21F}},
    {CoilBaseBlock::singleRow,  6, 15, {10.35F,  9.65F,  8.84F,  8.61F,  8.37F,  8.14F,  8.02F,  7.79F,  7.68F,  7.44F}},
    {CoilBaseBlock::singleRow,  8,  6, { 9.42F,  8.84F,  8.14F,  7.91F,  7.68F,  7.44F,  7.33F,  7.09F,  6.98F,  6.75F}},
    {CoilBaseBlock::singleRow,  8,  8, { 9.89F,  9.30F,  8.49F,  8.26F,  8.02F,  7.79F,  7.56F,  7.44F,  7.33F,  7.09F}},
    {CoilBaseBlock::singleRow,  8, 10, {10.23F,  9.54F,  8.72F,  8.49F,  8.26F,  8.02F,  7.79F,  7.68F,  7.56F,  7.33F}},
    {CoilBaseBlock::singleRow,  8, 12, {10.47F,  9.77F,  8.96F,  8.72F,  8.37F,  8.14F,  8.02F,  7.79F,  7.68F,  7.44F}},
    {CoilBaseBlock::singleRow,  8, 15, {10.58F, 10.00F,  9.19F,  8.96F,  8.61F,  8.37F,  8.26F,  8.02F,  7.91F,  7.68F}},
    {CoilBaseBlock::singleRow, 10,  6, {10.00F,  9.42F,  8.61F,  8.37F,  8.02F,  7.91F,  7.68F,  7.56F,  7.44F,  7.09F}},
    {CoilBaseBlock::singleRow, 10,  8, {10.47F,  9.77F,  8.96F,  8.72F,  8.37F,  8.14F,  8.02F,  7.79F,  7.68F,  7.44F}},
    {CoilBaseBlock::singleRow, 10, 10, {10.82F, 10.00F,  9.19F,  8.96F,  8.61F,  8.37F,  8.26F,  8.02F,  7.91F,  7.68F}},
    {CoilBaseBlock::singleRow, 10, 12, {10.93F, 10.23F,  9.42F,  9.19F,  8.84F,  8.61F,  8.49F,  8.26F,  8.14F,  7.91F}},
    {CoilBaseBlock::singleRow, 10, 15, {11.16F, 10.47F,  9.54F,  9.42F,  9.07F,  8.84F,  8.61F,  8.49F,  8.37F,  8.14F}},
    {CoilBaseBlock::singleRow, 12,  6, {10.70F, 10.00F,  9.19F,  8.96F,  8.61F,  8.37F,  8.26F,  8.02F,  7.91F,  7.56F}},
    {CoilBaseBlock::singleRow, 12,  8, {11.16F, 10.35F,  9.54F,  9.30F,  8.96F,  8.72F,  8.49F,  8.26F,  8.14F,  7.91F}},
    {CoilBaseBlock::singleRow, 12, 10, {11.40F, 10.70F,  9.77F,  9.54F,  9.19F,  8.96F,  8.72F,  8.49F,  8.37F,  8.14F}},
    {CoilBaseBlock::singleRow, 12, 12, {11.63F, 10.82F,  9.89F,  9.65F,  9.42F,  9.07F,  8.96F,  8.72F,  8.61F,  8.37F}},
    {CoilBaseBlock::singleRow, 12, 15, {11.75F, 11.05F, 10.12F,  9.89F,  9.54F,  9.30F,  9.19F,  8.96F,  8.84F,  8.61F}},
    {CoilBaseBlock::singleRow, 14,  6, {11.28F, 10.58F,  9.65F,  9.42F,  9.19F,  8.84F,  8.72F,  8.49F,  8.37F,  8.14F}},
    {CoilBaseBlock::singleRow, 14,  8, {11.75F, 10.93F, 10.00F,  9.77F,  9.42F,  9.19F,  8.96F,  8.84F,  8.61F,  8.37F}},
    {CoilBaseBlock::singleRow, 14, 10, {12.10F, 11.28F, 10.35F, 10.00F,  9.65F,  9.42F,  9.19F,  9.07F,  8.84F,  8.61F}},
    {CoilBaseBlock::singleRow, 14, 12, {12.21F, 11.40F, 10.47F, 10.23F,  9.89F,  9.54F,  9.42F,  9.19F,  9.07F,  8.84F}},
    {CoilBaseBlock::singleRow, 14, 15, {12.44F, 11.63F, 10.70F, 10.47F, 10.12F,  9.77F,  9.65F,  9.42F,  9.30F,  9.07F}},
    {CoilBaseBlock::singleRow, 16,  6, {12.10F, 11.28F, 10.35F, 10.12F,  9.77F,  9.42F,  9.30F,  9.07F,  8.96F,  8.61F}},
    {CoilBaseBlock::singleRow, 16,  8, {12.56F, 11.75F, 10.70F, 10.47F, 10.12F,  9.77F,  9.54F,  9.30F,  9.19F,  8.96F}},
    {CoilBaseBlock::singleRow, 16, 10, {12.79F, 11.98F, 10.93F, 10.70F, 10.35F, 10.00F,  9.77F,  9.54F,  9.42F,  9.19F}},
    {CoilBaseBlock::singleRow, 16, 12, {13.03F, 12.10F, 11.16F, 10.82F, 10.47F, 10.12F, 10.00F,  9.77F,  9.65F,  9.30F}},
    {CoilBaseBlock::singleRow, 16, 15, {13.14F, 12.33F, 11.28F, 11.05F, 10.70F, 10.35F, 10.23F, 10.00F,  9.89F,  9.54F}},
    {CoilBaseBlock::singleRow, 18,  6, {12.91F, 12.10F, 11.05F, 10.70F, 10.47F, 10.12F,  9.89F,  9.65F,  9.54F,  9.30F}},
    {CoilBaseBlock::singleRow, 18,  8, {13.37F, 12.44F, 11.40F, 11.16F, 10.82F, 10.47F, 10.23F, 10.00F,  9.89F,  9.54F}},
    {CoilBaseBlock::singleRow, 18, 10, {13.72F, 12.79F, 11.63F, 11.40F, 11.05F, 10.70F, 10.47F, 10.23F, 10.12F,  9.77F}},
    {CoilBaseBlock::singleRow, 18, 12, {13.84F, 12.91F, 11.86F, 11.51F, 11.16F, 10.82F, 10.70F, 10.35F, 10.23F, 10.00F}},
    {CoilBaseBlock::singleRow, 18, 15, {14.07F, 13.03F, 11.98F, 11.75F, 11.40F, 11.05F, 10.82F, 10.58F, 10.47F, 10.23F}},
    {CoilBaseBlock::singleRow, 20,  6, {13.84F, 12.91F, 11.75F, 11.51F, 11.16F, 10.70F, 10.58F, 10.35F, 10.23F,  9.77F}},
    {CoilBaseBlock::singleRow, 20,  8, {14.30F, 12.26F, 12.21F, 11.86F, 11.40F, 11.16F, 10.93F, 10.70F, 10.47F, 10.12F}},
    {CoilBaseBlock::singleRow, 20, 10, {14.54F, 13.61F, 12.44F, 12.10F, 11.63F, 11.28F, 11.16F, 10.82F, 10.70F, 10.35F}},
    {CoilBaseBlock::singleRow, 20, 12, {14.77F, 13.72F, 12.56F, 12.21F, 11.86F, 11.51F, 11.28F, 11.05F, 10.93F, 10.58F}},
    {CoilBaseBlock::singleRow, 20, 15, {14.89F, 13.84F, 12.79F, 12.44F, 12.10F, 11.75F, 11.51F, 11.28F, 11.16F, 10.82F}},
});
// clang-format on

static_assert(kCoilBaseTable.size() == 11 * kCoilTempDiffRows);
static_assert(kCoilBaseTable[5].block == CoilBaseBlock::singleLayer);
static_assert(kCoilBaseTable[10].block == CoilBaseBlock::singleRow);
static_assert(kCoilBaseTable[10].tubesInHeight == 4 && kCoilBaseTable[54].tubesInHeight == 20);
static_assert(kCoilBaseTable[51].uWPerM2CByRoomTemp[1] == 12.26F);

} // namespace gelvant
