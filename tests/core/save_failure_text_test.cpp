#include "document/design_file_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace gelvant {
namespace {

// Each usual reason a save fails reads as what the designer can do about it;
// any other keeps the system's text, so that nothing is hidden.
TEST(SaveFailureText, NamesTheReasonInTheDesignersWords) {
    struct Case {
        int error;
        const char* words;
    };
    const Case cases[] = {
        {EACCES, "只读"},         {EPERM, "只读"},           {EROFS, "只读"},
        {ENOSPC, "磁盘空间不足"}, {EDQUOT, "磁盘空间不足"},  {ENAMETOOLONG, "太长"},
        {ENOENT, "文件夹不存在"}, {ENOTDIR, "文件夹不存在"}, {EISDIR, "文件夹"},
        {EIO, "系统错误："},
    };
    for (const Case& c : cases) {
        const std::string text = describeSaveFailureInChinese({c.error, std::generic_category()});
        EXPECT_NE(text.find(c.words), std::string::npos) << c.error << ": " << text;
    }
    const std::error_code io(EIO, std::generic_category());
    EXPECT_NE(describeSaveFailureInChinese(io).find(io.message()), std::string::npos);
}

} // namespace
} // namespace gelvant
