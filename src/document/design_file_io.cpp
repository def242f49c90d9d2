#include "document/design_file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace gelvant {
namespace {

DesignReadResult refusal(DesignFileProblem problem, std::string detail = {}) {
    return {std::nullopt, DesignFileError{problem, std::move(detail)}};
}

} // namespace

DesignReadResult openDesignFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return refusal(DesignFileProblem::IsDirectory);
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return refusal(DesignFileProblem::Unreadable, std::strerror(errno != 0 ? errno : ENOENT));
    }
    // Read at most one byte past the limit: a larger file (or an endless
    // device) is refused without being read whole.
    std::string bytes(kMaxDesignFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return refusal(DesignFileProblem::Unreadable, std::strerror(errno != 0 ? errno : EIO));
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return readDesignText(bytes);
}

std::error_code saveDesignFile(const std::filesystem::path& path, const Project& project,
                               std::string_view recoveredFrom, const FileSystemCalls& calls) {
    return writeFileAtomically(path, designFileText(project, recoveredFrom), calls);
}

} // namespace gelvant
