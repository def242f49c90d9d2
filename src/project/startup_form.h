#pragma once

#include "form/form_state.h"

#include <memory>

namespace gelvant {

// The form the program opens on: the start-up sequence run to its end (the
// reference room applied and computed), its messages left unshown. A new
// design and a new room start from it; a design file's missing parts keep it.
std::shared_ptr<const FormState> startupForm();

} // namespace gelvant
