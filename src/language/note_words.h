#pragma once

#include "language/language.h"

#include <array>

namespace gelvant {

// The catalogue's notes N1 to N26 and the warnings and marks of the catalogue.
// clang-format off
inline constexpr auto kNoteEnglish = std::to_array<Translation>({
    {"1、冷却设备负荷，已包括食品冷冻加工产量的负荷系数1.3(进货量130％)的数值。   2、机械负荷已包括管道等冷损耗补偿系数7％ 。                           3、加工时间不包括肉类进冷间、出冷间的搬运时间。                             4、冷却间、冻结间一般不计算操作热量，即开门、人工数量为0。",
     "1. The cooling equipment load includes the load factor of 1.3 for the output of food chilled or frozen (intake 130%).   2. The machine load includes 7% for pipe and other cold losses.                           3. The processing time leaves out carrying the meat into and out of the room.                             4. Chilling and freezing rooms as a rule count no operating heat: no door openings, no workers."},
    {"1、冷却设备负荷，已包括食品冷冻加工产量的负荷系数1.3(进货量130％)的数值。   2、机械负荷已包括管道等冷损耗补偿系数7％ 。                           3、加工时间不包括肉类进冷间、出冷间的搬运时间。               4、-7/-2℃指冷间温度先为-7℃，待肉体表面温度降到0℃时，改用冷间温度-2℃,继续降温。",
     "1. The cooling equipment load includes the load factor of 1.3 for the output of food chilled or frozen (intake 130%).   2. The machine load includes 7% for pipe and other cold losses.                           3. The processing time leaves out carrying the meat into and out of the room.               4. -7/-2℃: the room is first at -7℃; once the meat's surface is down to 0℃ the room is set to -2℃ and the cooling goes on."},
    {"1、机械负荷已包括管道等冷损耗补偿系数7％ 。    2、机械负荷指的是压缩机制冷负荷，对于一对一的小制冷系统，由于设备和管道等冷损耗原因，其机械负荷大于    冷却设备负荷，综合性冷库由于对象越多、系统越大，差时交错操作（不是全负荷同时运行），所以总机械负荷会小于各冷却设备负荷之和。",
     "1. The machine load includes 7% for pipe and other cold losses.    2. The machine load is the compressors' refrigerating load. In a small one-to-one system the equipment and pipe losses make the machine load larger than    the cooling equipment load; in a large cold store with many rooms and a large system, rooms work at staggered times (never all at full load together), so the total machine load is less than the sum of the cooling equipment loads."},
    {"1、机械负荷已包括管道等冷损耗补偿系数7％ 。   2、-15～-18℃冷藏间进货温度一般按-12～-15℃，进货量按5％计算。                                      3、外地调入的冻肉进货温度按-8～-10℃，冰鲜鱼虾整理后的温度按15℃。",
     "1. The machine load includes 7% for pipe and other cold losses.   2. Stores at -15 to -18℃ take goods in at -12 to -15℃ as a rule, and a daily intake of 5%.                                      3. Frozen meat brought in from elsewhere arrives at -8 to -10℃; chilled fish and shrimps after sorting at 15℃."},
    {"1、贮藏鲜蛋、果蔬装配式冷库室外计算温度31℃，相对温度80％ ；室内计算温度0℃，相对湿度90％；冷凝温度38℃，蒸发温度-10℃ 。                         2、鲜蛋每天进货量按5％ ，果蔬按8％，进货温度均按25℃，加工时间按24h计算。    3、果蔬冷库通风换气按2次/天计算，隔热板为聚氨酯泡沫塑料，厚度100mm。",
     "1. Prefabricated stores for fresh eggs, fruit and vegetables: outdoor design temperature 31℃, relative humidity 80%; room design temperature 0℃, relative humidity 90%; condensing temperature 38℃, evaporating temperature -10℃.                         2. Daily intake 5% for fresh eggs and 8% for fruit and vegetables, both taken in at 25℃, processing time 24 h.    3. Fruit and vegetable stores with 2 air changes a day; panels of polyurethane foam, 100 mm thick."},
    {"1、冷库室外计算温度32℃，相对温度80％ ；进货温度4℃，室内相对湿度90％，每天开机16小时，制冷剂为氟里昂。                                           2、频繁操作核算时应适当增加库门的开门换气次数/天和工作人数。",
     "1. Outdoor design temperature 32℃, relative humidity 80%; intake temperature 4℃, room relative humidity 90%; plant running 16 hours a day; refrigerant Freon.                                           2. For frequent use, raise the door air changes per day and the number of workers."},
    {"1、冷库室外计算温度32℃，相对温度80％ ；进货温度4℃，室内相对湿度90％，每天开机18小时，制冷剂为氟里昂。",
     "1. Outdoor design temperature 32℃, relative humidity 80%; intake temperature 4℃, room relative humidity 90%; plant running 18 hours a day; refrigerant Freon."},
    {"1、冷库公称吨位4t，室外计算温度32℃，相对温度80％ ，未经冻结货物每天进货量按10％，制冷剂为氟里昂R12。",
     "1. Nominal capacity 4 t, outdoor design temperature 32℃, relative humidity 80%, unfrozen goods taken in at 10% a day, refrigerant Freon R12."},
    {"1、冷库公称吨位20t，室外计算温度32℃，相对温度80％ ，未经冻结货物每天进货量按10％，制冷剂为氟里昂R12。",
     "1. Nominal capacity 20 t, outdoor design temperature 32℃, relative humidity 80%, unfrozen goods taken in at 10% a day, refrigerant Freon R12."},
    {"1、冷库公称吨位60t，室外计算温度32℃，相对温度80％ ，未经冻结货物每天进货量按10％，制冷剂为氟里昂R12。",
     "1. Nominal capacity 60 t, outdoor design temperature 32℃, relative humidity 80%, unfrozen goods taken in at 10% a day, refrigerant Freon R12."},
    {"1、冷库公称吨位500t，室外计算温度29℃，相对温度80％ ，每天进货量按8％，共2间，制冷剂为氟里昂R12。",
     "1. Nominal capacity 500 t, outdoor design temperature 29℃, relative humidity 80%, daily intake 8%, 2 rooms, refrigerant Freon R12."},
    {"1、冷库公称吨位500t，室外计算温度29℃，相对温度80％ ，每天进货量按5％，制冷剂为氟里昂R12。",
     "1. Nominal capacity 500 t, outdoor design temperature 29℃, relative humidity 80%, daily intake 5%, refrigerant Freon R12."},
    {"1、冷库公称吨位500t，室外计算温度-32℃，相对温度90％ ，每天进货量按8％，进货温度-8℃，机器按20小时运转计，制冷剂为氟里昂R22。",
     "1. Nominal capacity 500 t, outdoor design temperature -32℃, relative humidity 90%, daily intake 8%, intake temperature -8℃, machines running 20 hours, refrigerant Freon R22."},
    {"1、冷库公称吨位4t，室外计算温度-28℃，相对温度90％ ，制冷剂为氨R717。",
     "1. Nominal capacity 4 t, outdoor design temperature -28℃, relative humidity 90%, refrigerant ammonia R717."},
    {"1、冷库公称吨位4t，室外计算温度-28℃，相对温度90％ ，采用小车盘装冻虾设吊轨，制冷剂为氨R717。",
     "1. Nominal capacity 4 t, outdoor design temperature -28℃, relative humidity 90%, shrimps frozen in trays on trolleys with an overhead rail, refrigerant ammonia R717."},
    {"1、冷库公称吨位20t，室外计算温度29℃，相对温度80％ ，共有3间，采用管架盘装贮藏，制冷剂为氨R717。",
     "1. Nominal capacity 20 t, outdoor design temperature 29℃, relative humidity 80%, 3 rooms, stored in trays on pipe racks, refrigerant ammonia R717."},
    {"1、冷库公称吨位20t，室外计算温度29℃，相对温度80％ ，制冷剂为氨R717。",
     "1. Nominal capacity 20 t, outdoor design temperature 29℃, relative humidity 80%, refrigerant ammonia R717."},
    {"1、冷库公称吨位50t，室外计算温度29℃，相对温度80％ ，每天进货量按10％，制冷剂为氨R717。",
     "1. Nominal capacity 50 t, outdoor design temperature 29℃, relative humidity 80%, daily intake 10%, refrigerant ammonia R717."},
    {"1、冷库公称吨位100t，室外计算温度30℃，相对温度80％ ，制冷剂为氨R717。",
     "1. Nominal capacity 100 t, outdoor design temperature 30℃, relative humidity 80%, refrigerant ammonia R717."},
    {"1、冷库公称吨位100t，室外计算温度30℃，相对温度80％ ，每台4小时冻1t，共3台，制冷剂为氨R717。",
     "1. Nominal capacity 100 t, outdoor design temperature 30℃, relative humidity 80%, each unit freezes 1 t in 4 hours, 3 units, refrigerant ammonia R717."},
    {"1、冷库公称吨位200t，室外计算温度28℃，相对温度80％ ，共有2间，制冷剂为氨R717。",
     "1. Nominal capacity 200 t, outdoor design temperature 28℃, relative humidity 80%, 2 rooms, refrigerant ammonia R717."},
    {"1、冷库公称吨位200t，室外计算温度28℃，相对温度80％ ，每台7小时冻2.1t，共5台，制冷剂为氨R717。",
     "1. Nominal capacity 200 t, outdoor design temperature 28℃, relative humidity 80%, each unit freezes 2.1 t in 7 hours, 5 units, refrigerant ammonia R717."},
    {"1、冷库公称吨位500t，室外计算温度30℃，相对温度80％ ，每天进货量按8％，共3间，制冷剂为氨R717。",
     "1. Nominal capacity 500 t, outdoor design temperature 30℃, relative humidity 80%, daily intake 8%, 3 rooms, refrigerant ammonia R717."},
    {"1、冷库公称吨位2300t，室外计算温度30℃，相对温度80％ ，每天进货量按5％，共2间，制冷剂为氨R717。",
     "1. Nominal capacity 2300 t, outdoor design temperature 30℃, relative humidity 80%, daily intake 5%, 2 rooms, refrigerant ammonia R717."},
    {"1、冷库公称吨位2300t，室外计算温度30℃，相对温度80％ ，每天进货量按10％，共6间，制冷剂为氨R717。",
     "1. Nominal capacity 2300 t, outdoor design temperature 30℃, relative humidity 80%, daily intake 10%, 6 rooms, refrigerant ammonia R717."},
    {"1、冷库公称吨位2300t，室外计算温度28℃，相对温度80％ ，每天进货量按3％，共4间，制冷剂为氨R717。",
     "1. Nominal capacity 2300 t, outdoor design temperature 28℃, relative humidity 80%, daily intake 3%, 4 rooms, refrigerant ammonia R717."},
    {"多层库按单层核算负荷会偏大，主要应修正各库的实际环境温度和夏季空调温度来降低库体漏热。",
     "A multi-storey store computed as a single storey comes out too large: correct each room's real ambient and summer air-conditioning temperatures to bring the envelope heat leak down."},
    {"转下页",
     "Continued on the next page"},
});
// clang-format on
static_assert(wordRowsValid(kNoteEnglish), "each row: CJK in Chinese, none in English");

} // namespace gelvant
