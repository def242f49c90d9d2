#include "form/design_dlg.h"

#include "form/controls.h"
#include "form/portable.h"
#include "form/text_exchange.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace gelvant {
namespace {

constexpr std::string_view kFloatPrompt = "请输入一个数字。";
constexpr std::string_view kIntPrompt = "请输入一个整数。";
constexpr unsigned kAboutCommand = 16;

} // namespace

CDesignDlg::CDesignDlg(FormListsAndEvents listsAndEvents, MessagePresenter& presenter)
    : listsAndEvents_(listsAndEvents), presenter_(presenter) {
    lists_.reserve(listsAndEvents_.lists.size());
    for (const ListDef& def : listsAndEvents_.lists) {
        ListState state{&def, {}, -1, {}};
        const auto items = def.items();
        state.items.assign(items.begin(), items.end());
        lists_.push_back(std::move(state));
    }
    for (std::size_t i = 0; i < kStaticTexts.size(); ++i) {
        staticTexts_[i] = std::string(kStaticTexts[i].initialText);
    }
    writeSheet(); // the boxes show the all-zero record
}

// --- Exchange ----------------------------------------------------------------

bool CDesignDlg::readField(std::size_t field) {
    const FieldDef& def = kFields[field];
    if (def.type == FieldType::Float) {
        const auto value = parseFloatText(editTexts_[field]);
        if (!value) {
            return false;
        }
        sheet_.*def.floatMember = *value;
    } else {
        const auto value = parseIntText(editTexts_[field]);
        if (!value) {
            return false;
        }
        sheet_.*def.intMember = *value;
    }
    return true;
}

bool CDesignDlg::readSheet() {
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        if (!readField(field)) {
            const FieldDef& def = kFields[field];
            showMessage(caption::program, def.type == FieldType::Float ? kFloatPrompt : kIntPrompt);
            focusedControl_ = def.controlId;
            focusTextSelected_ = true;
            return false;
        }
    }
    return true;
}

void CDesignDlg::writeField(std::size_t field) {
    const FieldDef& def = kFields[field];
    const std::uint32_t bits = def.type == FieldType::Float
                                   ? bitCast<std::uint32_t>(sheet_.*def.floatMember)
                                   : bitCast<std::uint32_t>(sheet_.*def.intMember);
    if (textIsWritten_[field] && writtenBits_[field] == bits) {
        return; // the box already shows this very value
    }
    std::string text = def.type == FieldType::Float ? formatFloatText(sheet_.*def.floatMember)
                                                    : formatIntText(sheet_.*def.intMember);
    if (editTexts_[field] != text) {
        editTexts_[field] = std::move(text);
    }
    writtenBits_[field] = bits;
    textIsWritten_[field] = true;
}

void CDesignDlg::writeSheet() {
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        writeField(field);
    }
}

void CDesignDlg::refreshForm() {
    writeSheet();
    readSheet();
}

void CDesignDlg::setEditText(std::size_t field, std::string text) {
    editTexts_.at(field) = std::move(text);
    textIsWritten_[field] = false;
}

// --- Lists -------------------------------------------------------------------

CDesignDlg::ListState& CDesignDlg::list(int listCtl) {
    for (ListState& state : lists_) {
        if (state.def->controlId == listCtl) {
            return state;
        }
    }
    throw std::out_of_range("no list with this control ID");
}

const CDesignDlg::ListState& CDesignDlg::list(int listCtl) const {
    return const_cast<CDesignDlg*>(this)->list(listCtl);
}

int CDesignDlg::currentIndex(int listCtl) const {
    return list(listCtl).current;
}

std::string_view CDesignDlg::currentText(int listCtl) const {
    const ListState& state = list(listCtl);
    if (state.current < 0) {
        return {};
    }
    return state.items[static_cast<std::size_t>(state.current)];
}

std::size_t CDesignDlg::itemCount(int listCtl) const {
    return list(listCtl).items.size();
}

std::string_view CDesignDlg::itemText(int listCtl, std::size_t index) const {
    return list(listCtl).items.at(index);
}

const std::vector<std::string>& CDesignDlg::items(int listCtl) const {
    return list(listCtl).items;
}

void CDesignDlg::appendItems(int listCtl, std::span<const std::string_view> items) {
    ListState& state = list(listCtl);
    state.items.insert(state.items.end(), items.begin(), items.end());
}

std::string_view CDesignDlg::listEditText(int listCtl) const {
    return list(listCtl).editText;
}

void CDesignDlg::setCurrent(ListState& state, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= state.items.size()) {
        state.current = -1;
        state.editText.clear();
        return;
    }
    state.current = index;
    state.editText = state.items[static_cast<std::size_t>(index)];
}

const std::vector<LibraryEntry>* CDesignDlg::entriesOf(const ListState& state) const {
    const auto kind = libraryKindOfList(state.def->controlId);
    return kind ? &library_->of(*kind) : nullptr;
}

void CDesignDlg::fillItems(ListState& state, bool laterAppended) const {
    const std::size_t builtIn = state.def->itemCount(laterAppended);
    const auto* entries = entriesOf(state);
    state.items.clear();
    state.items.reserve(builtIn + (entries != nullptr ? entries->size() : 0));
    for (std::size_t item = 0; item < builtIn; ++item) {
        state.items.emplace_back(state.def->itemAt(item));
    }
    if (entries != nullptr) {
        for (const LibraryEntry& entry : *entries) {
            state.items.push_back(entry.name);
        }
    }
}

void CDesignDlg::setLibrary(std::shared_ptr<const Library> library) {
    library_ = std::move(library);
    if (library_ == nullptr) {
        library_ = emptyLibrary();
    }
    for (ListState& state : lists_) {
        if (entriesOf(state) == nullptr) {
            continue;
        }
        fillItems(state, referenceRowsAppended);
        if (state.current >= 0 && static_cast<std::size_t>(state.current) >= state.items.size()) {
            setCurrent(state, -1);
        }
    }
}

std::size_t CDesignDlg::builtInItemCount(int listCtl) const {
    return list(listCtl).def->itemCount(referenceRowsAppended);
}

const LibraryEntry* CDesignDlg::chosenEntry(int listCtl) const {
    const ListState& state = list(listCtl);
    const auto* entries = entriesOf(state);
    const std::size_t builtIn = state.def->itemCount(referenceRowsAppended);
    if (entries == nullptr || state.current < 0 ||
        static_cast<std::size_t>(state.current) < builtIn) {
        return nullptr;
    }
    const std::size_t entry = static_cast<std::size_t>(state.current) - builtIn;
    return entry < entries->size() ? &(*entries)[entry] : nullptr;
}

void CDesignDlg::chooseItem(int listCtl, int index) {
    ListState& state = list(listCtl);
    setCurrent(state, index);
    if (state.def->style == ListStyle::Extended) {
        raise(listCtl, EventKind::ListChange);
    }
}

// --- Static texts, visibility, options ------------------------------------------

std::size_t CDesignDlg::staticTextSlot(int textCtl) {
    if (const auto slot = gelvant::staticTextSlot(textCtl)) {
        return *slot;
    }
    throw std::out_of_range("no static text with this control ID");
}

std::string_view CDesignDlg::staticText(int textCtl) const {
    return staticTexts_[staticTextSlot(textCtl)];
}

void CDesignDlg::setStaticText(int textCtl, std::string text) {
    staticTexts_[staticTextSlot(textCtl)] = std::move(text);
}

std::size_t CDesignDlg::visibilitySlot(int ctl) {
    if (const auto slot = toggledSlot(ctl)) {
        return *slot;
    }
    throw std::out_of_range("visibility of this control never changes");
}

bool CDesignDlg::isVisible(int ctl) const {
    return visible_[visibilitySlot(ctl)];
}

void CDesignDlg::setVisible(int ctl, bool visible) {
    visible_[visibilitySlot(ctl)] = visible;
}

bool CDesignDlg::isChecked(int optionCtl) const {
    return optionCtl == ctl::enthalpyOption ? enthalpyChecked_ : specificHeatChecked_;
}

void CDesignDlg::setChecked(int optionCtl, bool checked) {
    (optionCtl == ctl::enthalpyOption ? enthalpyChecked_ : specificHeatChecked_) = checked;
}

void CDesignDlg::showMessage(std::string_view caption, std::string_view text) {
    presenter_.showMessage(Message{std::string(caption), std::string(text)});
}

// --- The form as a value ---------------------------------------------------------

FormState CDesignDlg::captureState() const {
    FormState state;
    state.sheet = sheet_;
    state.editTexts = editTexts_;
    state.lists.reserve(lists_.size());
    for (const ListState& list : lists_) {
        state.lists.push_back(ListChoice{list.current, list.editText});
    }
    state.staticTexts = staticTexts_;
    state.visible = visible_;
    state.enthalpyChecked = enthalpyChecked_;
    state.specificHeatChecked = specificHeatChecked_;
    state.referenceRowsAppended = referenceRowsAppended;
    return state;
}

void CDesignDlg::restoreState(const FormState& state) {
    sheet_ = state.sheet;
    editTexts_ = state.editTexts;
    textIsWritten_.fill(false); // the next write formats every box afresh
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        ListState& list = lists_[i];
        const auto* entries = entriesOf(list);
        const std::size_t wanted = list.def->itemCount(state.referenceRowsAppended) +
                                   (entries != nullptr ? entries->size() : 0);
        if (list.items.size() != wanted) {
            fillItems(list, state.referenceRowsAppended);
        }
        const ListChoice choice = i < state.lists.size() ? state.lists[i] : ListChoice{};
        list.current = choice.current >= 0 && static_cast<std::size_t>(choice.current) < wanted
                           ? choice.current
                           : -1;
        list.editText = choice.editText;
    }
    staticTexts_ = state.staticTexts;
    visible_ = state.visible;
    enthalpyChecked_ = state.enthalpyChecked;
    specificHeatChecked_ = state.specificHeatChecked;
    referenceRowsAppended = state.referenceRowsAppended;
    focusedControl_ = -1;
    focusTextSelected_ = false;
}

// --- User events -------------------------------------------------------------------

void CDesignDlg::raise(int controlId, EventKind event) {
    const auto binding = std::find_if(
        listsAndEvents_.events.begin(), listsAndEvents_.events.end(),
        [&](const EventBinding& row) { return row.controlId == controlId && row.event == event; });
    if (binding != listsAndEvents_.events.end() && binding->handler != nullptr) {
        binding->handler(*this);
    }
}

void CDesignDlg::userEdits(std::size_t field, std::string text) {
    setEditText(field, std::move(text));
    raise(kFields[field].controlId, EventKind::Edit);
}

void CDesignDlg::userChooses(int listCtl, int index) {
    ListState& state = list(listCtl);
    setCurrent(state, index);
    raise(listCtl,
          state.def->style == ListStyle::Extended ? EventKind::ListChange : EventKind::Selection);
}

void CDesignDlg::userClearsList(int listCtl, std::string typedText) {
    ListState& state = list(listCtl);
    state.current = -1;
    state.editText = std::move(typedText);
}

void CDesignDlg::userClicks(int buttonCtl) {
    if (buttonCtl == ctl::applyReferenceButton && !isVisible(ctl::applyReferenceButton)) {
        return;
    }
    raise(buttonCtl, EventKind::Click);
}

void CDesignDlg::systemCommand(unsigned commandId) {
    if ((commandId & 0xFFF0U) == kAboutCommand) {
        showAbout();
    }
}

} // namespace gelvant
