#pragma once

#include <string_view>

namespace gelvant {

// The unit a form label ends with, as the label writes it: the text in its
// closing brackets ("库体长(m)" gives "m", "含水率（%）" gives "%"), or a
// bare unit written after the name ("环境平均温度℃", "钢铁--重量Kg").
// Empty when the label names no unit ("工作人数", "呼吸强度-每10℃": there
// the degree sign belongs to the number before it).
std::string_view labelUnit(std::string_view label);

// The label without its unit and without trailing blanks ("库体漏热(W)"
// gives "库体漏热").
std::string_view labelName(std::string_view label);

// The label without the trailing blanks some form labels carry.
std::string_view trimLabel(std::string_view label);

// The caption of a list; empty for a list the report does not show.
std::string_view listCaption(int listCtl);

} // namespace gelvant
