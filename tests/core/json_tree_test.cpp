// The tree a design file is read into: the same values, numbers and refusals
// as nlohmann::json gives for the same text.

#include "document/json_tree.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

namespace gelvant {
namespace {

using Json = nlohmann::json;
using Kind = JsonValue::Kind;

JsonTree treeOf(const std::string& text) {
    auto read = JsonTree::read(text);
    EXPECT_TRUE(std::holds_alternative<JsonTree>(read)) << text;
    return std::get<JsonTree>(std::move(read));
}

TEST(JsonTree, HoldsWhatNlohmannReadsFromTheSameText) {
    const char* const texts[] = {
        "null",
        "[true,false,0,-0,-1,18446744073709551615,-9223372036854775808,1e2,0.1,-2.5e-3]",
        R"({"b":1,"a":{"x":[],"y":{}},"ab":"\u6c34\n","":null})",
        R"({"k":1,"k":2,"kk":[{"k":3},{"k":4,"k":[5]}]})",
        R"({"m1":1,"m22":2,"m3":3,"m4":4,"m5":5,"m6":6,"m7":7,"m8":8,"m1":9,"m0":{"x":[]}})",
        "18446744073709551616",
        R"("\ud83d\ude00")",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(treeOf(text).root().toJson(), Json::parse(text));
    }
}

TEST(JsonTree, FindsMembersAndTellsNumbersApart) {
    const JsonTree tree =
        treeOf(R"({"width":-3,"length":4,"height":4.5,"name":"库","twice":1,"twice":2,"a":true})");
    const JsonValue root = tree.root();
    struct Case {
        const char* name;
        Kind kind;
        double number;
    };
    const Case cases[] = {{"width", Kind::Integer, -3}, {"length", Kind::Unsigned, 4},
                          {"height", Kind::Float, 4.5}, {"name", Kind::String, 0},
                          {"twice", Kind::Unsigned, 2}, {"a", Kind::Boolean, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto value = root.find(c.name);
        ASSERT_TRUE(value);
        EXPECT_EQ(value->kind(), c.kind);
        EXPECT_EQ(value->number(), c.number);
    }
    EXPECT_EQ(root.find("name")->text(), "库");
    EXPECT_EQ(root.find("width")->integer(), -3);
    EXPECT_FALSE(root.find("depth"));
    EXPECT_FALSE(root.find("length")->find("width")); // not an object
}

TEST(JsonTree, RefusesWhatNlohmannRefusesAtTheSameByte) {
    const char* const texts[] = {"", "{", R"({"a" 1})", "[1,]", "\"\xff\"", "1e999", "[1] 2"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const auto read = JsonTree::read(text);
        ASSERT_TRUE(std::holds_alternative<JsonTreeError>(read));
        const JsonTreeError& error = std::get<JsonTreeError>(read);
        try {
            const Json parsed = Json::parse(text);
            ADD_FAILURE() << "nlohmann read " << parsed;
        } catch (const Json::parse_error& e) {
            EXPECT_EQ(error.byte, e.byte);
            EXPECT_EQ(error.what, e.what());
        } catch (const Json::exception& e) {
            EXPECT_FALSE(error.byte);
            EXPECT_EQ(error.what, e.what());
        }
    }
}

TEST(JsonTree, ConvertsDeeplyNestedValuesWithoutRecursion) {
    constexpr std::size_t kDepth = 200'000; // far beyond what a call stack holds
    const JsonTree tree = treeOf(std::string(kDepth, '[') + std::string(kDepth, ']'));
    const Json json = tree.root().toJson();
    EXPECT_TRUE(json.is_array());
    EXPECT_EQ(json.size(), 1U);
}

} // namespace
} // namespace gelvant
