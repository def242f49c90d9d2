#pragma once

// A JSON text read into a compact, read-only tree. nlohmann's parser checks
// the text and converts its numbers, as it does for nlohmann::json; the tree
// keeps every value in one array and every string in one buffer, and sorts
// each large object's members by name, so that a member is found by halving. A
// design of 200 rooms holds some 80,000 values: read into nlohmann::json,
// each value and each member is an allocation of its own, made and freed
// again, and that was most of the time a design took to open.

#include <nlohmann/json_fwd.hpp>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace gelvant {

struct JsonTreeData;

// One value of a tree, valid while its tree lives.
class JsonValue {
public:
    // A whole number without a sign is Unsigned, with a minus Integer, as
    // nlohmann's parser tells them apart.
    enum class Kind : std::uint8_t {
        Null,
        Boolean,
        Integer,
        Unsigned,
        Float,
        String,
        Array,
        Object
    };

    Kind kind() const;
    bool isNumber() const;
    bool isWholeNumber() const; // Integer or Unsigned
    bool boolean() const;
    double number() const; // any number, as a double; 0 for any other value
    // A whole number as nlohmann's get<std::int64_t> and get<std::uint64_t>
    // give it; 0 for any other value.
    std::int64_t integer() const;
    std::uint64_t unsignedInteger() const;
    std::string_view text() const;

    // An array's elements in order, or an object's members in no order to
    // rely on.
    std::size_t size() const;
    JsonValue at(std::size_t index) const;
    // The member of that name; of a name given twice, the later one, as
    // nlohmann::json keeps it.
    std::optional<JsonValue> find(std::string_view name) const;

    // The value as nlohmann::json, for the parts of a file read with it.
    nlohmann::json toJson() const;

private:
    friend class JsonTree;
    JsonValue(const JsonTreeData* data, std::uint32_t node) : data_(data), node_(node) {}
    const JsonTreeData* data_;
    std::uint32_t node_;
};

// Where and why a text is not JSON: nlohmann's message, and the byte at which
// it broke when it is a syntax error.
struct JsonTreeError {
    std::string what;
    std::optional<std::size_t> byte;
};

class JsonTree {
public:
    // A text of at most 16 MiB.
    static std::variant<JsonTree, JsonTreeError> read(std::string_view text);
    JsonValue root() const { return {data_.get(), 0}; }

private:
    explicit JsonTree(std::unique_ptr<JsonTreeData> data);
    std::shared_ptr<const JsonTreeData> data_;
};

} // namespace gelvant
