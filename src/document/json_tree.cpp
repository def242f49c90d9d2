#include "document/json_tree.h"

#include "form/portable.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <utility>

namespace gelvant {

// A value in 16 bytes: its name when it is a member, its kind, and its
// content. A string is a span of the text buffer, an array or object a span
// of the children, both as (start << 32 | length); a number is kept in bits,
// a double's bits for a Float. Half the size is half the fresh memory an
// open touches, which in the page is much of the time the tree takes.
struct JsonNode {
    std::uint64_t bits = 0;
    std::uint32_t nameAt = 0;
    std::uint32_t nameLengthAndKind = 0; // the name's length above the low byte

    static JsonNode of(JsonValue::Kind kind, std::uint64_t bits) {
        return JsonNode{bits, 0, static_cast<std::uint32_t>(kind)};
    }
    static std::uint64_t span(std::uint32_t start, std::uint32_t length) {
        return std::uint64_t{start} << 32U | length;
    }
    JsonValue::Kind kind() const { return static_cast<JsonValue::Kind>(nameLengthAndKind & 0xFFU); }
    std::uint32_t nameLength() const { return nameLengthAndKind >> 8U; }
    std::uint32_t start() const { return static_cast<std::uint32_t>(bits >> 32U); }
    std::uint32_t length() const { return static_cast<std::uint32_t>(bits); }
    void name(std::uint32_t at, std::uint32_t length) {
        nameAt = at;
        nameLengthAndKind = length << 8U | (nameLengthAndKind & 0xFFU);
    }
};

namespace {

// Names and strings are at most this long, the tree's texts no longer.
constexpr std::size_t kMaxJsonTreeText = std::size_t{1} << 24U;

// An object of fewer members keeps them as written and is searched from its
// end; a larger one (a room's boxes, its lists) is sorted for halving.
constexpr std::uint32_t kSortedFrom = 9;

// The order of a large object's members: by the length of the name, then by
// its bytes, so that a lookup mostly compares lengths.
bool namedBefore(std::string_view a, std::string_view b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

} // namespace

struct JsonTreeData {
    std::vector<JsonNode> nodes;         // the root first
    std::vector<std::uint32_t> children; // each container's, one span each
    std::string text;                    // every string and name

    std::string_view span(std::uint32_t at, std::uint32_t length) const {
        return {text.data() + at, length};
    }
    std::string_view nameOf(std::uint32_t node) const {
        return span(nodes[node].nameAt, nodes[node].nameLength());
    }
};

namespace {

using Json = nlohmann::json;
using Kind = JsonValue::Kind;

// nlohmann's parser events, turned into nodes. The children of the
// containers still open wait in one list per depth; a container that closes
// moves its own into the children array, a large object's sorted by name.
class TreeBuilder {
public:
    explicit TreeBuilder(JsonTreeData& data) : data_(data) {}

    bool null() { return add(JsonNode{}); }
    bool boolean(bool value) { return add(JsonNode::of(Kind::Boolean, value ? 1U : 0U)); }
    bool number_integer(Json::number_integer_t value) {
        return add(JsonNode::of(Kind::Integer, static_cast<std::uint64_t>(value)));
    }
    bool number_unsigned(Json::number_unsigned_t value) {
        return add(JsonNode::of(Kind::Unsigned, value));
    }
    bool number_float(Json::number_float_t value, const Json::string_t& /*text*/) {
        return add(JsonNode::of(Kind::Float, bitCast<std::uint64_t>(value)));
    }
    bool string(Json::string_t& value) {
        const auto [at, length] = keep(value);
        return add(JsonNode::of(Kind::String, JsonNode::span(at, length)));
    }
    static bool binary(Json::binary_t& /*value*/) { return false; } // JSON text holds none
    bool start_object(std::size_t /*elements*/) { return open(Kind::Object); }
    bool key(Json::string_t& name) {
        pendingName_ = keep(name);
        return true;
    }
    bool end_object() { return close(); }
    bool start_array(std::size_t /*elements*/) { return open(Kind::Array); }
    bool end_array() { return close(); }
    bool parse_error(std::size_t /*position*/, const std::string& /*token*/,
                     const Json::exception& error) {
        const auto* syntax = dynamic_cast<const Json::parse_error*>(&error);
        error_ =
            JsonTreeError{error.what(), syntax != nullptr ? std::optional<std::size_t>(syntax->byte)
                                                          : std::nullopt};
        return false;
    }

    std::optional<JsonTreeError> error() const { return error_; }

private:
    std::pair<std::uint32_t, std::uint32_t> keep(const std::string& value) {
        const auto at = static_cast<std::uint32_t>(data_.text.size());
        data_.text += value;
        return {at, static_cast<std::uint32_t>(value.size())};
    }

    bool add(JsonNode node) {
        const auto [at, length] = std::exchange(pendingName_, {});
        node.name(at, length);
        const auto index = static_cast<std::uint32_t>(data_.nodes.size());
        data_.nodes.push_back(node);
        if (depth_ > 0) {
            waiting_[depth_ - 1].push_back(index);
        }
        return true;
    }

    bool open(Kind kind) {
        add(JsonNode::of(kind, 0));
        open_.push_back(static_cast<std::uint32_t>(data_.nodes.size() - 1));
        if (waiting_.size() <= depth_) {
            waiting_.emplace_back();
        }
        waiting_[depth_++].clear();
        return true;
    }

    bool close() {
        std::vector<std::uint32_t>& own = waiting_[--depth_];
        JsonNode& container = data_.nodes[open_.back()];
        open_.pop_back();
        if (container.kind() == Kind::Object && own.size() >= kSortedFrom) {
            // Of a name given twice, the later member last: nodes are numbered
            // in the order they were written.
            std::sort(own.begin(), own.end(), [this](std::uint32_t a, std::uint32_t b) {
                const std::string_view nameA = data_.nameOf(a);
                const std::string_view nameB = data_.nameOf(b);
                return nameA != nameB ? namedBefore(nameA, nameB) : a < b;
            });
        }
        container.bits = JsonNode::span(static_cast<std::uint32_t>(data_.children.size()),
                                        static_cast<std::uint32_t>(own.size()));
        data_.children.insert(data_.children.end(), own.begin(), own.end());
        return true;
    }

    JsonTreeData& data_;
    std::vector<std::uint32_t> open_;
    std::vector<std::vector<std::uint32_t>> waiting_;
    std::size_t depth_ = 0;
    std::pair<std::uint32_t, std::uint32_t> pendingName_{};
    std::optional<JsonTreeError> error_;
};

} // namespace

JsonTree::JsonTree(std::unique_ptr<JsonTreeData> data) : data_(std::move(data)) {}

std::variant<JsonTree, JsonTreeError> JsonTree::read(std::string_view text) {
    if (text.size() > kMaxJsonTreeText) {
        return JsonTreeError{"the text is longer than 16 MiB", std::nullopt};
    }
    auto data = std::make_unique<JsonTreeData>();
    // A design's values take some 32 bytes of its text each; reserved for
    // them, the arrays seldom grow and never copy a large tree.
    data->text.reserve(text.size());
    data->nodes.reserve(text.size() / 24 + 16);
    data->children.reserve(text.size() / 24 + 16);
    TreeBuilder builder(*data);
    if (!Json::sax_parse(text, &builder)) {
        return builder.error().value_or(JsonTreeError{"not JSON", std::nullopt});
    }
    return JsonTree(std::move(data));
}

JsonValue::Kind JsonValue::kind() const {
    return data_->nodes[node_].kind();
}

bool JsonValue::isNumber() const {
    return isWholeNumber() || kind() == Kind::Float;
}

bool JsonValue::isWholeNumber() const {
    return kind() == Kind::Integer || kind() == Kind::Unsigned;
}

bool JsonValue::boolean() const {
    return data_->nodes[node_].bits != 0;
}

double JsonValue::number() const {
    const std::uint64_t bits = data_->nodes[node_].bits;
    switch (kind()) {
    case Kind::Float:
        return bitCast<double>(bits);
    case Kind::Integer:
        return static_cast<double>(static_cast<std::int64_t>(bits));
    case Kind::Unsigned:
        return static_cast<double>(bits);
    default:
        return 0;
    }
}

std::int64_t JsonValue::integer() const {
    return isWholeNumber() ? static_cast<std::int64_t>(data_->nodes[node_].bits) : 0;
}

std::uint64_t JsonValue::unsignedInteger() const {
    return isWholeNumber() ? data_->nodes[node_].bits : 0;
}

std::string_view JsonValue::text() const {
    const JsonNode& node = data_->nodes[node_];
    return kind() == Kind::String ? data_->span(node.start(), node.length()) : std::string_view();
}

std::size_t JsonValue::size() const {
    const Kind k = kind();
    return k == Kind::Array || k == Kind::Object ? data_->nodes[node_].length() : 0;
}

JsonValue JsonValue::at(std::size_t index) const {
    return {data_, data_->children[data_->nodes[node_].start() + index]};
}

std::optional<JsonValue> JsonValue::find(std::string_view name) const {
    if (kind() != Kind::Object) {
        return std::nullopt;
    }
    const JsonNode& node = data_->nodes[node_];
    const auto begin = data_->children.begin() + node.start();
    const auto end = begin + node.length();
    auto after = end;
    if (node.length() < kSortedFrom) {
        while (after != begin && data_->nameOf(*(after - 1)) != name) {
            --after;
        }
    } else {
        after = std::upper_bound(begin, end, name, [this](std::string_view n, auto child) {
            return namedBefore(n, data_->nameOf(child));
        });
    }
    if (after == begin || data_->nameOf(*(after - 1)) != name) {
        return std::nullopt;
    }
    return JsonValue(data_, *(after - 1));
}

// Without recursion: however deep a value nests, it converts as any other.
Json JsonValue::toJson() const {
    Json root;
    std::vector<std::pair<JsonValue, Json*>> todo{{*this, &root}};
    while (!todo.empty()) {
        const auto [from, to] = todo.back();
        todo.pop_back();
        switch (from.kind()) {
        case Kind::Null:
            break;
        case Kind::Boolean:
            *to = from.boolean();
            break;
        case Kind::Integer:
            *to = from.integer();
            break;
        case Kind::Unsigned:
            *to = from.unsignedInteger();
            break;
        case Kind::Float:
            *to = from.number();
            break;
        case Kind::String:
            *to = std::string(from.text());
            break;
        case Kind::Array:
            *to = Json::array();
            to->get_ref<Json::array_t&>().resize(from.size());
            for (std::size_t i = 0; i < from.size(); ++i) {
                todo.emplace_back(from.at(i), &(*to)[i]);
            }
            break;
        case Kind::Object:
            *to = Json::object();
            for (std::size_t i = 0; i < from.size(); ++i) {
                const JsonValue member = from.at(i);
                const std::string_view name = from.data_->nameOf(member.node_);
                if (from.find(name)->node_ == member.node_) { // the later of a name given twice
                    todo.emplace_back(member, &(*to)[std::string(name)]);
                }
            }
            break;
        }
    }
    return root;
}

} // namespace gelvant
