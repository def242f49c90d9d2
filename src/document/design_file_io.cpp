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
    // Read in pieces, at most one piece past the limit: a larger file (or an
    // endless device) is refused without being read whole.
    std::string bytes;
    char piece[65536];
    while (bytes.size() <= kMaxDesignFileBytes &&
           in.read(piece, static_cast<std::streamsize>(sizeof piece)).gcount() > 0) {
        bytes.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return refusal(DesignFileProblem::Unreadable, std::strerror(errno != 0 ? errno : EIO));
    }
    return readDesignText(bytes);
}

std::error_code saveDesignFile(const std::filesystem::path& path, const Project& project,
                               std::string_view recoveredFrom, const FileSystemCalls& calls) {
    return writeFileAtomically(path, designFileText(project, recoveredFrom), calls);
}

} // namespace gelvant
