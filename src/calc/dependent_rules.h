#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;

// Rules that keep derived fields consistent while the designer types.
void OnGeometryChange(CDesignDlg& dlg);
void OnVolumeCoefficientChange(CDesignDlg& dlg);
void OnInsulationChange(CDesignDlg& dlg);
void OnDoorSizeChange(CDesignDlg& dlg);
void OnTonnageChange(CDesignDlg& dlg);
void OnProduceAirChangesChange(CDesignDlg& dlg);
void OnRoomTempChange(CDesignDlg& dlg);
// Edits of respirationPer10C and intakeRespirationHeat: no read, no write.
void OnRespirationFieldEdit(CDesignDlg& dlg);

std::span<const std::string_view> doorItems();

} // namespace gelvant
