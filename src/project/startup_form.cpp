#include "project/startup_form.h"

#include "sheet/design_dlg.h"
#include "window/design_form.h"
#include "window/startup.h"

namespace gelvant {

std::shared_ptr<const FormState> startupForm() {
    // The sequence always gives the same form: it is worked out once.
    static const std::shared_ptr<const FormState> form = [] {
        RecordingPresenter unshown;
        CDesignDlg dlg(designFormLayout(), unshown);
        OnInitDialog(dlg);
        return std::make_shared<const FormState>(dlg.captureState());
    }();
    return form;
}

} // namespace gelvant
