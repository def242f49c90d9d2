#pragma once

#include "form/form_state.h"
#include "project/project.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gelvant {

// A room's results are current while its inputs are those they were computed
// from: every box that is not a result of the calculation (its text and its
// record value), every list choice and the two option buttons. The inputs are
// kept as a 64-bit fingerprint, small enough for the design file to carry.
std::uint64_t inputsFingerprint(const FormState& form);

// Whether the room's inputs differ from those its results were computed
// from. A room never computed (or read from a file that does not say) is not.
bool hasStaleResults(const Room& room);

// The fingerprint as the design file writes it (16 hex digits), and back;
// none for a text that is not 16 hex digits.
std::string fingerprintText(std::uint64_t fingerprint);
std::optional<std::uint64_t> fingerprintFromText(std::string_view text);

} // namespace gelvant
