#pragma once

#include "library/library.h"
#include "session/design_session.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace gelvant {

// One entry as the designer writes it: its name and a box per key of its
// kind, each labelled with its range. Made from a built-in row, a list of
// the kind's built-in items stands on top and fills the boxes from the row
// picked. 确定 hands the texts to `submit`; a refusal is shown, naming the
// box and its range, and the dialog stays open.
class LibraryEntryDialog : public QDialog {
    Q_OBJECT
public:
    using Submit = std::function<std::optional<LibraryProblem>(const std::string& name,
                                                               const std::vector<KeyText>& values)>;
    // builtInItems: how many built-in items of the kind's list to offer as
    // a start; none for an entry written from scratch or edited.
    LibraryEntryDialog(LibraryKind kind, const std::optional<LibraryEntry>& start,
                       std::size_t builtInItems, Submit submit, QWidget* parent = nullptr);

    QComboBox* builtInItems() const { return builtIn_; }
    QLineEdit* nameBox() const { return name_; }
    QLineEdit* valueBox(std::size_t key) const { return values_.at(key); }

    void accept() override;

private:
    void showEntry(const LibraryEntry& entry);

    LibraryKind kind_;
    Submit submit_;
    QComboBox* builtIn_ = nullptr;
    QLineEdit* name_;
    std::vector<QLineEdit*> values_;
};

// 自定义数据: the design's own entries, a table per kind, with the commands
// that add, change, remove, import and export them. Every change is a verb
// of the session (one undo step of the design); the entries made, changed
// and removed here are kept in the personal library too, through `keep`.
class LibraryDialog : public QDialog {
    Q_OBJECT
public:
    enum class Button { Add, Edit, Remove, CopyBuiltIn, Import, Export, Close };
    using KeepPersonal = std::function<void(const Library&)>;

    LibraryDialog(DesignSession& session, KeepPersonal keep, QWidget* parent = nullptr);
    ~LibraryDialog() override;

    QTabWidget* tabs() const { return tabs_; }
    QTableWidget* table(LibraryKind kind) const { return tables_.at(kindSlot(kind)); }
    QPushButton* button(Button which) const { return buttons_.at(static_cast<std::size_t>(which)); }

private:
    LibraryKind currentKind() const;
    std::optional<std::size_t> currentEntry() const;
    void showEntries();
    void editEntry(const std::optional<std::size_t>& entry, bool fromBuiltIn);
    void addEntry() { editEntry(std::nullopt, false); }
    void changeEntry();
    void copyBuiltIn() { editEntry(std::nullopt, true); }
    void removeEntry();
    void importFile();
    void exportFile();
    // The personal library following the design's entry now named `name`
    // (gone when the design has none) that was named `before`.
    Library personalWith(const Library& personal, LibraryKind kind, const std::string& before,
                         const std::string& name) const;
    void keepPersonal(Library personal);
    void refuse(const QString& text);

    DesignSession& session_;
    KeepPersonal keep_;
    SessionListenerId listener_;
    QTabWidget* tabs_;
    std::vector<QTableWidget*> tables_;
    std::vector<QPushButton*> buttons_;
};

} // namespace gelvant
