#pragma once

#include <QString>
#include <string_view>

namespace gelvant {

// The core's texts are UTF-8; the window shows them as they are.
inline QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace gelvant
