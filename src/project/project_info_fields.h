#pragma once

#include "project/project.h"

#include <array>
#include <string>
#include <string_view>

namespace gelvant {

// The project's title block as 项目信息 edits it and the calculation sheet
// heads it: each field's key (the design file's and the page's), its label,
// the access key of the window's dialog, and whether it takes several lines.
struct ProjectInfoField {
    std::string_view key;
    std::string_view label;
    char accessKey;
    bool multiline;
    std::string ProjectInfo::*member;
};

inline constexpr std::array kProjectInfoFields = {
    ProjectInfoField{"name", "项目名称", 'N', false, &ProjectInfo::name},
    ProjectInfoField{"company", "设计单位", 'C', false, &ProjectInfo::company},
    ProjectInfoField{"designer", "设计人", 'D', false, &ProjectInfo::designer},
    ProjectInfoField{"checker", "校对", 'K', false, &ProjectInfo::checker},
    ProjectInfoField{"reviewer", "审核", 'R', false, &ProjectInfo::reviewer},
    ProjectInfoField{"approver", "审定", 'A', false, &ProjectInfo::approver},
    ProjectInfoField{"date", "日期", 'T', false, &ProjectInfo::date},
    ProjectInfoField{"notes", "备注", 'M', true, &ProjectInfo::notes},
};

} // namespace gelvant
