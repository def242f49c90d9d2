#pragma once

#include "calc/dependent_rules.h"
#include "evaporator/air_cooler.h"
#include "evaporator/coil.h"
#include "evaporator/room_choices.h"
#include "reference/reference_rooms.h"
#include "sheet/controls.h"
#include "sheet/form_lists_events.h"
#include "tables/goods_kind.h"
#include "tables/insulation.h"
#include "tables/packaging.h"
#include "tables/product.h"
#include "tables/respiration.h"
#include "tables/site.h"

#include <array>
#include <string_view>

namespace gelvant {

inline constexpr bool kShown = false;
inline constexpr bool kHidden = true;

// The 24 lists of the design form, in the order the form keeps their choices
// (captured forms and design files list them so): control, name, the caption
// the report writes before the chosen item, how the list runs its handler,
// whether it is shown, and its items.
// clang-format off
inline constexpr std::array kFormLists{
    ListDef{ctl::insulationChoice, "insulationChoice", "种类", ListStyle::Extended, kShown, insulationItems},
    ListDef{ctl::goodsKindChoice, "goodsKindChoice", "货物种类", ListStyle::Extended, kShown, goodsKindItems},
    ListDef{ctl::productChoice, "productChoice", "食品", ListStyle::Extended, kShown, productItems},
    ListDef{ctl::siteChoice, "siteChoice", "地区", ListStyle::Extended, kShown, siteItems},
    ListDef{ctl::packagingMaterialChoice, "packagingMaterialChoice", "包装材料", ListStyle::Extended, kShown, packagingMaterialItems},
    ListDef{ctl::packagingRatioChoice, "packagingRatioChoice", "包装方式", ListStyle::Extended, kShown, packagingRatioItems},
    ListDef{ctl::produceAirChangeChoice, "produceAirChangeChoice", "换气次数", ListStyle::Extended, kShown, produceAirChangeItems},
    ListDef{ctl::respirationProduceChoice, "respirationProduceChoice", "果蔬品种", ListStyle::Extended, kShown, respirationProduceItems},
    ListDef{ctl::doorChoice, "doorChoice", "库门", ListStyle::Extended, kShown, doorItems},
    ListDef{ctl::floorChoice, "floorChoice", "地面", ListStyle::Extended, kShown, floorItems},
    ListDef{ctl::roomKindChoice, "roomKindChoice", "冷间类别", ListStyle::Extended, kShown, roomKindItems},
    ListDef{ctl::freshAirChoice, "freshAirChoice", "新风", ListStyle::Extended, kShown, freshAirItems},
    ListDef{ctl::coilTypeChoice, "coilTypeChoice", "排管形式", ListStyle::Extended, kShown, coilTypeItems},
    ListDef{ctl::coilPitchChoice, "coilPitchChoice", "管间距", ListStyle::Extended, kShown, coilPitchItems},
    ListDef{ctl::coilDiameterChoice, "coilDiameterChoice", "管径", ListStyle::Extended, kShown, coilDiameterItems},
    ListDef{ctl::coilFeedChoice, "coilFeedChoice", "供液方式", ListStyle::Extended, kShown, coilFeedItems},
    ListDef{ctl::coilRoomTempChoice, "coilRoomTempChoice", "库房温度", ListStyle::Extended, kShown, coilRoomTempItems},
    ListDef{ctl::coilTempDiffChoice, "coilTempDiffChoice", "温差", ListStyle::Extended, kShown, coilTempDiffItems},
    ListDef{ctl::coilRowsChoice, "coilRowsChoice", "高度横根数", ListStyle::Extended, kShown, coilRowsItems},
    ListDef{ctl::airCoolerEvapChoice, "airCoolerEvapChoice", "蒸发温度", ListStyle::Extended, kShown, airCoolerEvapItems},
    ListDef{ctl::airCoolerTempDiffChoice, "airCoolerTempDiffChoice", "计算温差", ListStyle::Extended, kShown, airCoolerTempDiffItems},
    ListDef{ctl::airCoolerTubeChoice, "airCoolerTubeChoice", "管材", ListStyle::Extended, kShown, airCoolerTubeItems},
    ListDef{ctl::referenceList, "referenceList", "经验数据", ListStyle::Plain, kShown, referenceInitialItems, referenceAppendedItems},
    ListDef{ctl::referenceListCompact, "referenceListCompact", "", ListStyle::Extended, kHidden, referenceCompactItems},
};
// clang-format on

// The control of the list of that name. Only for names known when compiling:
// an unknown name is not a constant expression and does not build.
consteval int listControl(std::string_view name) {
    for (const ListDef& def : kFormLists) {
        if (def.name == name) {
            return def.controlId;
        }
    }
    throw "the form has no list of that name";
}

} // namespace gelvant
