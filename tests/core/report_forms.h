#pragma once

// Rooms for the report tests: the start-up form after the designer's actions,
// reference rooms applied, and a form never started.

#include "form/controls.h"
#include "form/design_dlg.h"
#include "form_tables/design_form.h"
#include "project/project.h"
#include "project/startup_form.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace gelvant::testing_report {

using Actions = std::function<void(CDesignDlg&)>;

inline std::shared_ptr<const FormState> formAfter(const Actions& actions, bool fromStartup = true) {
    RecordingPresenter unshown;
    CDesignDlg dlg(designFormListsAndEvents(), unshown);
    if (fromStartup) {
        dlg.restoreState(*startupForm());
    }
    actions(dlg);
    return std::make_shared<const FormState>(dlg.captureState());
}

inline std::shared_ptr<const FormState> blankForm() {
    return formAfter([](CDesignDlg&) {}, false);
}

inline std::shared_ptr<const FormState> referenceRoomForm(int row) {
    return formAfter([row](CDesignDlg& dlg) {
        dlg.userChooses(ctl::referenceList, row);
        dlg.userClicks(ctl::applyReferenceButton);
    });
}

inline std::shared_ptr<const FormState> computedWith(const char* field, const char* text) {
    return formAfter([=](CDesignDlg& dlg) {
        dlg.userEdits(*fieldIndexByName(field), text);
        dlg.userClicks(ctl::computeButton);
    });
}

inline Room room(std::string name, std::shared_ptr<const FormState> form,
                 CoolingEquipment equipment = CoolingEquipment::AirCooler) {
    return Room{std::move(name), equipment, std::move(form)};
}

} // namespace gelvant::testing_report
