#include "document/design_file_error.h"

namespace gelvant {

std::string unrestoredListsText(const std::vector<std::string>& lists) {
    std::string text = "以下列表的选项在本版本中找不到，已留空：";
    for (std::size_t i = 0; i < lists.size(); ++i) {
        text += (i == 0 ? "" : "、") + lists[i];
    }
    return text;
}

std::string describeInEnglish(const DesignFileError& error) {
    switch (error.problem) {
    case DesignFileProblem::Unreadable:
        return "cannot read the file: " + error.detail;
    case DesignFileProblem::IsDirectory:
        return "is a folder, not a design file";
    case DesignFileProblem::Empty:
        return "the file is empty";
    case DesignFileProblem::TooLarge:
        return "the file is larger than 16 MiB";
    case DesignFileProblem::NotJson:
        return "not JSON: it breaks at line " + std::to_string(error.line) + ", column " +
               std::to_string(error.column);
    case DesignFileProblem::NotDesign:
        return "not a Gelvant design: " + error.detail;
    case DesignFileProblem::NewerVersion:
        return "written by a newer Gelvant (format version " + error.detail + ")";
    case DesignFileProblem::WrongType:
        return "wrong type: " + error.detail;
    case DesignFileProblem::BadValue:
        return "not a number of its field: " + error.detail;
    case DesignFileProblem::BadEntry:
        return "a bad entry of the designer's data at " + error.detail + ": " +
               (error.entry ? describeInEnglish(*error.entry) : std::string());
    }
    return "cannot be opened";
}

std::string describeInChinese(const DesignFileError& error) {
    switch (error.problem) {
    case DesignFileProblem::Unreadable:
        return "无法读取文件：" + error.detail;
    case DesignFileProblem::IsDirectory:
        return "这是一个文件夹，不是设计文件。";
    case DesignFileProblem::Empty:
        return "文件是空的。";
    case DesignFileProblem::TooLarge:
        return "文件超过 16 MiB，不是 Gelvant 设计文件。";
    case DesignFileProblem::NotJson:
        return "文件格式错误（不是 JSON）：第 " + std::to_string(error.line) + " 行第 " +
               std::to_string(error.column) + " 列。";
    case DesignFileProblem::NotDesign:
        return "这不是 Gelvant 设计文件。";
    case DesignFileProblem::NewerVersion:
        return "此文件由更新版本的 Gelvant 保存（格式版本 " + error.detail +
               "），请升级本程序后再打开。";
    case DesignFileProblem::WrongType:
        return "设计文件内容有误（类型不对）：" + error.detail;
    case DesignFileProblem::BadValue:
        return "设计文件中的数值有误：" + error.detail;
    case DesignFileProblem::BadEntry:
        return "设计文件中的自定义数据有误（" + error.detail + "）：" +
               (error.entry ? describeInChinese(*error.entry) : std::string());
    }
    return "无法打开文件。";
}

} // namespace gelvant
