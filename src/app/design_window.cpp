#include "app/design_window.h"

#include "app/command_actions.h"
#include "app/form_look.h"
#include "app/qt_text.h"
#include "app/view_language.h"
#include "form/controls.h"
#include "form/program.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

namespace gelvant {
namespace {

// Replaces a line's text without raising its edit signal, keeping the caret
// where it was while the user is typing in it.
void putText(QLineEdit& line, const QString& text) {
    if (line.text() == text) {
        return;
    }
    const bool typing = line.hasFocus();
    const int caret = line.cursorPosition();
    const QSignalBlocker block(line);
    line.setText(text);
    if (typing) {
        line.setCursorPosition(std::min(caret, static_cast<int>(text.size())));
    }
}

template <typename Widget>
Widget* findControl(const std::vector<std::pair<int, Widget*>>& controls, int controlId) {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](const auto& entry) { return entry.first == controlId; });
    return found == controls.end() ? nullptr : found->second;
}

} // namespace

void FormFirstPresenter::showMessage(const Message& message) {
    if (form_ != nullptr && form_->isVisible()) {
        form_->showModel(); // the box appears over the form as the rule left it
    }
    shown_.showMessage(message);
}

DesignWindow::DesignWindow(DesignSession& session, QWidget* parent)
    : QWidget(parent), session_(session),
      listener_(
          session.listen([this](const SessionChanges& changes) { sessionChanged(changes); })) {
    setWindowTitle(qtext(kProgramName));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(programIcon());
    // Group titles sit on the frame line, as on a classic dialog, to keep the form compact.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 8px; }"
        "QGroupBox#band { margin-top: 0px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0px 2px; }"));
    buildForm();
    makeActions();
    showModel();
    showHistory();
    fixFormSize();
}

DesignWindow::~DesignWindow() {
    session_.stopListening(listener_);
}

void DesignWindow::makeActions() {
    undo_ = newCommandAction(Command::Undo, this);
    connect(undo_, &QAction::triggered, this, [this] { session_.undo(); });
    redo_ = newCommandAction(Command::Redo, this);
    connect(redo_, &QAction::triggered, this, [this] { session_.redo(); });
    about_ = newCommandAction(Command::About, this);
    connect(about_, &QAction::triggered, this, [this] { session_.about(); });
    addActions({undo_, redo_, about_}); // their keys work wherever the focus is on the form
}

// --- What the designer does ------------------------------------------------------------

void DesignWindow::connectBox(QLineEdit& line, std::size_t field) {
    connect(&line, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { session_.type(field, text.toStdString()); });
    watchTyping(line);
}

void DesignWindow::connectList(QComboBox& combo, int listCtl) {
    // A pick from the list (mouse, arrow keys, wheel) is the user's choice.
    connect(&combo, &QComboBox::activated, this,
            [this, listCtl](int index) { session_.choose(listCtl, index); });
    // Typing over the edit part leaves the list without a current item, even
    // when the typed text equals an item: the combo box's own habit of picking
    // that item when editing ends is cut off.
    disconnect(combo.lineEdit(), &QLineEdit::editingFinished, &combo, nullptr);
    connect(combo.lineEdit(), &QLineEdit::textEdited, this, [this, listCtl](const QString& text) {
        session_.typeOverList(listCtl, text.toStdString());
    });
    watchTyping(*combo.lineEdit());
}

void DesignWindow::connectButton(QPushButton& button, int buttonCtl) {
    connect(&button, &QPushButton::clicked, this, [this, buttonCtl] { session_.click(buttonCtl); });
}

void DesignWindow::watchTyping(QLineEdit& line) {
    line.installEventFilter(this);
}

bool DesignWindow::isHistoryKey(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    const auto matches = [&](const QAction* action) {
        const QList<QKeySequence> keys = action->shortcuts();
        return std::find(keys.begin(), keys.end(), pressed) != keys.end();
    };
    return matches(undo_) || matches(redo_);
}

bool DesignWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusOut:
        session_.leaveBox(); // the designer left the box
        break;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        // Undo and redo are the form's, not the box's: the box's own would
        // take back characters and leave the boxes its rule rewrote behind.
        // The key goes on to the form's command; while that has no step to
        // take, the box does not get it either.
        if (isHistoryKey(*static_cast<QKeyEvent*>(event))) {
            event->setAccepted(event->type() == QEvent::KeyPress);
            return true;
        }
        break;
    case QEvent::DragEnter:
        // A file dragged over a box is for the window to open, not text to paste.
        if (static_cast<QDragEnterEvent*>(event)->mimeData()->hasUrls()) {
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// --- Showing the session's form -----------------------------------------------------------

void DesignWindow::sessionChanged(const SessionChanges& changes) {
    if (changes.library || changes.replaced) {
        refillLibraryLists();
    }
    if (changes.form) {
        showModel();
    }
    if (changes.history) {
        showHistory();
    }
    if (changes.refusedBox) {
        focusFailedBox();
    }
}

void DesignWindow::showModel() {
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        putText(*boxes_[field], qtext(model().editText(field)));
    }
    showLists();
    for (const auto& [control, label] : texts_) {
        const QString text = shown(model().staticText(control));
        if (label->text() != text) {
            label->setText(text);
        }
    }
    for (const VisibilityDef& toggled : kToggledControls) {
        QWidget* widget = button(toggled.controlId);
        if (widget == nullptr) {
            widget = list(toggled.controlId);
        }
        widget->setHidden(!model().isVisible(toggled.controlId));
    }
    for (const auto& [control, option] : options_) {
        const QSignalBlocker block(option);
        option->setChecked(model().isChecked(control));
    }
}

void DesignWindow::showLists() {
    for (const auto& [control, combo] : lists_) {
        showList(*combo, control);
    }
}

// The lists of the library's kinds with their entries as the design now
// holds them: an entry's place may now be another's, so they start again.
void DesignWindow::refillLibraryLists() {
    for (const LibraryKind kind : kLibraryKinds) {
        QComboBox* combo = list(libraryListControl(kind));
        if (combo != nullptr) {
            const QSignalBlocker block(combo);
            combo->clear();
            showList(*combo, libraryListControl(kind));
        }
    }
}

void DesignWindow::showList(QComboBox& combo, int listCtl) {
    const QSignalBlocker blockList(combo);
    const std::vector<std::string>& items = model().items(listCtl);
    if (combo.count() != static_cast<int>(items.size())) {
        // Lists only grow (the catalogue takes its further rows once).
        if (combo.count() > static_cast<int>(items.size())) {
            combo.clear();
        }
        // The designer's own entries, after the built-in items, in italics.
        const std::size_t builtIn = model().builtInItemCount(listCtl);
        QFont own = combo.font();
        own.setItalic(true);
        for (auto i = static_cast<std::size_t>(combo.count()); i < items.size(); ++i) {
            combo.addItem(i < builtIn ? shown(items[i]) : qtext(items[i]));
            if (i >= builtIn) {
                combo.setItemData(static_cast<int>(i), own, Qt::FontRole);
            }
        }
        fitPopupToRows(combo);
    }
    QLineEdit& line = *combo.lineEdit();
    // An item as the list shows it; what the designer typed over it, as typed.
    const int current = model().currentIndex(listCtl);
    const QString wanted = current >= 0 && current < combo.count()
                               ? combo.itemText(current)
                               : qtext(model().listEditText(listCtl));
    if (combo.currentIndex() != model().currentIndex(listCtl)) {
        const bool typing = line.hasFocus();
        const int caret = line.cursorPosition();
        const QSignalBlocker blockLine(line);
        combo.setCurrentIndex(model().currentIndex(listCtl));
        line.setText(wanted);
        if (typing) {
            line.setCursorPosition(std::min(caret, static_cast<int>(wanted.size())));
        }
    }
    putText(line, wanted);
    if (!line.hasFocus()) {
        line.home(false); // a long item shows its beginning, as the designer reads it
    }
}

void DesignWindow::showWordsAgain() {
    for (const auto& [widget, words] : words_) {
        const QString text = shown(words);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(text);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            group->setTitle(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(text);
        }
    }
    for (const auto& [control, combo] : lists_) {
        const QSignalBlocker block(combo);
        combo->clear();
        showList(*combo, control);
    }
    showModel();
    fixFormSize();
}

void DesignWindow::showHistory() {
    undo_->setEnabled(session_.canUndo());
    redo_->setEnabled(session_.canRedo());
}

void DesignWindow::focusFailedBox() {
    const auto field = fieldIndexByControl(model().focusedControl());
    if (!field) {
        return;
    }
    QLineEdit* line = boxes_[*field];
    line->setFocus(Qt::OtherFocusReason);
    if (model().focusTextSelected()) {
        line->selectAll();
    }
}

void DesignWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(about_);
    menu.exec(event->globalPos());
}

void DesignWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        emit firstFramePainted();
    }
}

// --- Lookup ---------------------------------------------------------------------------

QComboBox* DesignWindow::list(int listCtl) const {
    return findControl(lists_, listCtl);
}

QLabel* DesignWindow::text(int textCtl) const {
    return findControl(texts_, textCtl);
}

QPushButton* DesignWindow::button(int buttonCtl) const {
    return findControl(buttons_, buttonCtl);
}

QRadioButton* DesignWindow::option(int optionCtl) const {
    return findControl(options_, optionCtl);
}

} // namespace gelvant
