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

std::string describeSaveFailureInChinese(std::error_code error) {
    const std::error_condition why = error.default_error_condition();
    if (why == std::errc::permission_denied || why == std::errc::operation_not_permitted) {
        return "没有写入权限：文件或所在文件夹是只读的。";
    }
    if (why == std::errc::read_only_file_system) {
        return "磁盘或分区是只读的。";
    }
    if (why == std::errc::no_space_on_device ||
        (why.category() == std::generic_category() && why.value() == EDQUOT)) {
        return "磁盘空间不足。";
    }
    if (why == std::errc::filename_too_long) {
        return "文件名或路径太长。";
    }
    if (why == std::errc::no_such_file_or_directory || why == std::errc::not_a_directory) {
        return "所在文件夹不存在。";
    }
    if (why == std::errc::is_a_directory) {
        return "这是一个文件夹，不能保存为文件。";
    }
    return "系统错误：" + error.message();
}

} // namespace gelvant
