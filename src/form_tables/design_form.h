#pragma once

#include "form/form_lists_events.h"
#include "form/form_state.h"

#include <span>

namespace gelvant {

// The form's lists (kFormLists), in the order the form keeps their choices.
std::span<const ListDef> designFormLists();
// The form's event table: which handler each control and event runs.
std::span<const EventBinding> designFormEvents();
FormListsAndEvents designFormListsAndEvents();

// The choice of a list in a captured form; nullptr for no such list.
const ListChoice* listChoiceIn(const FormState& form, int listCtl);

// Finds a list by its name or by its control ID written in decimal.
const ListDef* findList(std::string_view nameOrControlId);

} // namespace gelvant
