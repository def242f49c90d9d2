#include "project/startup_form.h"

#include "form/design_dlg.h"
#include "form_tables/design_form.h"
#include "form_tables/startup.h"

namespace gelvant {

std::shared_ptr<const FormState> startupForm() {
    // The sequence always gives the same form: it is worked out once.
    static const std::shared_ptr<const FormState> form = [] {
        RecordingPresenter unshown;
        CDesignDlg dlg(designFormListsAndEvents(), unshown);
        OnInitDialog(dlg);
        return std::make_shared<const FormState>(dlg.captureState());
    }();
    return form;
}

} // namespace gelvant
