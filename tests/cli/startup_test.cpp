#include "cli_runner.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace gelvant::testing_cli {

// The program opens on reference row 27, a fruit store of 49.8 x 6.8 x 4 m
// inside: boxed fresh fruit at 300 kg/m3 fills half of it, one worker per
// 250 m3, 1.8 door air changes halved by the curtain; the evaporator lists
// as the last calculation left them for a 0 °C room.
TEST(OpenedForm, ShowsTheFruitStoreOfRow27AppliedAndComputed) {
    const CliRun run = runCli("dump\nitems referenceList\n", "");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.jsonLines();
    ASSERT_EQ(lines.size(), 2U);
    const auto& dump = lines[0];
    // clang-format off
    const std::map<std::string, std::string> fields{
        {"storeLength", "50"}, {"storeWidth", "7"}, {"storeHeight", "4.2"}, {"roomTemp", "0"},
        {"insulationThicknessMm", "100"}, {"intakeTemp", "25"}, {"finalTemp", "0"},
        {"coolingHours", "24"}, {"dailyIntakePercent", "8"}, {"airCoolerPowerKw", "1.5"},
        {"airCoolerCount", "2"}, {"innerVolume", "1355"}, {"volumeCoefficient", "0.5"},
        {"goodsDensity", "300"}, {"storageTonnage", "203.2"}, {"dailyIntakeTons", "16.2"},
        {"workerCount", "5"}, {"doorAirChangesPerDay", "0.9"}, {"floorArea", "350"},
        {"heatPerPerson", "280"}, {"produceAirChangesPerDay", "2"}, {"roomHumidity", "90"},
        {"doorWidth", "900"}, {"lightingHours", "2"}};
    const std::map<std::string, std::string> lists{
        {"referenceList", "水果、蔬菜冷藏间（ 100- 300t）：    冷间温度   0、   "
                          "2℃，冷却设备负荷    230w/t，（机械负荷   210w/t）"},
        {"siteChoice", "上海"}, {"goodsKindChoice", "箱装新鲜水果"}, {"productChoice", "西红柿"},
        {"respirationProduceChoice", "西红柿"}, {"packagingRatioChoice", "鲜水果"},
        {"packagingMaterialChoice", "瓦愣纸"}, {"doorChoice", "有空气幕"},
        {"floorChoice", "地面为通风架空层"}, {"coilDiameterChoice", "φ38"}};
    // clang-format on
    for (const auto& [name, text] : fields) {
        EXPECT_EQ(dump["fields"][name], text) << name;
    }
    for (const auto& [name, text] : lists) {
        EXPECT_EQ(dump["lists"][name]["text"], text) << name;
    }
    EXPECT_EQ(dump["lists"]["referenceList"]["index"], 27);
    EXPECT_EQ(dump["lists"]["coilRoomTempChoice"]["index"], 0);
    EXPECT_EQ(dump["lists"]["airCoolerEvapChoice"]["index"], 3);
    const std::string note = dump["texts"]["referenceNote"];
    EXPECT_TRUE(note.starts_with("1、贮藏鲜蛋、果蔬装配式冷库室外计算温度31℃")) << note;
    EXPECT_TRUE(dump["visible"]["applyReferenceButton"]);
    EXPECT_EQ(lines[1].size(), 172U);

    // The welcome box comes first: an introduction, a run of blanks, then
    // the usage instructions (1274 bytes) to their last word.
    ASSERT_FALSE(dump["messages"].empty());
    EXPECT_EQ(dump["messages"][0]["caption"], "欢迎使用");
    const std::string welcome = dump["messages"][0]["text"];
    const auto usage = welcome.find(
        "  使用说明：进入界面后从下方各类冷间热负荷经验数据中选择你要设计的冷库类型，");
    ASSERT_NE(usage, std::string::npos);
    EXPECT_GT(usage, 20U);
    EXPECT_EQ(welcome.size() - usage - 2, 1274U);
    EXPECT_NE(welcome.find("所以负数先输正数，在移到前面输负号，或者剪贴进去也行"),
              std::string::npos);
    EXPECT_TRUE(welcome.ends_with("呼吸热和果蔬开门换气是针对鲜果蔬而言其它库不需要的不用加。"));
}

} // namespace gelvant::testing_cli
