#include "sheet/controls.h"
#include "sheet/design_dlg.h"
#include "tables/product.h"
#include "tables/product_thermal_table.h"
#include "window/design_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

namespace gelvant {
namespace {

std::size_t fieldIndex(std::string_view name) {
    return fieldIndexByName(name).value();
}

class ProductRules : public testing::Test {
protected:
    RecordingPresenter presenter;
    CDesignDlg dlg{designFormLayout(), presenter};
    DesignSheet& s = dlg.sheet();

    void setTemps(float intake, float final) {
        s.intakeTemp = intake;
        s.finalTemp = final;
        dlg.writeSheet();
    }
    // Marks the derived fields so that a rule that leaves them alone shows.
    void markDerived() {
        s.frozenFractionPercent = 11;
        s.intakeEnthalpy = 22;
        s.finalEnthalpy = 33;
        dlg.writeSheet();
    }
    void choose(std::string_view item) {
        const auto items = productItems();
        const auto it = std::find(items.begin(), items.end(), item);
        ASSERT_NE(it, items.end()) << item;
        dlg.userChooses(ctl::productChoice, static_cast<int>(it - items.begin()));
    }
    void edit(std::string_view field, std::string text) {
        dlg.userEdits(fieldIndex(field), std::move(text));
    }
    std::string_view text(std::string_view field) const { return dlg.editText(fieldIndex(field)); }
    static Message incompleteMessage() { return {"结果", "数据不全，请重选"}; }
};

TEST(ProductTable, ListsEveryProductWithOneItemWithoutRow) {
    const auto items = productItems();
    ASSERT_EQ(items.size(), 86U);
    EXPECT_EQ(items[kProductItemWithoutRowIndex], "杏子");
    EXPECT_EQ(items[9], "菠菜");
    EXPECT_EQ(items[82], "冰块");
    EXPECT_EQ(std::set<std::string_view>(items.begin(), items.end()).size(), 86U);

    const auto incomplete = std::count_if(kProductThermalTable.begin(), kProductThermalTable.end(),
                                          [](const ProductThermalRow& r) { return !r.derives; });
    EXPECT_EQ(incomplete, 4); // 冻家禽, 冻兔肉, 菜油, 巧克力

    const ProductThermalRow& stuffed = kProductThermalTable[69]; // list item 70
    EXPECT_EQ(stuffed.item, "菜卷（牛肉馅）");
    EXPECT_EQ(stuffed.specificHeatUnfrozenKJPerKgC, 3.3858F);
    EXPECT_EQ(stuffed.specificHeatFrozenKJPerKgC, 1.7974F);
    EXPECT_EQ(kProductThermalTable[68].freezingPointC, -1.17F); // 草莓
    EXPECT_TRUE(kProductThermalTable[11].derives);              // 糖, freezing point -99
    EXPECT_EQ(kProductThermalTable[11].freezingPointC, -99.0F);
}

struct DerivationCase {
    const char* name;
    const char* item;
    float intakeTemp;
    float finalTemp;
    double frozenPercent;
    double intakeEnthalpy;
    double finalEnthalpy;
};

class ProductDerivation : public ProductRules,
                          public testing::WithParamInterface<DerivationCase> {};

TEST_P(ProductDerivation, ChoosingTheProductDerivesFrozenFractionAndEnthalpies) {
    const DerivationCase& c = GetParam();
    setTemps(c.intakeTemp, c.finalTemp);
    choose(c.item);
    EXPECT_NEAR(s.frozenFractionPercent, c.frozenPercent, 5e-4);
    EXPECT_NEAR(s.intakeEnthalpy, c.intakeEnthalpy, 5e-4);
    EXPECT_NEAR(s.finalEnthalpy, c.finalEnthalpy, 5e-4);
    EXPECT_TRUE(presenter.messages.empty());
}

// Enthalpies from -20 °C; pork: W 65, fp -1.7, cU 2.26, cF 1.34, so the
// latent heat is 217.36 kJ/kg and 91.5 % of the water is frozen at -20 °C.
INSTANTIATE_TEST_SUITE_P(
    Products, ProductDerivation,
    testing::Values(
        DerivationCase{"PorkFrozenTo18Below", "猪肉", 35, -18, 90.5556, 306.348, 4.73284},
        DerivationCase{"FinalAtTheFreezingPointIsUnfrozen", "猪肉", 35, -1.7F, 0, 306.348,
                       223.4064},
        DerivationCase{"ReferenceStateOnTheFinalSide", "猪肉", 35, -20, 91.5, 306.348, 0},
        DerivationCase{"ReferenceStateOnTheIntakeSide", "土豆", -20, 5, 0, 0, 292.832512},
        DerivationCase{"IceFrozen", "冰块", 5, -18, 100, 397.1, 4.18},
        DerivationCase{"IceAtZeroIsNotFrozen", "冰块", 5, 0, 0, 397.1, 41.8},
        DerivationCase{"SugarWithoutFreezingPoint", "糖", 10, -50, 0, -6.6044 + 0.84 * 30,
                       -6.6044 - 0.84 * 30}),
    [](const testing::TestParamInfo<DerivationCase>& info) { return info.param.name; });

struct IncompleteCase {
    const char* name;
    const char* item;
    const char* water;
    const char* freezing;
    const char* unfrozen;
    const char* frozen;
};

class IncompleteProduct : public ProductRules,
                          public testing::WithParamInterface<IncompleteCase> {};

TEST_P(IncompleteProduct, CopiesThePropertiesAndAsksForAnotherChoice) {
    const IncompleteCase& c = GetParam();
    choose("猪肉");
    markDerived();
    presenter.messages.clear();
    const DesignSheet before = s;
    choose(c.item);
    ASSERT_EQ(presenter.messages.size(), 1U);
    EXPECT_EQ(presenter.messages[0], incompleteMessage());
    EXPECT_EQ(text("waterContentPercent"), c.water);
    EXPECT_EQ(text("freezingPoint"), c.freezing);
    EXPECT_EQ(text("specificHeatUnfrozen"), c.unfrozen);
    EXPECT_EQ(text("specificHeatFrozen"), c.frozen);
    EXPECT_EQ(text("frozenFractionPercent"), "11");
    EXPECT_EQ(text("intakeEnthalpy"), "22");
    EXPECT_EQ(text("finalEnthalpy"), "33");
    if (std::string_view(c.item) == "杏子") {
        EXPECT_EQ(s, before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Products, IncompleteProduct,
    testing::Values(IncompleteCase{"FrozenPoultry", "冻家禽", "60", "-99", "2.85", "-99"},
                    IncompleteCase{"Chocolate", "巧克力", "1.5", "-99", "3.18", "3.14"},
                    IncompleteCase{"ApricotHasNoRow", "杏子", "65", "-1.7", "2.26", "1.34"}),
    [](const testing::TestParamInfo<IncompleteCase>& info) { return info.param.name; });

TEST_F(ProductRules, NoChosenProductChangesNothingAndAsksForAChoice) {
    setTemps(35, -18);
    choose("猪肉");
    markDerived();
    presenter.messages.clear();
    const DesignSheet before = s;
    dlg.userClearsList(ctl::productChoice, "猪肉");
    OnProductChange(dlg);
    EXPECT_EQ(s, before);
    ASSERT_EQ(presenter.messages.size(), 1U);
    EXPECT_EQ(presenter.messages[0], incompleteMessage());
}

TEST_F(ProductRules, EditedPropertyIsKeptAndDerivedFrom) {
    setTemps(35, -18);
    choose("猪肉");
    edit("waterContentPercent", "70"); // latent heat 234.08
    EXPECT_EQ(s.waterContentPercent, 70.0F);
    EXPECT_NEAR(s.finalEnthalpy, (0.915 - (1 - 1.7 / 18)) * 234.08 + 2 * 1.34, 5e-4);
    EXPECT_NEAR(s.intakeEnthalpy, 36.7 * 2.26 + 18.3 * 1.34 + 0.915 * 234.08, 5e-4);
}

TEST_F(ProductRules, IceRulesFollowTheChosenItemNotTheProperties) {
    setTemps(5, -18);
    choose("冰块");
    edit("waterContentPercent", "50");
    EXPECT_EQ(s.frozenFractionPercent, 100.0F);
    EXPECT_FLOAT_EQ(s.intakeEnthalpy, 397.1F);
    EXPECT_FLOAT_EQ(s.finalEnthalpy, 4.18F);
}

TEST_F(ProductRules, EditingTheFrozenFractionTakesFixedBranches) {
    setTemps(-5, 5); // final above, intake below the freezing point
    choose("猪肉");
    edit("frozenFractionPercent", "50");
    EXPECT_EQ(s.frozenFractionPercent, 50.0F);
    EXPECT_NEAR(s.finalEnthalpy, (0.915 - 1.34) * 217.36 + 25 * 1.34, 5e-4);
    EXPECT_NEAR(s.intakeEnthalpy, -3.3 * 2.26 + 18.3 * 1.34 + 0.915 * 217.36, 5e-4);

    // Neither the reference-state nor the ice rule applies to this edit.
    setTemps(-20, 5);
    edit("frozenFractionPercent", "60");
    EXPECT_NEAR(s.intakeEnthalpy, -18.3 * 2.26 + 18.3 * 1.34 + 0.915 * 217.36, 5e-4);
    choose("冰块");
    setTemps(5, -18);
    edit("frozenFractionPercent", "70");
    EXPECT_NEAR(s.intakeEnthalpy, 9 * 4.19 + 16 * 2.09 + 0.8 * 334.4, 5e-4);
}

TEST_F(ProductRules, ZeroTemperatureInTheFractionGivesInfinitiesNotAFailure) {
    setTemps(35, 0);
    choose("猪肉");
    edit("freezingPoint", "1"); // now Tf = 0 lies below the freezing point
    EXPECT_EQ(text("frozenFractionPercent"), "-inf");
    EXPECT_EQ(text("finalEnthalpy"), "inf");
    EXPECT_TRUE(std::isfinite(s.intakeEnthalpy));

    edit("freezingPoint", "-1.7");
    edit("frozenFractionPercent", "0");
    EXPECT_EQ(text("finalEnthalpy"), "-inf");
    // The texts read back: a further rule run starts from the same values.
    edit("specificHeatFrozen", "1.34");
    EXPECT_EQ(text("frozenFractionPercent"), "0");
    EXPECT_NEAR(s.finalEnthalpy, 1.7 * 2.26 + 18.3 * 1.34 + 0.915 * 217.36, 5e-4);
}

} // namespace
} // namespace gelvant
