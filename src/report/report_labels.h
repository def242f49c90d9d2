#pragma once

#include "sheet/controls.h"

#include <array>
#include <string_view>

namespace gelvant {

// The unit a form label ends with, as the label writes it: the text in its
// closing brackets ("库体长(m)" gives "m", "含水率（%）" gives "%"), or a
// bare unit written after the name ("环境平均温度℃", "钢铁--重量Kg").
// Empty when the label names no unit ("工作人数", "呼吸强度-每10℃": there
// the degree sign belongs to the number before it).
std::string_view labelUnit(std::string_view label);

// The label without its unit and without trailing blanks ("库体漏热(W)"
// gives "库体漏热").
std::string_view labelName(std::string_view label);

// The label without the trailing blanks some form labels carry.
std::string_view trimLabel(std::string_view label);

// The word the report writes before a list's chosen item. The form shows its
// lists without labels (only the insulation list has its "种类" caption); a
// calculation sheet read away from the form needs to say what each item is.
struct ListCaption {
    int listCtl;
    std::string_view caption;
};

inline constexpr std::array<ListCaption, 23> kListCaptions{{
    {ctl::insulationChoice, "种类"},
    {ctl::goodsKindChoice, "货物种类"},
    {ctl::siteChoice, "地区"},
    {ctl::productChoice, "食品"},
    {ctl::respirationProduceChoice, "果蔬品种"},
    {ctl::produceAirChangeChoice, "换气次数"},
    {ctl::freshAirChoice, "新风"},
    {ctl::doorChoice, "库门"},
    {ctl::floorChoice, "地面"},
    {ctl::packagingMaterialChoice, "包装材料"},
    {ctl::packagingRatioChoice, "包装方式"},
    {ctl::roomKindChoice, "冷间类别"},
    {ctl::coilTypeChoice, "排管形式"},
    {ctl::coilPitchChoice, "管间距"},
    {ctl::coilDiameterChoice, "管径"},
    {ctl::coilFeedChoice, "供液方式"},
    {ctl::coilRoomTempChoice, "库房温度"},
    {ctl::coilTempDiffChoice, "温差"},
    {ctl::coilRowsChoice, "高度横根数"},
    {ctl::airCoolerEvapChoice, "蒸发温度"},
    {ctl::airCoolerTempDiffChoice, "计算温差"},
    {ctl::airCoolerTubeChoice, "管材"},
    {ctl::referenceList, "经验数据"},
}};

// The caption of a list; empty for a list the report does not show.
std::string_view listCaption(int listCtl);

} // namespace gelvant
