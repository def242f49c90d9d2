#include "report/load_formulas.h"

#include "calc/cooling_load.h"
#include "form/controls.h"
#include "form/field_dictionary.h"
#include "form/portable.h"
#include "form_tables/design_form.h"
#include "report/report_labels.h"
#include "report/report_numbers.h"
#include "report/summary_table.h"

#include <algorithm>
#include <cmath>

namespace gelvant {
namespace {

constexpr std::string_view kTimes = "·";
constexpr std::string_view kStatementGap = "；";

// What a heat flow takes beyond the sum of its lines: a divisor, and the
// rooms that leave it out.
struct FlowSourceDef {
    std::string_view divisor;
    std::string_view leftOutBy;
};

constexpr std::array<FlowSourceDef, kFlowCount> kFlowSources{{
    {"", ""},
    {"p", ""},
    {"", ""},
    {"", "排管冷却的库房不计"},
    {"", "冷却间、冻结间不计"},
}};

constexpr bool isField(std::string_view name) {
    return name.empty() || findBy(kFields, name, &FieldDef::name) != kFields.end();
}

constexpr bool everyFieldKnown() {
    return std::all_of(kLoadFormulas.begin(), kLoadFormulas.end(), [](const LoadFormula& line) {
        return isField(line.field) &&
               std::all_of(line.symbols.begin(), line.symbols.end(),
                           [](const FormulaSymbol& s) { return isField(s.field); });
    });
}
static_assert(everyFieldKnown(), "every line and symbol names a field of the record");

const std::string& boxText(const FormState& form, std::string_view field) {
    return form.editTexts.at(fieldIndexByName(field).value());
}

std::string_view lineName(std::string_view field) {
    return labelName(trimLabel(kFields.at(fieldIndexByName(field).value()).label));
}

// A line another line is the sum of (the parts of 总操作热量).
bool isPart(const LoadFormula& line) {
    return std::any_of(kLoadFormulas.begin(), kLoadFormulas.end(), [&](const LoadFormula& other) {
        return std::any_of(other.symbols.begin(), other.symbols.end(),
                           [&](const FormulaSymbol& s) { return s.field == line.field; });
    });
}

// The lines a line is the sum of: its symbols when all of them are lines.
std::vector<const LoadFormula*> partsOf(const LoadFormula& line) {
    std::vector<const LoadFormula*> parts;
    for (const FormulaSymbol& s : line.symbols) {
        if (s.symbol.empty()) {
            break;
        }
        const LoadFormula* part = loadFormula(s.field);
        if (part == nullptr) {
            return {};
        }
        parts.push_back(part);
    }
    return parts;
}

// The value put in for each symbol, as text, and whether a worked-out
// symbol counts at all in this room (the frost only below 0 ℃).
struct SymbolValue {
    std::string_view symbol;
    std::string text;
    bool counted = true;
};

class Values {
public:
    const SymbolValue* find(std::string_view symbol) const {
        const auto it = std::find_if(values_.begin(), values_.end(),
                                     [&](const SymbolValue& v) { return v.symbol == symbol; });
        return it == values_.end() ? nullptr : &*it;
    }
    // The number a value's text shows; NaN for a text that is none.
    double number(std::string_view symbol) const {
        const SymbolValue* v = find(symbol);
        return v == nullptr ? std::nan("") : shownNumber(v->text).value_or(std::nan(""));
    }
    void add(SymbolValue value) { values_.push_back(std::move(value)); }
    const std::vector<SymbolValue>& all() const { return values_; }

private:
    std::vector<SymbolValue> values_;
};

double enthalpy(double tC, double moistureGPerKg) {
    return 1.01 * tC + (2501.0 + 1.84 * tC) * moistureGPerKg / 1000.0;
}

std::string workedText(double value) {
    return numberText(value, 2);
}

// The value of a symbol no box gives: chosen from the form, or worked out
// from the symbols before it as its definition says.
SymbolValue derivedValue(const FormulaSymbol& symbol, const FormState& form, const Values& v) {
    namespace fs = formula_symbols;
    const std::string_view name = symbol.symbol;
    if (name == fs::kFloorDeduction.symbol) {
        const ListChoice* floor = listChoiceIn(form, ctl::floorChoice);
        return {name, shortestText(floorAreaDeduction(floor != nullptr ? floor->current : -1))};
    }
    if (name == fs::kOutdoorTemp.symbol) { // the outdoor air is taken at the warmer of the two
        const std::string& ambient = boxText(form, "ambientTemp");
        const std::string& summer = boxText(form, "summerAirConditioningTemp");
        const bool summerWarmer =
            shownNumber(summer).value_or(0) > shownNumber(ambient).value_or(0);
        return {name, summerWarmer ? summer : ambient};
    }
    const double tw = v.number(fs::kOutdoorTemp.symbol);
    const double tn = v.number(fs::kRoomTemp.symbol);
    const double dw = v.number(fs::kOutdoorMoisture.symbol);
    const double dn = v.number(fs::kRoomMoisture.symbol);
    if (name == fs::kOutdoorEnthalpy.symbol) {
        return {name, workedText(enthalpy(tw, dw))};
    }
    if (name == fs::kRoomEnthalpy.symbol) {
        return {name, workedText(enthalpy(tn, dn))};
    }
    if (name == fs::kFrostHeat.symbol) {
        if (!(tn < 0)) {
            return {name, "0", false};
        }
        return {name, workedText(4.18 * (80.0 - 0.5 * tn) * (dw - dn) / (1000.0 + dn))};
    }
    if (name == fs::kAirExchangeHeat.symbol) {
        return {name,
                workedText((1000.0 + dw) * v.number(fs::kOutdoorEnthalpy.symbol) / (1000.0 + dn) -
                           v.number(fs::kRoomEnthalpy.symbol) + v.number(fs::kFrostHeat.symbol))};
    }
    return {name, std::string(kNoValue)};
}

// The longest symbol of the values that the text starts with.
const SymbolValue* symbolAt(std::string_view text, const Values& values) {
    const SymbolValue* best = nullptr;
    for (const SymbolValue& v : values.all()) {
        if (text.starts_with(v.symbol) &&
            (best == nullptr || v.symbol.size() > best->symbol.size())) {
            best = &v;
        }
    }
    return best;
}

// The expression with each symbol replaced by its value (a negative one in
// brackets) and the operators spaced as numbers are written.
std::string substitute(std::string_view expression, const Values& values) {
    std::string out;
    std::size_t i = 0;
    while (i < expression.size()) {
        const std::string_view rest = expression.substr(i);
        if (const SymbolValue* v = symbolAt(rest, values)) {
            out += v->text.starts_with('-') ? "(" + v->text + ")" : v->text;
            i += v->symbol.size();
        } else if (rest.starts_with(kTimes)) {
            out += " × ";
            i += kTimes.size();
        } else if (rest.starts_with('/')) {
            out += " / ";
            ++i;
        } else {
            out += rest.front();
            ++i;
        }
    }
    return out;
}

std::string withUnit(const std::string& text, std::string_view unit) {
    return unit.empty() ? text : text + " " + std::string(unit);
}

} // namespace

const LoadFormula* loadFormula(std::string_view field) {
    const auto it = findBy(kLoadFormulas, field, &LoadFormula::field);
    return it == kLoadFormulas.end() ? nullptr : &*it;
}

std::string formulaText(const LoadFormula& formula) {
    std::string text = "Q = ";
    text += formula.expression;
    return text;
}

std::string legendText(const LoadFormula& formula) {
    std::string text;
    for (const FormulaSymbol& s : formula.symbols) {
        if (s.symbol.empty()) {
            break;
        }
        text += text.empty() ? "" : kStatementGap;
        text += std::string(s.symbol) + " — " + std::string(s.meaning);
        if (!s.unit.empty()) {
            text += "，";
            text += s.unit;
        }
        if (!s.definition.empty()) {
            text += "，";
            text += s.symbol;
            text += " = ";
            text += s.definition;
        }
    }
    return text;
}

std::string flowText(std::size_t flow) {
    std::string text = "Q";
    text += std::to_string(flow + 1);
    return text;
}

std::vector<std::string> substitutedText(const LoadFormula& formula, const FormState& form) {
    Values values;
    std::vector<std::string> statements;
    for (const FormulaSymbol& s : formula.symbols) {
        if (s.symbol.empty()) {
            break;
        }
        if (!s.field.empty()) {
            values.add({s.symbol, boxText(form, s.field)});
            continue;
        }
        SymbolValue value = derivedValue(s, form, values);
        if (!s.definition.empty()) {
            std::string text = std::string(s.symbol) + " = ";
            text += value.counted
                        ? substitute(s.definition, values) + " = " + withUnit(value.text, s.unit)
                        : value.text + "（tn ≥ 0℃，不计）";
            statements.push_back(std::move(text));
        }
        values.add(std::move(value));
    }
    std::string line = "Q = ";
    line += substitute(formula.expression, values);
    line += " = ";
    line += withUnit(boxText(form, formula.field), "W");
    statements.push_back(std::move(line));
    return statements;
}

std::string totalFormulaText() {
    std::string text = "Q = ";
    bool first = true;
    for (const LoadFormula& line : kLoadFormulas) {
        if (!isPart(line)) {
            text += (first ? "" : " + ") + std::string(lineName(line.field));
            first = false;
        }
    }
    return text;
}

std::string totalSubstitutedText(const FormState& form) {
    std::string text = "Q = ";
    bool first = true;
    for (const LoadFormula& line : kLoadFormulas) {
        if (!isPart(line)) {
            const std::string& value = boxText(form, line.field);
            text += first ? "" : " + ";
            text += value.starts_with('-') ? "(" + value + ")" : value;
            first = false;
        }
    }
    return text + " = " + withUnit(boxText(form, "totalCoolingLoadW"), "W");
}

std::vector<std::string> flowSources() {
    std::vector<std::string> lines;
    for (std::size_t q = 0; q < kFlowCount; ++q) {
        std::string sum;
        std::size_t terms = 0;
        for (const LoadFormula& line : kLoadFormulas) {
            if (line.flow != q || isPart(line)) {
                continue;
            }
            sum += (terms++ == 0 ? "" : " + ") + std::string(lineName(line.field));
            std::string parts;
            for (const LoadFormula* part : partsOf(line)) {
                parts += (parts.empty() ? " = " : " + ") + std::string(lineName(part->field));
            }
            sum += parts;
        }
        const FlowSourceDef& def = kFlowSources.at(q);
        std::string text = flowText(q) + " = ";
        if (!def.divisor.empty()) {
            text += (terms > 1 ? "(" + sum + ")" : sum) + " ÷ " + std::string(def.divisor);
        } else {
            text += sum;
        }
        if (!def.leftOutBy.empty()) {
            text += "（";
            text += def.leftOutBy;
            text += "）";
        }
        lines.push_back(std::move(text));
    }
    return lines;
}

} // namespace gelvant
