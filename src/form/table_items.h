#pragma once

#include "form/portable.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace gelvant {

// A list's items are the text column of its table, in row order.
template <class Row, std::size_t N>
constexpr std::array<std::string_view, N> itemTexts(const std::array<Row, N>& table) {
    std::array<std::string_view, N> texts{};
    for (std::size_t i = 0; i < N; ++i) {
        texts[i] = table[i].item;
    }
    return texts;
}

// The row whose item text equals the chosen item's text exactly; none for an
// empty text (no current item) or a text without a row.
template <class Row, std::size_t N>
constexpr const Row* findRowByItem(const std::array<Row, N>& table, std::string_view text) {
    const auto it = findBy(table, text, &Row::item);
    return it == table.end() ? nullptr : &*it;
}

} // namespace gelvant
