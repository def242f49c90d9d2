#include "project/result_inputs.h"

#include "form/field_dictionary.h"
#include "form/portable.h"

#include <cstddef>

namespace gelvant {
namespace {

// FNV-1a over the inputs' bytes: the same fingerprint on every platform and
// in the browser, from one run of the program to the next.
class Fingerprint {
public:
    void add(std::string_view bytes) {
        for (const char c : bytes) {
            hash_ = (hash_ ^ static_cast<unsigned char>(c)) * kPrime;
        }
        hash_ = (hash_ ^ kSeparator) * kPrime; // "ab"+"c" differs from "a"+"bc"
    }
    void add(std::uint64_t value) {
        for (int shift = 0; shift < 64; shift += 8) {
            hash_ = (hash_ ^ ((value >> shift) & 0xFFU)) * kPrime;
        }
    }
    std::uint64_t value() const { return hash_; }

private:
    static constexpr std::uint64_t kPrime = 0x100000001B3ULL;
    static constexpr std::uint64_t kSeparator = 0x1FU;
    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

std::uint64_t recordBits(const FormState& form, const FieldDef& def) {
    if (def.type == FieldType::Float) {
        return bitCast<std::uint32_t>(form.sheet.*def.floatMember);
    }
    return static_cast<std::uint32_t>(form.sheet.*def.intMember);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace

std::uint64_t inputsFingerprint(const FormState& form) {
    Fingerprint fingerprint;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldDef& def = kFields[i];
        if (def.kind == FieldKind::Result) {
            continue;
        }
        fingerprint.add(def.name);
        fingerprint.add(form.editTexts[i]);
        fingerprint.add(recordBits(form, def));
    }
    for (const ListChoice& choice : form.lists) {
        fingerprint.add(static_cast<std::uint64_t>(static_cast<std::int64_t>(choice.current)));
        fingerprint.add(choice.editText);
    }
    fingerprint.add(std::string_view(form.enthalpyChecked ? "h" : "-"));
    fingerprint.add(std::string_view(form.specificHeatChecked ? "c" : "-"));
    return fingerprint.value();
}

bool hasStaleResults(const Room& room) {
    return room.computedInputs.has_value() && *room.computedInputs != inputsFingerprint(*room.form);
}

std::string fingerprintText(std::uint64_t fingerprint) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text(16, '0');
    for (std::size_t i = 16; i-- > 0; fingerprint >>= 4U) {
        text[i] = kDigits[fingerprint & 0xFU];
    }
    return text;
}

std::optional<std::uint64_t> fingerprintFromText(std::string_view text) {
    if (text.size() != 16) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = (value << 4U) | static_cast<std::uint64_t>(digit);
    }
    return value;
}

} // namespace gelvant
