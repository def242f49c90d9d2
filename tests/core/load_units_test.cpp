// Loads shown in other units: the conversions, display rounding only, and
// totals converted from the exact sum of the watts.

#include "report/load_units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace gelvant;

namespace {

struct Conversion {
    double watts;
    LoadUnit unit;
    const char* shown;
};

TEST(LoadUnits, ConvertAndRoundOnlyWhatIsShown) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const Conversion& c : std::vector<Conversion>{
             {38613, LoadUnit::W, "38613"},
             {38613, LoadUnit::KW, "38.6"},
             {38613, LoadUnit::KcalPerH, "33255"}, // the form's 3.6 / 4.18
             {1163, LoadUnit::KcalPerH, "1002"},
             {3516.85, LoadUnit::RT, "1.00"},
             {38613, LoadUnit::RT, "10.98"},
             {1000, LoadUnit::BtuPerH, "3412"},
             {38613, LoadUnit::BtuPerH, "131753"},
             {-260, LoadUnit::KW, "-0.3"},
             {-0.2, LoadUnit::W, "0"},
             {inf, LoadUnit::RT, "—"},
             {std::nan(""), LoadUnit::KW, "—"},
         }) {
        EXPECT_EQ(loadText(c.watts, c.unit), c.shown)
            << c.watts << " W in " << loadUnitDef(c.unit).symbol;
    }
    EXPECT_DOUBLE_EQ(loadInUnit(3516.85 * 2, LoadUnit::RT), 2.0);
    EXPECT_DOUBLE_EQ(loadInUnit(1, LoadUnit::BtuPerH), 3.412142);
}

// Three rooms of 1449 W show 1.4 kW each; the total is 4.3 kW (4347 W),
// not the 4.2 kW of the rounded figures.
TEST(LoadUnits, TotalsComeFromTheExactSum) {
    struct Total {
        std::vector<double> watts;
        LoadUnit unit;
        const char* shown;
    };
    for (const Total& t : std::vector<Total>{
             {{1449, 1449, 1449}, LoadUnit::KW, "4.3"},
             {{0.4, 0.4, 0.4}, LoadUnit::W, "1"},
             {{1758.4, 1758.4, 1758.4}, LoadUnit::RT, "1.50"},
             {{0.4, 0.4}, LoadUnit::BtuPerH, "3"},
             {{}, LoadUnit::KW, "0.0"},
         }) {
        EXPECT_EQ(loadTotalText(t.watts, t.unit), t.shown);
    }
}

TEST(LoadUnits, KeysAndCellTexts) {
    for (const LoadUnitDef& def : kLoadUnits) {
        EXPECT_EQ(loadUnitFromKey(def.key), def.unit);
        EXPECT_EQ(&loadUnitDef(def.unit), &def);
    }
    EXPECT_FALSE(loadUnitFromKey("kcal"));
    EXPECT_EQ(loadCellText("38613", LoadUnit::KW), "38.6");
    EXPECT_EQ(loadCellText("38613", LoadUnit::W), "38613");
    EXPECT_EQ(loadCellText("—", LoadUnit::RT), "—");
}

} // namespace
