#pragma once

// The library's entries as JSON values, for the files that carry them: the
// library file itself and the design file. Only code that parses with
// nlohmann::json includes this.

#include "library/library_file.h"

#include <nlohmann/json_fwd.hpp>

#include <string_view>
#include <variant>

namespace gelvant {

// The entries of the object's members "site", "product", "insulation" and
// "goods" (each may be absent); other members are not looked at. `where`
// starts the place an error names ("library" gives "library.site[2]").
std::variant<Library, LibraryFileError> libraryFromJson(const nlohmann::json& object,
                                                        std::string_view where);

} // namespace gelvant
