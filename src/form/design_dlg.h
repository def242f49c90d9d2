#pragma once

#include "form/design_sheet.h"
#include "form/field_dictionary.h"
#include "form/form_lists_events.h"
#include "form/form_state.h"
#include "form/library_entries.h"
#include "form/messages.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gelvant {

// The design form as the rules see it: the record, the text of every edit
// box, every list with its items and current item, the run-time static texts,
// the two controls whose visibility changes, the focus, and the message boxes.
// Every rule and handler of the program is a function on this object.
class CDesignDlg {
public:
    CDesignDlg(FormListsAndEvents listsAndEvents, MessagePresenter& presenter);

    // --- The record and the exchange -------------------------------------
    DesignSheet& sheet() { return sheet_; }
    const DesignSheet& sheet() const { return sheet_; }

    // Window to record, visiting the boxes in exchange order. Stops at the
    // first box that does not parse: the prompt is shown, the box gets the
    // focus with its text selected, and that box and the later ones keep
    // their record values. Returns whether every box was taken over.
    bool readSheet();
    // Record to window. Boxes whose text is already right are not touched.
    // Raises no events.
    void writeSheet();
    // A sheet write followed at once by a sheet read.
    void refreshForm();

    std::string_view editText(std::size_t field) const { return editTexts_[field]; }
    // Puts a text into a box without raising its edit event.
    void setEditText(std::size_t field, std::string text);

    // --- Lists ------------------------------------------------------------
    int currentIndex(int listCtl) const;
    // Text of the current item; empty when there is none.
    std::string_view currentText(int listCtl) const;
    std::size_t itemCount(int listCtl) const;
    std::string_view itemText(int listCtl, std::size_t index) const;
    const std::vector<std::string>& items(int listCtl) const;
    void appendItems(int listCtl, std::span<const std::string_view> items);
    // Chooses an item in code. For an extended list its handler runs at
    // once, to its end, also when the item already is the current one; the
    // plain list runs nothing. An index outside the list clears the choice.
    void chooseItem(int listCtl, int index);
    // Text in the list's edit part (the item text, or what the user typed).
    std::string_view listEditText(int listCtl) const;

    // --- The designer's own data -----------------------------------------------
    // The entries the lists of sites, products, insulation materials and
    // goods kinds show after their built-in items. Setting a library fills
    // those lists again; a current item that is no longer there is dropped.
    void setLibrary(std::shared_ptr<const Library> library);
    const std::shared_ptr<const Library>& library() const { return library_; }
    // How many of the list's items are its own (built-in); the designer's
    // entries follow them.
    std::size_t builtInItemCount(int listCtl) const;
    // The designer's entry that is the list's current item; none when the
    // current item is built-in or there is none.
    const LibraryEntry* chosenEntry(int listCtl) const;

    // --- Static texts, visibility, option buttons -------------------------
    std::string_view staticText(int textCtl) const;
    void setStaticText(int textCtl, std::string text);
    bool isVisible(int ctl) const;
    void setVisible(int ctl, bool visible);
    bool isChecked(int optionCtl) const;
    void setChecked(int optionCtl, bool checked);

    // --- Messages ---------------------------------------------------------
    void showMessage(std::string_view caption, std::string_view text);
    void showAbout() { presenter_.showAbout(); }

    // --- Focus --------------------------------------------------------------
    // The box that last failed to parse gets the focus with its text selected.
    int focusedControl() const { return focusedControl_; }
    bool focusTextSelected() const { return focusTextSelected_; }

    // --- What the user does -----------------------------------------------
    void userEdits(std::size_t field, std::string text);
    void userChooses(int listCtl, int index);
    // The user typed over a list's edit part: no current item, no handler.
    void userClearsList(int listCtl, std::string typedText = {});
    // A hidden button cannot be pressed.
    void userClicks(int buttonCtl);
    // Window's system menu: the About entry is command 16, whatever the
    // low four bits hold.
    void systemCommand(unsigned commandId);

    // Runs the handler bound to a control and event, if any.
    void raise(int controlId, EventKind event);

    // Catalogue rows beyond the first block are appended once per run.
    bool referenceRowsAppended = false;

    // How many times the cooling load has been computed on this form, by
    // the compute button or by a rule that computes: whoever keeps the
    // results' inputs compares it before and after an action.
    unsigned long computations() const { return computations_; }
    void countComputation() { ++computations_; }

    // --- The form as a value ----------------------------------------------
    FormState captureState() const;
    // Puts the form back exactly as captured: no rule runs, no message is
    // raised. Lists get their creation items, plus their later items when
    // the state has them appended, then the library's entries.
    void restoreState(const FormState& state);

    std::span<const ListDef> listDefs() const { return listsAndEvents_.lists; }

private:
    struct ListState {
        const ListDef* def;
        std::vector<std::string> items;
        int current = -1;
        std::string editText;
    };

    ListState& list(int listCtl);
    const ListState& list(int listCtl) const;
    static std::size_t staticTextSlot(int textCtl);
    static std::size_t visibilitySlot(int ctl);
    bool readField(std::size_t field);
    void writeField(std::size_t field);
    static void setCurrent(ListState& state, int index);
    // The entries a list shows after its built-in items (none for most).
    const std::vector<LibraryEntry>* entriesOf(const ListState& state) const;
    // The list's items: its built-in ones (with its later ones when
    // appended), then the designer's entries.
    void fillItems(ListState& state, bool laterAppended) const;

    FormListsAndEvents listsAndEvents_;
    MessagePresenter& presenter_;
    DesignSheet sheet_;
    std::array<std::string, kFieldCount> editTexts_;
    // The record value each box's text was last written from, while the
    // text is still that write's: an unchanged value needs no formatting.
    std::array<std::uint32_t, kFieldCount> writtenBits_{};
    std::array<bool, kFieldCount> textIsWritten_{};
    std::vector<ListState> lists_;
    std::shared_ptr<const Library> library_ = emptyLibrary();
    std::array<std::string, 7> staticTexts_;
    std::array<bool, 2> visible_{true, true};
    bool enthalpyChecked_ = false;
    bool specificHeatChecked_ = false;
    int focusedControl_ = -1;
    bool focusTextSelected_ = false;
    unsigned long computations_ = 0;
};

} // namespace gelvant
