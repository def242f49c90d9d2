#include "app/personal_library.h"

#include "document/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace gelvant {

QString personalLibraryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/gelvant/library.json");
}

PersonalLibrary readPersonalLibrary(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return {};
    }
    LibraryReadResult read = readLibraryFile(QFile::encodeName(path).toStdString());
    if (read.error) {
        return {Library{}, std::move(read.error)};
    }
    return {std::move(*read.library), std::nullopt};
}

std::error_code writePersonalLibrary(const QString& path, const Library& library) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return std::make_error_code(std::errc::permission_denied);
    }
    return writeFileAtomically(QFile::encodeName(path).toStdString(), libraryFileText(library));
}

} // namespace gelvant
