#pragma once

#include "form/field_dictionary.h"
#include "form/form_state.h"
#include "form_tables/design_form.h"
#include "report/report_labels.h"

#include <string>
#include <string_view>
#include <vector>

namespace gelvant {

// One labelled value of the report: the form's label, the text its box or
// list shows, and the unit the label names (empty when it names none).
struct ReportField {
    std::string label;
    std::string value;
    std::string unit;
};

// A titled block of values, as one group box of the form holds them.
struct ReportGroup {
    std::string title;
    std::vector<ReportField> fields;
};

// Reads one captured form: its boxes, lists and texts by name or control.
class FormReader {
public:
    explicit FormReader(const FormState& form) : form_(form) {}

    // A name the dictionary lacks is a programming slip: it throws rather
    // than reading past the record.
    static std::size_t field(std::string_view name) { return fieldIndexByName(name).value(); }
    const std::string& box(std::size_t field) const { return form_.editTexts.at(field); }
    const std::string& box(std::string_view name) const { return box(field(name)); }

    ReportField boxField(std::size_t index) const {
        const std::string_view label = trimLabel(kFields.at(index).label);
        return {std::string(label), box(index), std::string(labelUnit(label))};
    }
    ReportField boxField(std::string_view name) const { return boxField(field(name)); }

    const ListChoice* list(int listCtl) const { return listChoiceIn(form_, listCtl); }

    ReportField listField(int listCtl) const {
        const ListChoice* choice = list(listCtl);
        std::string shown = choice != nullptr ? choice->editText : std::string();
        return {std::string(listCaption(listCtl)), shown.empty() ? "未选择" : shown, {}};
    }

    bool isVisible(int ctl) const { return form_.isVisible(ctl); }
    bool referenceRowsAppended() const { return form_.referenceRowsAppended; }
    const std::string& text(int textCtl) const { return form_.staticText(textCtl); }

    const DesignSheet& sheet() const { return form_.sheet; }
    const FormState& state() const { return form_; }

private:
    const FormState& form_;
};

} // namespace gelvant
