#include "app/design_window.h"

#include "app/form_look.h"
#include "form/form_cells_table.h"
#include "form/form_groups_table.h"
#include "form/startup.h"
#include "sheet/controls.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace gelvant {
namespace {

// The note across the top of the form, blank runs included.
constexpr const char* kTopNote =
    "说明：空库热仅指库板和库内金属材料、空气的降温热量 ，不含操作通风和货物热。"
    "压缩机选用指直接制冷式，冷凝温度一般35-45℃，管道冷损耗取7％，吸气间温差2℃。"
    "间接制冷蒸       发温度和冷量都会相应增加，计算排管面积时未包括冷风机的电机热，"
    "所以一般排管冷要小于冷风机用冷，如排管间另设有电机，应另外计算增加面积和负荷。"
    "对冷风机根据面积       和温度选定型号后输入冷风机功率和台数后二次计算修正结果。"
    "提高温差会使排管和冷风机面积减少，但会降低蒸发温度提高压缩机负荷增加运行成本，"
    "一般取8℃左右比较经济";

constexpr const char* kAboutEntry = "关于 Gelvant(&A)...";
// The system command of the About entry.
constexpr unsigned kAboutCommand = 16;

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

QLabel* makeLabel(QWidget& owner, std::string_view text) {
    auto* label = new QLabel(qtext(text), &owner);
    label->setTextFormat(Qt::PlainText);
    return label;
}

template <typename Widget>
Widget* findControl(const std::vector<std::pair<int, Widget*>>& controls, int controlId) {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](const auto& entry) { return entry.first == controlId; });
    return found == controls.end() ? nullptr : found->second;
}

} // namespace

void CDesignWindow::WatchingPresenter::showMessage(const Message& message) {
    // A failed read prompts under the program's own caption.
    if (message.caption == caption::program) {
        promptShown = true;
    }
    if (window_.isVisible()) {
        window_.showModel(); // the box appears over the form as the rule left it
    }
    shown_.showMessage(message);
}

CDesignWindow::CDesignWindow(MessagePresenter& presenter, FormListsAndEvents layout,
                             QWidget* parent)
    : QWidget(parent), presenter_(presenter, *this), model_(layout, presenter_), document_(model_) {
    setWindowTitle(QStringLiteral("Gelvant"));
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

CDesignWindow::~CDesignWindow() = default;

void CDesignWindow::initialise() {
    forward([this] {
        OnInitDialog(model_);
        // The form as opened is where the design starts: nothing to undo, unchanged.
        document_.replaceProject(
            singleRoomProject(std::make_shared<const FormState>(model_.captureState())));
    });
}

void CDesignWindow::act(const std::function<void(DesignDocument&)>& command) {
    forward([&] { command(document_); });
}

void CDesignWindow::showDocument() {
    forward([] {});
}

void CDesignWindow::makeActions() {
    undo_ = new QAction(QStringLiteral("撤销(&U)"), this);
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo_, &QAction::triggered, this, [this] { act(&DesignDocument::undo); });
    redo_ = new QAction(QStringLiteral("重做(&R)"), this);
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redo_, &QAction::triggered, this, [this] { act(&DesignDocument::redo); });
    about_ = new QAction(QString::fromUtf8(kAboutEntry), this);
    about_->setShortcut(QKeySequence(Qt::Key_F1));
    connect(about_, &QAction::triggered, this, &CDesignWindow::openAbout);
    addActions({undo_, redo_, about_}); // their keys work wherever the focus is on the form
}

// --- Building the form -----------------------------------------------------------

void CDesignWindow::buildForm() {
    auto* outer = new QVBoxLayout(this);
    // Tight edges, so that the form with a menu bar and a title bar fits a
    // 1280x800 screen above the desktop's panel.
    outer->setContentsMargins(6, 2, 6, 3);
    outer->setSpacing(2);

    topNote_ = new QLabel(QString::fromUtf8(kTopNote), this);
    topNote_->setTextFormat(Qt::PlainText);
    topNote_->setWordWrap(true);
    // The note takes the width of the groups beneath it (see fixFormSize).
    topNote_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    outer->addWidget(topNote_);

    groups_.resize(kFormGroups.size());
    const int bands = 1 + std::max_element(kFormGroups.begin(), kFormGroups.end(),
                                           [](const FormGroupDef& a, const FormGroupDef& b) {
                                               return a.band < b.band;
                                           })
                              ->band;
    for (int band = 0; band < bands; ++band) {
        outer->addLayout(buildBand(band));
    }
}

QLayout* CDesignWindow::buildBand(int band) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    QVBoxLayout* column = nullptr;
    int columnNo = -1;
    QWidget* last = nullptr;
    for (std::size_t g = 0; g < kFormGroups.size(); ++g) {
        if (kFormGroups[g].band != band) {
            continue;
        }
        if (kFormGroups[g].column != columnNo) {
            if (column != nullptr) {
                column->setStretchFactor(last, 1); // the columns end level
            }
            column = new QVBoxLayout;
            column->setSpacing(2);
            row->addLayout(column);
            columnNo = kFormGroups[g].column;
        }
        last = buildGroup(static_cast<int>(g));
        column->addWidget(last);
    }
    if (column != nullptr) {
        column->setStretchFactor(last, 1);
    }
    return row;
}

QWidget* CDesignWindow::buildGroup(int group) {
    const FormGroupDef& def = kFormGroups[static_cast<std::size_t>(group)];
    auto* box = new QGroupBox(qtext(def.title), this);
    if (def.title.empty()) {
        box->setObjectName(QStringLiteral("band"));
    }
    groups_[static_cast<std::size_t>(group)] = box;
    auto* grid = new QGridLayout(box);
    // A title sits on the frame line: the first row starts below it.
    grid->setContentsMargins(5, def.title.empty() ? 3 : fontMetrics().height() / 2 + 1, 5, 3);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(1);
    int lastRow = 0;
    for (const FormCellDef& cell : kFormCells) {
        if (cell.group == static_cast<FormGroup>(group)) {
            placeCell(*grid, *box, cell);
            lastRow = std::max(lastRow, cell.row);
        }
    }
    grid->setRowStretch(lastRow + 1, 1); // rows stay at the top of a stretched group
    return box;
}

void CDesignWindow::placeCell(QGridLayout& grid, QWidget& owner, const FormCellDef& cell) {
    QWidget* widget = nullptr;
    switch (cell.kind) {
    case CellKind::Field:
    case CellKind::BareField:
        placeField(grid, owner, cell);
        return;
    case CellKind::List:
        widget = makeList(owner, cell.control, cell.widthEm);
        if (cell.span == 1 && cell.widthEm > 0) {
            grid.setColumnStretch(cell.column, cell.widthEm); // spare room in proportion
        }
        break;
    case CellKind::Text:
        widget = makeText(owner, cell);
        break;
    case CellKind::Caption:
        widget = makeLabel(owner, cell.caption);
        break;
    case CellKind::Button:
        widget = makeButton(owner, cell);
        break;
    case CellKind::Option:
        widget = makeOption(owner, cell);
        break;
    }
    grid.addWidget(widget, cell.row, cell.column, 1, cell.span);
}

void CDesignWindow::placeField(QGridLayout& grid, QWidget& owner, const FormCellDef& cell) {
    const std::size_t field = *fieldIndexByControl(cell.control);
    QLineEdit* line = makeBox(owner, field);
    QLabel* label = makeLabel(owner, kFields[field].label);
    boxLabels_[field] = label;
    if (cell.kind == CellKind::Field) {
        grid.addWidget(label, cell.row, cell.column);
        grid.addWidget(line, cell.row, cell.column + 1);
    } else {
        grid.addWidget(line, cell.row, cell.column); // its label stays out of sight
    }
    label->setHidden(cell.kind == CellKind::BareField || line->isHidden());
}

QLabel* CDesignWindow::makeText(QWidget& owner, const FormCellDef& cell) {
    QLabel* label = makeLabel(owner, model_.staticText(cell.control));
    // The room a text gets never depends on what it holds at the moment.
    if (cell.widthEm > 0) {
        label->setFixedWidth(cell.widthEm * em());
    } else {
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    if (cell.lines > 1) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFixedHeight(cell.lines * label->fontMetrics().lineSpacing());
    }
    texts_.emplace_back(cell.control, label);
    return label;
}

QPushButton* CDesignWindow::makeButton(QWidget& owner, const FormCellDef& cell) {
    auto* button = new QPushButton(qtext(cell.caption), &owner);
    button->setAutoDefault(false); // Enter in a box presses nothing
    QSizePolicy policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true); // the form keeps its shape when it hides
    button->setSizePolicy(policy);
    const int control = cell.control;
    connect(button, &QPushButton::clicked, this, [this, control] {
        forward([this, control] { document_.perform([&] { model_.userClicks(control); }); });
    });
    buttons_.emplace_back(control, button);
    return button;
}

QRadioButton* CDesignWindow::makeOption(QWidget& owner, const FormCellDef& cell) {
    auto* option = new QRadioButton(qtext(cell.caption), &owner);
    option->setAutoExclusive(false); // the model sets each one
    option->setHidden(true);
    options_.emplace_back(cell.control, option);
    return option;
}

QLineEdit* CDesignWindow::makeBox(QWidget& owner, std::size_t field) {
    auto* line = new QLineEdit(&owner);
    line->setFixedSize(fontMetrics().horizontalAdvance(QStringLiteral("0.333333")) + 8,
                       rowHeight());
    line->setReadOnly(kFields[field].box == BoxStyle::ReadOnly);
    line->setHidden(kFields[field].box == BoxStyle::Hidden);
    boxes_[field] = line;
    connect(line, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        forward([&] { document_.typeInto(field, text.toStdString()); });
    });
    watchTyping(*line);
    return line;
}

QComboBox* CDesignWindow::makeList(QWidget& owner, int listCtl, int widthEm) {
    auto* combo = new QComboBox(&owner);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert); // typing never adds an item
    combo->setCompleter(nullptr);                // nor picks one
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(1);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setRetainSizeWhenHidden(true); // the form keeps its shape when it hides
    combo->setSizePolicy(policy);
    combo->setFixedHeight(rowHeight());
    combo->setMinimumWidth(widthEm * em());
    combo->setMaxVisibleItems(listCtl == ctl::referenceList ? 30 : 20);
    combo->view()->setTextElideMode(Qt::ElideNone);
    const auto def = std::find_if(model_.listDefs().begin(), model_.listDefs().end(),
                                  [&](const ListDef& d) { return d.controlId == listCtl; });
    combo->setHidden(def != model_.listDefs().end() && def->hidden);

    // A pick from the list (mouse, arrow keys, wheel) is the user's choice.
    connect(combo, &QComboBox::activated, this, [this, listCtl](int index) {
        forward([&] { document_.perform([&] { model_.userChooses(listCtl, index); }); });
    });
    // Typing over the edit part leaves the list without a current item, even
    // when the typed text equals an item: the combo box's own habit of picking
    // that item when editing ends is cut off.
    disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, listCtl](const QString& text) {
        forward([&] { document_.typeOverList(listCtl, text.toStdString()); });
    });
    watchTyping(*combo->lineEdit());
    lists_.emplace_back(listCtl, combo);
    return combo;
}

int CDesignWindow::em() const {
    return fontMetrics().horizontalAdvance(QChar(0x56FD)); // one Chinese character
}

int CDesignWindow::rowHeight() const {
    // A dense form: a box is just tall enough for its line of text.
    return fontMetrics().height() + 4;
}

void CDesignWindow::fixFormSize() {
    // Lay the groups out, then wrap the note to their width and freeze the form.
    layout()->activate();
    const QMargins margins = layout()->contentsMargins();
    const int width = sizeHint().width();
    topNote_->setFixedHeight(topNote_->heightForWidth(width - margins.left() - margins.right()));
    layout()->activate();
    // Texts the rules rewrite keep the room they were given, whatever they hold.
    setFixedSize(sizeHint().expandedTo(minimumSizeHint()));
}

// --- Showing the model -----------------------------------------------------------

void CDesignWindow::showModel() {
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        putText(*boxes_[field], qtext(model_.editText(field)));
    }
    showLists();
    for (const auto& [control, label] : texts_) {
        const QString text = qtext(model_.staticText(control));
        if (label->text() != text) {
            label->setText(text);
        }
    }
    for (const VisibilityDef& toggled : kToggledControls) {
        QWidget* widget = button(toggled.controlId);
        if (widget == nullptr) {
            widget = list(toggled.controlId);
        }
        widget->setHidden(!model_.isVisible(toggled.controlId));
    }
    for (const auto& [control, option] : options_) {
        const QSignalBlocker block(option);
        option->setChecked(model_.isChecked(control));
    }
}

void CDesignWindow::showLists() {
    for (const auto& [control, combo] : lists_) {
        showList(*combo, control);
    }
}

void CDesignWindow::showList(QComboBox& combo, int listCtl) {
    const QSignalBlocker blockList(combo);
    const std::vector<std::string>& items = model_.items(listCtl);
    if (combo.count() != static_cast<int>(items.size())) {
        // Lists only grow (the catalogue takes its further rows once).
        if (combo.count() > static_cast<int>(items.size())) {
            combo.clear();
        }
        for (std::size_t i = static_cast<std::size_t>(combo.count()); i < items.size(); ++i) {
            combo.addItem(qtext(items[i]));
        }
        fitPopupToRows(combo);
    }
    QLineEdit& line = *combo.lineEdit();
    const QString wanted = qtext(model_.listEditText(listCtl));
    if (combo.currentIndex() != model_.currentIndex(listCtl)) {
        const bool typing = line.hasFocus();
        const int caret = line.cursorPosition();
        const QSignalBlocker blockLine(line);
        combo.setCurrentIndex(model_.currentIndex(listCtl));
        line.setText(wanted);
        if (typing) {
            line.setCursorPosition(std::min(caret, static_cast<int>(wanted.size())));
        }
    }
    putText(line, wanted);
}

void CDesignWindow::fitPopupToRows(QComboBox& combo) {
    // The drop-down shows every row whole, however narrow the box.
    const QFontMetrics metrics(combo.view()->font());
    int widest = 0;
    for (int i = 0; i < combo.count(); ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(combo.itemText(i)));
    }
    const int chrome = 2 * combo.view()->frameWidth() +
                       combo.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + em();
    combo.view()->setMinimumWidth(widest + chrome);
}

// --- Events ----------------------------------------------------------------------------

void CDesignWindow::forward(const std::function<void()>& action) {
    presenter_.promptShown = false;
    action();
    showModel();
    showHistory();
    if (presenter_.promptShown) {
        focusFailedBox();
    }
    emit documentChanged();
}

void CDesignWindow::showHistory() {
    undo_->setEnabled(document_.canUndo());
    redo_->setEnabled(document_.canRedo());
}

void CDesignWindow::watchTyping(QLineEdit& line) {
    line.installEventFilter(this);
}

bool CDesignWindow::isHistoryKey(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    const auto matches = [&](const QAction* action) {
        const QList<QKeySequence> keys = action->shortcuts();
        return std::find(keys.begin(), keys.end(), pressed) != keys.end();
    };
    return matches(undo_) || matches(redo_);
}

bool CDesignWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusOut:
        document_.endTypingRun(); // the designer left the box
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

void CDesignWindow::focusFailedBox() {
    const auto field = fieldIndexByControl(model_.focusedControl());
    if (!field) {
        return;
    }
    QLineEdit* line = boxes_[*field];
    line->setFocus(Qt::OtherFocusReason);
    if (model_.focusTextSelected()) {
        line->selectAll();
    }
}

void CDesignWindow::openAbout() {
    model_.systemCommand(kAboutCommand);
}

void CDesignWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(about_);
    menu.exec(event->globalPos());
}

void CDesignWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        emit firstFramePainted();
    }
}

// --- Lookup ---------------------------------------------------------------------------

QComboBox* CDesignWindow::list(int listCtl) const {
    return findControl(lists_, listCtl);
}

QLabel* CDesignWindow::text(int textCtl) const {
    return findControl(texts_, textCtl);
}

QPushButton* CDesignWindow::button(int buttonCtl) const {
    return findControl(buttons_, buttonCtl);
}

QRadioButton* CDesignWindow::option(int optionCtl) const {
    return findControl(options_, optionCtl);
}

} // namespace gelvant
