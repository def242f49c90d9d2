#pragma once

#include "project/project.h"
#include "report/report_model.h"

#include <string_view>
#include <vector>

namespace gelvant {

// The title block's line that names the room of a sheet of one room.
inline constexpr std::string_view kRoomLineLabel = "库房";

// The title block of the sheet's first page: 项目名称, 设计单位, 设计人, 日期,
// the room (for a sheet of one room of several), 设计文件, 计算程序, 备注.
// date: the day the report is made, shown when the project gives none.
std::vector<ReportField> heading(const ProjectInfo& info, const Room* room,
                                 std::string_view fileName, std::string_view date);

// 设计, 校对, 审核, 审定 with their names; the designer's line carries the
// project's date (else the report's), the others are dated by hand when signed.
std::vector<SignOff> signOffs(const ProjectInfo& info, std::string_view date);

} // namespace gelvant
