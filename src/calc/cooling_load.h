#pragma once

namespace gelvant {

class CDesignDlg;

// The cooling load of the room, component by component, its total and notes,
// then the air densities, the empty-store pull-down, the load per tonne, the
// dew point, the anti-condensation thickness and the evaporator surfaces;
// the checks; and the evaporator lists moved to the room temperature.
void ComputeCoolingLoad(CDesignDlg& dlg);

} // namespace gelvant
