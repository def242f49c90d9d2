#pragma once

#include "library/library_file.h"

#include <QString>
#include <optional>
#include <system_error>

namespace gelvant {

// The designer's personal library on this computer: what every new design
// starts with. It lives in $XDG_DATA_HOME/gelvant/library.json, in the
// library file format, and is written atomically, like a design.
QString personalLibraryPath();

struct PersonalLibrary {
    Library library;
    // Why the file could not be read; it is then left as it is, never
    // written over (the designer may still mend it).
    std::optional<LibraryFileError> error;
};

// An absent file is an empty library.
PersonalLibrary readPersonalLibrary(const QString& path);
std::error_code writePersonalLibrary(const QString& path, const Library& library);

} // namespace gelvant
