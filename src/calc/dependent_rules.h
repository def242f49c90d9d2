#pragma once

#include <span>
#include <string_view>

namespace gelvant {

class CDesignDlg;
struct DesignSheet;

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

// U-value of the insulation layer alone, from its conductivity and its
// thickness in mm. A zero thickness leaves no finite value (inf, or NaN with
// a zero conductivity), which the form shows as such.
void updateWallHeatTransfer(DesignSheet& s);

} // namespace gelvant
