#include "report/title_block.h"

#include "form/program.h"

#include <string>

namespace gelvant {

std::vector<ReportField> heading(const ProjectInfo& info, const Room* room,
                                 std::string_view fileName, std::string_view date) {
    std::vector<ReportField> fields{
        {"项目名称", info.name, {}},
        {"设计单位", info.company, {}},
        {"设计人", info.designer, {}},
        {"日期", info.date.empty() ? std::string(date) : info.date, {}},
    };
    if (room != nullptr) {
        fields.push_back({std::string(kRoomLineLabel), room->name, {}});
    }
    fields.push_back({"设计文件", std::string(fileName), {}});
    fields.push_back(
        {"计算程序", std::string(kProgramName) + " " + std::string(kProgramVersion), {}});
    if (!info.notes.empty()) {
        fields.push_back({"备注", info.notes, {}});
    }
    return fields;
}

std::vector<SignOff> signOffs(const ProjectInfo& info, std::string_view date) {
    return {{"设计", info.designer, info.date.empty() ? std::string(date) : info.date},
            {"校对", info.checker, {}},
            {"审核", info.reviewer, {}},
            {"审定", info.approver, {}}};
}

} // namespace gelvant
