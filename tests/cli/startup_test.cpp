#include "cli_runner.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace gelvant::testing_cli {
namespace {

constexpr const char* kOpenedForm = "";
constexpr const char* kRow27 = "水果、蔬菜冷藏间（ 100- 300t）：    冷间温度   0、   "
                               "2℃，冷却设备负荷    230w/t，（机械负荷   210w/t）";

TEST(OpenedForm, ShowsTheFruitStoreOfRow27AppliedAndComputed) {
    const CliRun run = runCli("dump\nitems referenceList\n", kOpenedForm);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 2U);
    const auto& dump = lines[0];

    ASSERT_FALSE(dump["messages"].empty());
    EXPECT_EQ(dump["messages"][0]["caption"], "欢迎使用");
    const std::string welcome = dump["messages"][0]["text"];
    EXPECT_NE(welcome.find("  使用说明：进入界面后"), std::string::npos);

    EXPECT_EQ(dump["lists"]["referenceList"]["index"], 27);
    EXPECT_EQ(dump["lists"]["referenceList"]["text"], kRow27);
    const std::string note = dump["texts"]["referenceNote"];
    EXPECT_EQ(note.rfind("1、贮藏鲜蛋、果蔬装配式冷库室外计算温度31℃", 0), 0U);
    EXPECT_TRUE(dump["visible"]["applyReferenceButton"]);
    EXPECT_EQ(lines[1].size(), 172U);

    const std::map<std::string, std::string> fields{{"storeLength", "50"},
                                                    {"storeWidth", "7"},
                                                    {"storeHeight", "4.2"},
                                                    {"innerVolume", "1355"},
                                                    {"insulationThicknessMm", "100"},
                                                    {"roomTemp", "0"},
                                                    {"intakeTemp", "25"},
                                                    {"finalTemp", "0"},
                                                    {"coolingHours", "24"},
                                                    {"dailyIntakePercent", "8"},
                                                    {"airCoolerPowerKw", "1.5"},
                                                    {"airCoolerCount", "2"},
                                                    {"roomHumidity", "90"}};
    for (const auto& [name, text] : fields) {
        EXPECT_EQ(dump["fields"][name], text) << name;
    }
    // The evaporator lists as the last calculation left them for a 0 °C room.
    EXPECT_EQ(dump["lists"]["coilRoomTempChoice"]["index"], 0);
    EXPECT_EQ(dump["lists"]["airCoolerEvapChoice"]["index"], 3);
    EXPECT_EQ(dump["lists"]["coilDiameterChoice"]["text"], "φ38");
    EXPECT_EQ(dump["lists"]["floorChoice"]["text"], "地面为通风架空层");
    EXPECT_EQ(dump["lists"]["doorChoice"]["text"], "有空气幕");
}

TEST(OpenedForm, CarriesTheFiguresOfTheGoodsAndGeometryRules) {
    const auto dump = runCli("dump\n", kOpenedForm).lastDump();
    const std::map<std::string, std::string> fields{
        {"innerVolume", "1355"},         {"volumeCoefficient", "0.5"}, {"goodsDensity", "300"},
        {"storageTonnage", "203.2"},     {"dailyIntakeTons", "16.2"},  {"workerCount", "5"},
        {"doorAirChangesPerDay", "0.9"}, {"floorArea", "350"},         {"heatPerPerson", "280"}};
    for (const auto& [name, text] : fields) {
        EXPECT_EQ(dump["fields"][name], text) << name;
    }
    EXPECT_EQ(dump["lists"]["siteChoice"]["text"], "上海");
    EXPECT_EQ(dump["lists"]["goodsKindChoice"]["text"], "箱装新鲜水果");
    EXPECT_EQ(dump["lists"]["productChoice"]["text"], "西红柿");
}

TEST(OpenedForm, WithoutStartUpTheFormIsAsConstructed) {
    const CliRun run = runCli("dump\nitems referenceList\nitems referenceListCompact\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_TRUE(lines[0]["messages"].empty());
    EXPECT_EQ(lines[0]["fields"]["storeLength"], "0");
    EXPECT_EQ(lines[0]["lists"]["referenceList"]["index"], -1);
    EXPECT_EQ(lines[0]["texts"]["referenceNote"], "说明：");
    EXPECT_EQ(lines[1].size(), 77U);
    EXPECT_EQ(lines[2].size(), 97U);
}

} // namespace
} // namespace gelvant::testing_cli
