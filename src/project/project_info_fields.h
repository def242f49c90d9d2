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

inline constexpr std::array<ProjectInfoField, 5> kProjectInfoFields = {{
    {"name", "项目名称", 'N', false, &ProjectInfo::name},
    {"company", "设计单位", 'C', false, &ProjectInfo::company},
    {"designer", "设计人", 'D', false, &ProjectInfo::designer},
    {"date", "日期", 'T', false, &ProjectInfo::date},
    {"notes", "备注", 'M', true, &ProjectInfo::notes},
}};

} // namespace gelvant
