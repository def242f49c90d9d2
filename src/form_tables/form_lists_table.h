#pragma once

#include "calc/dependent_rules.h"
#include "evaporator/air_cooler.h"
#include "evaporator/coil.h"
#include "evaporator/room_choices.h"
#include "form/controls.h"
#include "form/form_lists_events.h"
#include "reference/reference_rooms.h"
#include "tables/goods_kind.h"
#include "tables/insulation.h"
#include "tables/packaging.h"
#include "tables/product.h"
#include "tables/respiration.h"
#include "tables/site.h"

#include <array>
#include <string_view>

namespace gelvant {

inline constexpr bool kListShown = false;
inline constexpr bool kListHidden = true;

// The 24 lists of the design form, in the order the form keeps their choices
// (captured forms and design files list them so): control, name, the caption
// the report writes before the chosen item, how the list runs its handler,
// whether it is shown, and its items.
// clang-format off
inline constexpr std::array kFormLists{
    ListDef{ctl::insulationChoice, "insulationChoice", "种类", ListStyle::Extended, kListShown, insulationItems},
    ListDef{ctl::goodsKindChoice, "goodsKindChoice", "货物种类", ListStyle::Extended, kListShown, goodsKindItems},
    ListDef{ctl::productChoice, "productChoice", "食品", ListStyle::Extended, kListShown, productItems},
    ListDef{ctl::siteChoice, "siteChoice", "地区", ListStyle::Extended, kListShown, siteItems},
    ListDef{ctl::packagingMaterialChoice, "packagingMaterialChoice", "包装材料", ListStyle::Extended, kListShown, packagingMaterialItems},
    ListDef{ctl::packagingRatioChoice, "packagingRatioChoice", "包装方式", ListStyle::Extended, kListShown, packagingRatioItems},
    ListDef{ctl::produceAirChangeChoice, "produceAirChangeChoice", "换气次数", ListStyle::Extended, kListShown, produceAirChangeItems},
    ListDef{ctl::respirationProduceChoice, "respirationProduceChoice", "果蔬品种", ListStyle::Extended, kListShown, respirationProduceItems},
    ListDef{ctl::doorChoice, "doorChoice", "库门", ListStyle::Extended, kListShown, doorItems},
    ListDef{ctl::floorChoice, "floorChoice", "地面", ListStyle::Extended, kListShown, floorItems},
    ListDef{ctl::roomKindChoice, "roomKindChoice", "冷间类别", ListStyle::Extended, kListShown, roomKindItems},
    ListDef{ctl::freshAirChoice, "freshAirChoice", "新风", ListStyle::Extended, kListShown, freshAirItems},
    ListDef{ctl::coilTypeChoice, "coilTypeChoice", "排管形式", ListStyle::Extended, kListShown, coilTypeItems},
    ListDef{ctl::coilPitchChoice, "coilPitchChoice", "管间距", ListStyle::Extended, kListShown, coilPitchItems},
    ListDef{ctl::coilDiameterChoice, "coilDiameterChoice", "管径", ListStyle::Extended, kListShown, coilDiameterItems},
    ListDef{ctl::coilFeedChoice, "coilFeedChoice", "供液方式", ListStyle::Extended, kListShown, coilFeedItems},
    ListDef{ctl::coilRoomTempChoice, "coilRoomTempChoice", "库房温度", ListStyle::Extended, kListShown, coilRoomTempItems},
    ListDef{ctl::coilTempDiffChoice, "coilTempDiffChoice", "温差", ListStyle::Extended, kListShown, coilTempDiffItems},
    ListDef{ctl::coilRowsChoice, "coilRowsChoice", "高度横根数", ListStyle::Extended, kListShown, coilRowsItems},
    ListDef{ctl::airCoolerEvapChoice, "airCoolerEvapChoice", "蒸发温度", ListStyle::Extended, kListShown, airCoolerEvapItems},
    ListDef{ctl::airCoolerTempDiffChoice, "airCoolerTempDiffChoice", "计算温差", ListStyle::Extended, kListShown, airCoolerTempDiffItems},
    ListDef{ctl::airCoolerTubeChoice, "airCoolerTubeChoice", "管材", ListStyle::Extended, kListShown, airCoolerTubeItems},
    ListDef{ctl::referenceList, "referenceList", "经验数据", ListStyle::Plain, kListShown, referenceInitialItems, referenceAppendedItems},
    ListDef{ctl::referenceListCompact, "referenceListCompact", "", ListStyle::Extended, kListHidden, referenceCompactItems},
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
