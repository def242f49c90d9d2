#pragma once

#include "document/design_document.h"
#include "form/design_form.h"
#include "form/form_cells_table.h"
#include "sheet/design_dlg.h"
#include "sheet/field_dictionary.h"
#include "sheet/messages.h"

#include <QWidget>
#include <array>
#include <functional>
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

// The design form on screen. It holds no rule of its own: it shows what the
// form model (CDesignDlg) holds, hands every edit, pick and click of the user
// to the model through the design document, which makes each one an undo
// step, and after each one shows the model's boxes, lists, texts and
// visibility again. Writes of the model never reach the model back as edits.
class CDesignWindow : public QWidget {
    Q_OBJECT
public:
    explicit CDesignWindow(MessagePresenter& presenter,
                           FormListsAndEvents layout = designFormListsAndEvents(),
                           QWidget* parent = nullptr);
    ~CDesignWindow() override;

    // The start-up sequence, run before the form is first shown; its message
    // boxes therefore come before the form.
    void initialise();

    CDesignDlg& model() { return model_; }
    const DesignDocument& document() const { return document_; }
    // For the room commands, selector and summary, which tell the document
    // what the designer did themselves and then call showDocument().
    DesignDocument& document() { return document_; }
    // Runs a command on the design (undo, a new project, the project
    // information), then shows the form as the document left it.
    void act(const std::function<void(DesignDocument&)>& command);
    // Shows the form as the document now holds it, after a change made
    // straight on the document, and tells the owner (documentChanged).
    void showDocument();
    // Shows exactly what the model holds; used after every forwarded event.
    void showModel();

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
    // A user action or a command has run: the design may have changed.
    void documentChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Sits between the model and the real presenter: notes the prompts of a
    // failed read and lets the form catch up before a box is shown over it.
    class WatchingPresenter final : public MessagePresenter {
    public:
        WatchingPresenter(MessagePresenter& shown, CDesignWindow& window)
            : shown_(shown), window_(window) {}
        void showMessage(const Message& message) override;
        void showAbout() override { shown_.showAbout(); }
        bool promptShown = false;

    private:
        MessagePresenter& shown_;
        CDesignWindow& window_;
    };

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
    int em() const;
    int rowHeight() const;
    void fixFormSize();
    void makeActions();
    void watchTyping(QLineEdit& line);
    bool isHistoryKey(const QKeyEvent& key) const;

    // Runs one user action on the model, then shows the model again and, if
    // a box failed to parse, gives it the focus with its text selected.
    void forward(const std::function<void()>& action);
    void showLists();
    void showList(QComboBox& combo, int listCtl);
    void fitPopupToRows(QComboBox& combo);
    void focusFailedBox();
    void openAbout();
    void showHistory();

    WatchingPresenter presenter_;
    CDesignDlg model_;
    DesignDocument document_;
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
    bool painted_ = false;
};

} // namespace gelvant
