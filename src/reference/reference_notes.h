#pragma once

#include "reference/reference_catalogue.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace gelvant {

// The explanatory notes N1 to N26 of the catalogue: the design conditions
// behind the figures of a row (outdoor and room conditions, intake, running
// hours, refrigerant). Each row names its note by number.
// clang-format off
inline constexpr std::array<std::string_view, 26> kReferenceNotes{{
    "1、冷却设备负荷，已包括食品冷冻加工产量的负荷系数1.3(进货量130％)的数值。   2、机械负荷已包括管道等冷损耗补偿系数7％ 。                           3、加工时间不包括肉类进冷间、出冷间的搬运时间。                             4、冷却间、冻结间一般不计算操作热量，即开门、人工数量为0。", // N1: rows 0, 2–8
    "1、冷却设备负荷，已包括食品冷冻加工产量的负荷系数1.3(进货量130％)的数值。   2、机械负荷已包括管道等冷损耗补偿系数7％ 。                           3、加工时间不包括肉类进冷间、出冷间的搬运时间。               4、-7/-2℃指冷间温度先为-7℃，待肉体表面温度降到0℃时，改用冷间温度-2℃,继续降温。", // N2: rows 1
    "1、机械负荷已包括管道等冷损耗补偿系数7％ 。    2、机械负荷指的是压缩机制冷负荷，对于一对一的小制冷系统，由于设备和管道等冷损耗原因，其机械负荷大于    冷却设备负荷，综合性冷库由于对象越多、系统越大，差时交错操作（不是全负荷同时运行），所以总机械负荷会小于各冷却设备负荷之和。", // N3: rows 10–16, 18–20
    "1、机械负荷已包括管道等冷损耗补偿系数7％ 。   2、-15～-18℃冷藏间进货温度一般按-12～-15℃，进货量按5％计算。                                      3、外地调入的冻肉进货温度按-8～-10℃，冰鲜鱼虾整理后的温度按15℃。", // N4: rows 22–25
    "1、贮藏鲜蛋、果蔬装配式冷库室外计算温度31℃，相对温度80％ ；室内计算温度0℃，相对湿度90％；冷凝温度38℃，蒸发温度-10℃ 。                         2、鲜蛋每天进货量按5％ ，果蔬按8％，进货温度均按25℃，加工时间按24h计算。    3、果蔬冷库通风换气按2次/天计算，隔热板为聚氨酯泡沫塑料，厚度100mm。", // N5: rows 26–29, 31–38
    "1、冷库室外计算温度32℃，相对温度80％ ；进货温度4℃，室内相对湿度90％，每天开机16小时，制冷剂为氟里昂。                                           2、频繁操作核算时应适当增加库门的开门换气次数/天和工作人数。", // N6: rows 40–57
    "1、冷库室外计算温度32℃，相对温度80％ ；进货温度4℃，室内相对湿度90％，每天开机18小时，制冷剂为氟里昂。", // N7: rows 59–76, 78–95
    "1、冷库公称吨位4t，室外计算温度32℃，相对温度80％ ，未经冻结货物每天进货量按10％，制冷剂为氟里昂R12。", // N8: rows 98
    "1、冷库公称吨位20t，室外计算温度32℃，相对温度80％ ，未经冻结货物每天进货量按10％，制冷剂为氟里昂R12。", // N9: rows 99
    "1、冷库公称吨位60t，室外计算温度32℃，相对温度80％ ，未经冻结货物每天进货量按10％，制冷剂为氟里昂R12。", // N10: rows 100
    "1、冷库公称吨位500t，室外计算温度29℃，相对温度80％ ，每天进货量按8％，共2间，制冷剂为氟里昂R12。", // N11: rows 101, 102
    "1、冷库公称吨位500t，室外计算温度29℃，相对温度80％ ，每天进货量按5％，制冷剂为氟里昂R12。", // N12: rows 103
    "1、冷库公称吨位500t，室外计算温度-32℃，相对温度90％ ，每天进货量按8％，进货温度-8℃，机器按20小时运转计，制冷剂为氟里昂R22。", // N13: rows 104
    "1、冷库公称吨位4t，室外计算温度-28℃，相对温度90％ ，制冷剂为氨R717。", // N14: rows 105
    "1、冷库公称吨位4t，室外计算温度-28℃，相对温度90％ ，采用小车盘装冻虾设吊轨，制冷剂为氨R717。", // N15: rows 106
    "1、冷库公称吨位20t，室外计算温度29℃，相对温度80％ ，共有3间，采用管架盘装贮藏，制冷剂为氨R717。", // N16: rows 107
    "1、冷库公称吨位20t，室外计算温度29℃，相对温度80％ ，制冷剂为氨R717。", // N17: rows 108, 109
    "1、冷库公称吨位50t，室外计算温度29℃，相对温度80％ ，每天进货量按10％，制冷剂为氨R717。", // N18: rows 110
    "1、冷库公称吨位100t，室外计算温度30℃，相对温度80％ ，制冷剂为氨R717。", // N19: rows 111
    "1、冷库公称吨位100t，室外计算温度30℃，相对温度80％ ，每台4小时冻1t，共3台，制冷剂为氨R717。", // N20: rows 112
    "1、冷库公称吨位200t，室外计算温度28℃，相对温度80％ ，共有2间，制冷剂为氨R717。", // N21: rows 113
    "1、冷库公称吨位200t，室外计算温度28℃，相对温度80％ ，每台7小时冻2.1t，共5台，制冷剂为氨R717。", // N22: rows 114
    "1、冷库公称吨位500t，室外计算温度30℃，相对温度80％ ，每天进货量按8％，共3间，制冷剂为氨R717。", // N23: rows 115
    "1、冷库公称吨位2300t，室外计算温度30℃，相对温度80％ ，每天进货量按5％，共2间，制冷剂为氨R717。", // N24: rows 116
    "1、冷库公称吨位2300t，室外计算温度30℃，相对温度80％ ，每天进货量按10％，共6间，制冷剂为氨R717。", // N25: rows 117
    "1、冷库公称吨位2300t，室外计算温度28℃，相对温度80％ ，每天进货量按3％，共4间，制冷剂为氨R717。", // N26: rows 118
}};
// clang-format on

constexpr bool referenceNoteNumbersValid() {
    return std::all_of(
        kReferenceCatalogue.begin(), kReferenceCatalogue.end(), [](const ReferenceRoom& room) {
            return room.note >= 0 && room.note <= static_cast<std::int8_t>(kReferenceNotes.size());
        });
}
static_assert(referenceNoteNumbersValid(), "every row names one of the notes or none");

// The note a catalogue row shows; empty for a row without a note and for no
// row at all (-1).
constexpr std::string_view referenceNoteForRow(std::int32_t row) {
    if (row < 0 || row >= static_cast<std::int32_t>(kReferenceCatalogue.size())) {
        return {};
    }
    const std::int8_t note = kReferenceCatalogue[static_cast<std::size_t>(row)].note;
    return note == 0 ? std::string_view{} : kReferenceNotes[static_cast<std::size_t>(note - 1)];
}

} // namespace gelvant
