#pragma once

namespace gelvant {

class CDesignDlg;

// Share of the floor area taken out of the envelope's area, by the floor
// list's item: a floor on the ground leaks less than a wall. 0.8 without
// ventilation or heating under the floor, 0.4 with them, 0.3 over a
// ventilated crawl space (and with no item chosen).
double floorAreaDeduction(int floorItem);

// The cooling load of the room, component by component, its total and notes,
// then the air densities, the empty-store pull-down, the load per tonne, the
// dew point, the anti-condensation thickness and the evaporator surfaces;
// the checks; and the evaporator lists moved to the room temperature.
void ComputeCoolingLoad(CDesignDlg& dlg);

} // namespace gelvant
