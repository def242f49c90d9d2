#include "evaporator_form.h"
#include "form/controls.h"
#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form_tables/design_form.h"
#include "tables/product.h"
#include "tables/respiration.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace gelvant {
namespace {

using evaporator_testing::FormCase;

constexpr int kClosedDock = 1;    // "定温穿堂封闭月台"
constexpr int kOpenDoor = 2;      // "无空气幕"
constexpr int kIceStoreKind = 21; // "机制冰"

class DependentRules : public evaporator_testing::EvaporatorForm {
protected:
    // Chooses the item of this text; the empty text leaves no item chosen, as
    // typing over the list does, and still runs the list's rule.
    void choose(int listCtl, std::string_view item) {
        std::size_t index = 0;
        while (index < dlg.itemCount(listCtl) && dlg.itemText(listCtl, index) != item) {
            ++index;
        }
        ASSERT_TRUE(item.empty() || index < dlg.itemCount(listCtl)) << item;
        dlg.userChooses(listCtl, item.empty() ? -1 : static_cast<int>(index));
    }
};

// The lists of reference data and the rules their choices run.
class ReferenceTables : public DependentRules {};

// A bare store 1 m wide and high holds its length in m³. At 2000, 10000, 10001
// and 15000 m³, between the rungs, the coefficient keeps its 0.77.
TEST_F(DependentRules, CoefficientWorkersAndOpenDoorChangesFollowTheVolume) {
    set({{"storeWidth", "1"}, {"storeHeight", "1"}});
    dlg.userChooses(ctl::doorChoice, kOpenDoor);
    // Volume in m³, then the coefficient, the workers and the open-door changes.
    const std::pair<const char*, const char*> cases[] = {
        {"250", "0.4 1 4.5"},    {"251", "0.4 1 4"},       {"375", "0.4 2 3.5"},
        {"400", "0.4 2 3.5"},    {"401", "0.4 2 3"},       {"1000", "0.4 4 2"},
        {"1001", "0.5 4 1.9"},   {"2000", "0.77 8 1.5"},   {"2001", "0.55 8 1.4"},
        {"2401", "0.55 10 1.3"}, {"10000", "0.77 40 1.3"}, {"10001", "0.77 40 1.3"},
        {"10002", "0.6 40 1.3"}, {"15000", "0.77 60 1.3"}, {"15001", "0.62 60 1.3"}};
    for (const auto& [volume, coefficientWorkersChanges] : cases) {
        set({{"volumeCoefficient", "0.77"}});
        type("storeLength", volume);
        EXPECT_EQ(
            shown({"innerVolume", "volumeCoefficient", "workerCount", "doorAirChangesPerDay"}),
            std::string(volume) + ' ' + coefficientWorkersChanges);
    }
}

// An ice store takes its coefficient from its height, here against 0.55 by
// volume; with no goods kind chosen the volume decides again.
TEST_F(DependentRules, IceStoreCoefficientFollowsTheHeight) {
    set({{"storeLength", "1500"}, {"storeWidth", "1"}});
    dlg.userChooses(ctl::goodsKindChoice, kIceStoreKind);
    for (const auto& [height, coefficient] :
         {std::pair{"4.2", "0.4"}, {"5", "0.5"}, {"6", "0.6"}, {"6.1", "0.65"}}) {
        type("storeHeight", height);
        EXPECT_EQ(shown({"volumeCoefficient"}), coefficient) << height;
    }
    dlg.userClearsList(ctl::goodsKindChoice);
    type("storeLength", "40");
    EXPECT_EQ(shown({"volumeCoefficient"}), "0.4");
}

// A closed dock halves the changes. With the door list typed over, the
// protection is unknown: the air changes are not halved on a guess and stay
// as they were, over repeated runs too, while the rest follows the room.
TEST_F(DependentRules, DoorChoiceHalvesTheChangesAndNoItemLeavesThem) {
    set({{"storeLength", "375"}, {"storeWidth", "1"}, {"storeHeight", "1"}});
    dlg.userChooses(ctl::doorChoice, kClosedDock); // halved as behind an air curtain
    EXPECT_EQ(shown({"doorAirChangesPerDay", "workerCount"}), "1.75 2");
    dlg.userClearsList(ctl::doorChoice, "自定义门");
    type("storeLength", "401");
    type("storeLength", "20");
    EXPECT_EQ(shown({"innerVolume", "doorAirChangesPerDay", "workerCount"}), "20 1.75 1");
}

// The door sizes are in mm: 100 m × 100 m must not overflow an integer.
TEST_F(DependentRules, DoorAreaAndAirChangeVolumeFollowTheirInputs) {
    type("doorWidth", "900");
    type("doorHeight", "1800");
    EXPECT_EQ(shown({"doorArea"}), "1.62");
    type("doorWidth", "100000");
    type("doorHeight", "100000");
    EXPECT_EQ(shown({"doorArea"}), "10000");
    set({{"storeLength", "158"}, {"storeWidth", "1"}, {"storeHeight", "1"}});
    type("produceAirChangesPerDay", "3");
    EXPECT_EQ(shown({"innerVolume", "airChangeVolumePerDay"}), "158 474");
}

// The respiration edits neither read nor write: a bad box elsewhere raises
// no prompt and keeps its text, and the typed value waits for the next read.
TEST_F(DependentRules, RespirationEditsDoNothingAtAll) {
    set({{"storeLength", "12m"}});
    type("respirationPer10C", "3");
    type("intakeRespirationHeat", "900");
    EXPECT_TRUE(presenter.messages.empty());
    EXPECT_EQ(shown({"storeLength"}), "12m");
    EXPECT_EQ(dlg.sheet().respirationPer10C, 0.0F);
    EXPECT_EQ(dlg.sheet().intakeRespirationHeat, 0.0F);
}

// Worked examples from an empty form: the usual cold room, 7 m wide and 4.2 m
// high outside with 100 mm panels, an open door, goods at 330 kg/m³ and a
// tenth taken in per day; pork frozen to -18 °C whether the temperatures come
// before the product or after it; a hand-chosen count of 3 air changes falls
// back on every temperature edit (to 2 for produce, 0 for goods that do not
// respire).
TEST(DependentRulesFigures, FollowWhatTheDesignerDoes) {
    const std::string room =
        "set storeWidth 7\nset storeHeight 4.2\nset insulationThicknessMm 100\n"
        "set goodsDensity 330\nset dailyIntakePercent 10\n"
        "choose doorChoice 2\n";
    const std::string tonnage = room + "type storeLength 6\ntype storageTonnage 20.856\n";
    const std::vector<const char*> people{"dailyIntakeTons", "heatPerPerson", "workerCount",
                                          "doorAirChangesPerDay"};
    const std::vector<const char*> pork{
        "waterContentPercent",   "freezingPoint",  "specificHeatUnfrozen", "specificHeatFrozen",
        "frozenFractionPercent", "intakeEnthalpy", "finalEnthalpy"};
    const std::string produce = "set intakeTemp 15\nset finalTemp 2\n"
                                "choose respirationProduceChoice 38\n"
                                "choose produceAirChangeChoice 2\n";
    const std::vector<const char*> respiration{"intakeRespirationHeat", "finalRespirationHeat",
                                               "respirationPer10C", "produceAirChangesPerDay",
                                               "produceAirChangeChoice"};
    const FormCase cases[] = {
        {"the length carries every derived field",
         room + "type storeLength 8",
         {"innerVolume", "outerSurfaceArea", "volumeCoefficient", "storageTonnage",
          "dailyIntakeTons", "floorArea", "workerCount", "doorAirChangesPerDay"},
         "212 238 0.4 27.9 2.7 56 1 4.5"},
        {"an air curtain halves the changes",
         room + "type storeLength 8\nchoose doorChoice 0",
         {"doorAirChangesPerDay"},
         "2.25"},
        // A typed tonnage gives an intake not cut to tenths.
        {"typed tonnage", tonnage + "type roomTemp -4.9", people, "2.0856 280 1 6"},
        // The lock zeroes workers and door changes, the door rule cuts the
        // intake again, and -5 °C already counts as cold.
        {"locked door", tonnage + "type roomTemp -4.9\nchoose doorChoice 3\ntype roomTemp -5",
         people, "2 410 0 0"},
        {"choices copy their rows",
         "set insulationThicknessMm 240\nchoose insulationChoice 4\nchoose siteChoice 69\n"
         "choose packagingMaterialChoice 0\nchoose packagingRatioChoice 4\n"
         "choose goodsKindChoice 21",
         {"wallHeatTransfer", "ambientTemp", "ambientHumidity", "summerAirConditioningTemp",
          "summerPressurePa", "packagingSpecificHeat", "packagingRatio", "goodsDensity"},
         "3.375 18 54 22.8 65229 2.51 0.6 750"},
        {"pork, temperatures first", "set intakeTemp 35\nset finalTemp -18\nchoose productChoice 0",
         pork, "65 -1.7 2.26 1.34 90.5556 306.348 4.73284"},
        {"pork, temperatures after",
         "choose productChoice 0\ntype intakeTemp 35\ntype finalTemp -18", pork,
         "65 -1.7 2.26 1.34 90.5556 306.348 4.73284"},
        {"three air changes chosen", produce, respiration, "523 129 3.11 3 2"},
        {"a temperature edit falls back to two", produce + "type finalTemp 5", respiration,
         "523 199 2.62 2 1"},
        {"goods that do not respire fall back to none",
         produce + "type finalTemp 5\nchoose respirationProduceChoice 40\n"
                   "choose produceAirChangeChoice 2\ntype intakeTemp 20",
         respiration, "0 0 0 0 0"},
    };
    for (const auto& c : cases) {
        evaporator_testing::EvaporatorFormState f;
        f.act(c.actions);
        EXPECT_EQ(f.shown(c.names), c.shown) << c.name;
        EXPECT_TRUE(f.presenter.messages.empty()) << c.name;
    }
}

// --- Reference tables ---------------------------------------------------------

// Typed over, the list copies nothing, yet the U-value still follows the
// sheet and editing the thickness or conductivity reruns it. A zero
// thickness leaves no finite U-value: shown as such and read back without a
// prompt.
TEST_F(ReferenceTables, InsulationSetsTheUValue) {
    set({{"storeLength", "6"}, {"storeWidth", "7"}, {"storeHeight", "4.2"}});
    choose(ctl::insulationChoice, "聚氨酯泡沫");
    dlg.userClearsList(ctl::insulationChoice, "岩棉");
    set({{"insulationConductivity", "0.04"}, {"insulationThicknessMm", "200"}});
    dlg.chooseItem(ctl::insulationChoice, -1);
    EXPECT_EQ(shown({"insulationConductivity", "insulationDensity", "wallHeatTransfer"}),
              "0.04 40 0.2");
    type("insulationThicknessMm", "100");
    EXPECT_EQ(shown({"wallHeatTransfer", "innerVolume"}), "0.4 158");
    type("insulationThicknessMm", "0");
    EXPECT_EQ(shown({"wallHeatTransfer", "innerVolume"}), "inf 176");
    type("insulationConductivity", "0");
    EXPECT_EQ(shown({"wallHeatTransfer"}), "nan");
    EXPECT_TRUE(presenter.messages.empty());
}

// With no item the density stays and only the geometry rule runs. Tonnages
// and intake come out one tenth low from the single-precision factors.
TEST_F(ReferenceTables, TheTonnageFollowsTheGoodsDensity) {
    set({{"storeLength", "10"}, {"storeWidth", "10"}, {"storeHeight", "10"}});
    set({{"dailyIntakePercent", "10"}});
    dlg.chooseItem(ctl::goodsKindChoice, 0);
    EXPECT_EQ(shown({"innerVolume", "volumeCoefficient", "goodsDensity", "storageTonnage",
                     "dailyIntakeTons"}),
              "1000 0.4 400 159.9 15.9");
    set({{"goodsDensity", "300"}});
    dlg.chooseItem(ctl::goodsKindChoice, -1);
    EXPECT_EQ(shown({"goodsDensity", "storageTonnage"}), "300 119.9");
}

// With no item chosen a typed value stays.
TEST_F(ReferenceTables, NoSiteOrPackagingItemCopiesNothing) {
    for (const auto& [listCtl, name] : {std::pair{ctl::siteChoice, "ambientTemp"},
                                        {ctl::packagingMaterialChoice, "packagingSpecificHeat"},
                                        {ctl::packagingRatioChoice, "packagingRatio"}}) {
        set({{name, "0.45"}});
        dlg.chooseItem(listCtl, -1);
        EXPECT_EQ(shown({name}), "0.45") << name;
    }
}

TEST(ProductTable, EveryItemIsDistinct) {
    const auto items = productItems();
    EXPECT_EQ(std::set<std::string_view>(items.begin(), items.end()).size(), items.size());
}

// Enthalpies count from -20 °C. Pork: W 65, fp -1.7, cU 2.26, cF 1.34, so its
// latent heat is 217.36 kJ/kg and 91.5 % of its water is frozen at -20 °C.
TEST_F(ReferenceTables, ChoosingAProductDerivesFrozenFractionAndEnthalpies) {
    for (const auto& [item, intakeTemp, finalTemp, derived] : {
             std::tuple{"猪肉", "35", "-1.7", "0 306.348 223.406"}, // unfrozen at fp
             {"猪肉", "35", "-20", "91.5 306.348 0"},               // reference state, final side
             {"土豆", "-20", "5", "0 0 292.833"},                   // reference state, intake side
             {"糖", "10", "-50", "0 18.5956 -31.8044"},             // fp -99: 0.84 · 60 apart
             {"冰块", "5", "0", "0 397.1 41.8"},
             {"冰块", "5", "-18", "100 397.1 4.18"},
         }) {
        set({{"intakeTemp", intakeTemp}, {"finalTemp", finalTemp}});
        choose(ctl::productChoice, item);
        EXPECT_EQ(shown({"frozenFractionPercent", "intakeEnthalpy", "finalEnthalpy"}), derived)
            << item << ' ' << finalTemp;
    }
    EXPECT_TRUE(presenter.messages.empty());
    type("waterContentPercent", "50"); // the ice rules follow the item, not the properties
    EXPECT_EQ(shown({"frozenFractionPercent", "intakeEnthalpy", "finalEnthalpy"}),
              "100 397.1 4.18");
}

// An incomplete row shows its values, -99 included, and keeps the derived
// fields; no row (杏子, or the list typed over) changes nothing.
TEST_F(ReferenceTables, IncompleteOrMissingProductRowsAskForAnotherChoice) {
    for (const auto& [item, properties] : {std::pair{"冻家禽", "60 -99 2.85 -99"},
                                           {"巧克力", "1.5 -99 3.18 3.14"},
                                           {"杏子", "65 -1.7 2.26 1.34"},
                                           {"", "65 -1.7 2.26 1.34"}}) {
        choose(ctl::productChoice, "猪肉");
        set({{"frozenFractionPercent", "11"}, {"intakeEnthalpy", "22"}, {"finalEnthalpy", "33"}});
        dlg.readSheet();
        const DesignSheet before = dlg.sheet();
        presenter.messages.clear();
        choose(ctl::productChoice, item);
        EXPECT_EQ(presenter.messages, (std::vector<Message>{{"结果", "数据不全，请重选"}}));
        EXPECT_EQ(shown({"waterContentPercent", "freezingPoint", "specificHeatUnfrozen",
                         "specificHeatFrozen", "frozenFractionPercent", "intakeEnthalpy",
                         "finalEnthalpy"}),
                  std::string(properties) + " 11 22 33")
            << item;
        if (*item == '\0' || std::string_view(item) == "杏子") {
            EXPECT_EQ(dlg.sheet(), before) << item;
        }
    }
}

// An edited water content is kept and derived from (latent heat 234.08).
// The frozen-fraction edit takes fixed branches whatever the temperatures:
// below freezing for the final side, above for the intake side, and neither
// the -20 °C nor the ice rule.
TEST_F(ReferenceTables, EditedPropertiesAreDerivedFrom) {
    set({{"intakeTemp", "35"}, {"finalTemp", "-18"}});
    choose(ctl::productChoice, "猪肉");
    type("waterContentPercent", "70");
    // 36.7 · 2.26 + 18.3 · 1.34 + 0.915 · 234.08 and (0.915 - (1 - 1.7 / 18)) · 234.08 + 2 · 1.34
    EXPECT_EQ(shown({"intakeEnthalpy", "finalEnthalpy"}), "321.647 4.89076");
    type("waterContentPercent", "65");
    set({{"intakeTemp", "-5"}, {"finalTemp", "5"}});
    type("frozenFractionPercent", "50");
    // -3.3 · 2.26 + 18.3 · 1.34 + 0.915 · 217.36 and (0.915 - 1.34) · 217.36 + 25 · 1.34
    EXPECT_EQ(shown({"frozenFractionPercent", "intakeEnthalpy", "finalEnthalpy"}),
              "50 215.948 -58.878");
    set({{"intakeTemp", "-20"}});
    type("frozenFractionPercent", "60");
    EXPECT_EQ(shown({"intakeEnthalpy"}), "182.048"); // -18.3 · 2.26 + 18.3 · 1.34 + 0.915 · 217.36
    choose(ctl::productChoice, "冰块");
    set({{"intakeTemp", "5"}, {"finalTemp", "-18"}});
    type("frozenFractionPercent", "70");
    EXPECT_EQ(shown({"intakeEnthalpy"}), "338.67"); // 9 · 4.19 + 16 · 2.09 + 0.8 · 334.4
}

// Dividing by a temperature of 0 gives infinities that read back as such.
TEST_F(ReferenceTables, ZeroTemperatureInTheFractionGivesInfinitiesNotAFailure) {
    set({{"intakeTemp", "35"}, {"finalTemp", "0"}});
    choose(ctl::productChoice, "猪肉");
    type("freezingPoint", "1"); // Tf = 0 now lies below the freezing point
    EXPECT_EQ(shown({"frozenFractionPercent", "finalEnthalpy"}), "-inf inf");
    type("freezingPoint", "-1.7");
    type("frozenFractionPercent", "0");
    EXPECT_EQ(shown({"finalEnthalpy"}), "-inf");
    type("specificHeatFrozen", "1.34");
    EXPECT_EQ(shown({"frozenFractionPercent", "finalEnthalpy"}), "0 227.248");
    EXPECT_TRUE(presenter.messages.empty());
}

// Every produce but "无" asks for 2 air changes, whatever was chosen before.
TEST_F(ReferenceTables, RespirationHeatsAreInterpolatedAndTheIntensityCut) {
    for (const auto& [item, intakeTemp, finalTemp, heats] : {
             std::tuple{"杏子", "25", "0", "243 17 5.71 2"}, // 25 °C: 2 · 199 - 155
             {"香蕉（青）", "10", "1", "98 52 2.09 2"},      // 0 and 2 °C from 5 °C
             {"香蕉（青）", "12", "-1", "111 52 1.64 2"},    // below 0 the 0 °C heat
             {"菜花", "3.5", "1", "53 40 5.3 2"},            // 63 at 0 °C, 17 at 2 °C
             {"橙", "12.5", "1", "46 12 3.33 2"},            // 45.5 and 11.5 round up
             {"无", "30", "5", "0 0 0 0"},
             {"选表中最强", "30", "5", "1645 199 3.3 2"}, // beyond 25 °C the last slope goes on
         }) {
        set({{"intakeTemp", intakeTemp}, {"finalTemp", finalTemp}});
        dlg.userChooses(ctl::produceAirChangeChoice, 2);
        choose(ctl::respirationProduceChoice, item);
        EXPECT_EQ(shown({"intakeRespirationHeat", "finalRespirationHeat", "respirationPer10C",
                         "produceAirChangesPerDay"}),
                  heats)
            << item;
    }
}

// Equal temperatures give an infinite intensity; typed over, the produce list
// finds no row and counts as a row of zeros (0 over 0), yet 2 air changes.
// Both texts read back without a prompt. Typed over, the air-change list
// leaves the count as it was.
TEST_F(ReferenceTables, RespirationAndAirChangesWithoutAnItem) {
    set({{"intakeTemp", "5"}, {"finalTemp", "5"}});
    choose(ctl::respirationProduceChoice, "菠菜");
    EXPECT_EQ(shown({"intakeRespirationHeat", "respirationPer10C"}), "199 inf");
    type("intakeTemp", "15");
    EXPECT_EQ(shown({"respirationPer10C"}), "2.62");
    dlg.userChooses(ctl::produceAirChangeChoice, 2); // "3"
    dlg.userClearsList(ctl::respirationProduceChoice, "菠");
    type("intakeTemp", "20");
    EXPECT_EQ(shown({"intakeRespirationHeat", "finalRespirationHeat", "respirationPer10C",
                     "produceAirChangesPerDay"}),
              "0 0 nan 2");
    EXPECT_EQ(dlg.currentText(ctl::produceAirChangeChoice), "2");
    EXPECT_TRUE(presenter.messages.empty());
    dlg.userClearsList(ctl::produceAirChangeChoice, "5");
    OnAirChangeCountChange(dlg);
    EXPECT_EQ(shown({"produceAirChangesPerDay"}), "2");
}

} // namespace
} // namespace gelvant
