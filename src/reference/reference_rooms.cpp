#include "reference/reference_rooms.h"

#include "sheet/design_dlg.h"

#include <array>

namespace gelvant {

std::span<const std::string_view> referenceInitialItems() { return {}; }

std::span<const std::string_view> referenceCompactItems() { return {}; }

void OnReferenceChange(CDesignDlg& /*dlg*/) {}

void OnApplyReference(CDesignDlg& /*dlg*/) {}

void OnReferenceCompactChange(CDesignDlg& /*dlg*/) {}

} // namespace gelvant
