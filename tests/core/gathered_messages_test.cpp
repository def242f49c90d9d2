// The one box of 全部重新计算: every message under its room's name, in the
// order raised, rooms that said nothing left out.

#include "document/gathered_messages.h"

#include <gtest/gtest.h>

namespace gelvant {
namespace {

struct GatheredCase {
    const char* name;
    std::vector<RoomMessages> rooms;
    std::string text;
};

class Gathered : public testing::TestWithParam<GatheredCase> {};

TEST_P(Gathered, ReadsRoomByRoom) {
    EXPECT_EQ(gatheredMessagesText(GetParam().rooms), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Gathered,
    testing::Values(
        GatheredCase{"NothingSaid", {}, ""},
        GatheredCase{"ARoomWithoutMessagesIsLeftOut", {{"库房1", {}}}, ""},
        GatheredCase{"OneRoomInTheOrderRaised",
                     {{"冻结间", {{"注意", "冷风机有功率但台数为0"}, {"警告", "请重选"}}}},
                     "冻结间\n    注意：冷风机有功率但台数为0\n    警告：请重选\n"},
        GatheredCase{"RoomsApartByABlankLine",
                     {{"库房1", {{"结果", "甲"}}}, {"库房2", {}}, {"库房2 副本", {{"注意", "乙"}}}},
                     "库房1\n    结果：甲\n\n库房2 副本\n    注意：乙\n"},
        GatheredCase{"ALongTextKeepsItsIndent",
                     {{"库房1", {{"注意", "第一行\n第二行"}}}},
                     "库房1\n    注意：第一行\n    第二行\n"}),
    [](const testing::TestParamInfo<GatheredCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace gelvant
