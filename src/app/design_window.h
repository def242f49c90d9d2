#pragma once

#include "form/design_dlg.h"
#include "form/field_dictionary.h"
#include "form/messages.h"
#include "form_tables/form_cells_table.h"
#include "session/design_session.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <utility>
#include <vector>

class QAction;
class QComboBox;
class QKeyEvent;
class QGridLayout;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gelvant {

// The design form on screen, a view of a design session. It holds no rule of
// its own: it hands every edit, pick and click of the designer to the session
// as a verb, and shows the session's form (boxes, lists, texts, visibility)
// again when the session says the form changed. Writes of the model never
// reach the session back as edits.
class DesignWindow : public QWidget {
    Q_OBJECT
public:
    explicit DesignWindow(DesignSession& session, QWidget* parent = nullptr);
    ~DesignWindow() override;

    // The form model the window shows, read only: changes go through the session.
    const CDesignDlg& model() const { return session_.form(); }
    // Shows exactly what the model holds.
    void showModel();
    // Every word of the form shown again in the window's language, as it is
    // now: labels, titles, captions, buttons, the lists' items and the texts.
    void showWordsAgain();

    // The form's own commands, for a menu to show too: 撤销, 重做 and the
    // About box, with their keys (Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z; F1).
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    QAction* aboutAction() const { return about_; }

    // The controls, by field index or control ID (nullptr when there is none).
    QLineEdit* box(std::size_t field) const { return boxes_.at(field); }
    QLabel* boxLabel(std::size_t field) const { return boxLabels_.at(field); }
    QComboBox* list(int listCtl) const;
    QLabel* text(int textCtl) const;
    QPushButton* button(int buttonCtl) const;
    QRadioButton* option(int optionCtl) const;
    const std::vector<QGroupBox*>& groups() const { return groups_; }
    QLabel* topNote() const { return topNote_; }

signals:
    // The form has been painted on screen for the first time.
    void firstFramePainted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The controls, laid out from the form's group and cell tables
    // (design_window_layout.cpp).
    void buildForm();
    QLayout* buildBand(int band);
    QWidget* buildGroup(int group);
    void placeCell(QGridLayout& grid, QWidget& owner, const FormCellDef& cell);
    void placeField(QGridLayout& grid, QWidget& owner, const FormCellDef& cell);
    QLineEdit* makeBox(QWidget& owner, std::size_t field);
    QComboBox* makeList(QWidget& owner, int listCtl, int widthEm);
    QLabel* makeText(QWidget& owner, const FormCellDef& cell);
    QPushButton* makeButton(QWidget& owner, const FormCellDef& cell);
    QRadioButton* makeOption(QWidget& owner, const FormCellDef& cell);
    QLabel* makeWords(QWidget& owner, std::string_view text);
    int em() const;
    int rowHeight() const;
    void fixFormSize();
    void fitPopupToRows(QComboBox& combo);

    // What the designer does, handed to the session as verbs.
    void makeActions();
    void connectBox(QLineEdit& line, std::size_t field);
    void connectList(QComboBox& combo, int listCtl);
    void connectButton(QPushButton& button, int buttonCtl);
    void watchTyping(QLineEdit& line);
    bool isHistoryKey(const QKeyEvent& key) const;

    // What the session now holds, shown.
    void sessionChanged(const SessionChanges& changes);
    void showLists();
    void refillLibraryLists();
    void showList(QComboBox& combo, int listCtl);
    void focusFailedBox();
    void showHistory();

    DesignSession& session_;
    SessionListenerId listener_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* about_ = nullptr;
    std::array<QLineEdit*, kFieldCount> boxes_{};
    std::array<QLabel*, kFieldCount> boxLabels_{};
    std::vector<std::pair<int, QComboBox*>> lists_;
    std::vector<std::pair<int, QLabel*>> texts_;
    std::vector<std::pair<int, QPushButton*>> buttons_;
    std::vector<std::pair<int, QRadioButton*>> options_;
    std::vector<QGroupBox*> groups_;
    QLabel* topNote_ = nullptr;
    // The fixed words on the form and the core's text each shows.
    std::vector<std::pair<QWidget*, std::string_view>> words_;
    bool painted_ = false;
};

// The presenter the program gives its session: before a box comes up over
// the form on screen, the form shows what the rule has left in it so far.
class FormFirstPresenter final : public MessagePresenter {
public:
    explicit FormFirstPresenter(MessagePresenter& shown) : shown_(shown) {}
    void setForm(DesignWindow* form) { form_ = form; }
    void showMessage(const Message& message) override;
    void showAbout() override { shown_.showAbout(); }

private:
    MessagePresenter& shown_;
    QPointer<DesignWindow> form_;
};

} // namespace gelvant
