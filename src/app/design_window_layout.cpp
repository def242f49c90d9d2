#include "app/design_window.h"
#include "app/qt_text.h"
#include "app/view_language.h"
#include "form/controls.h"
#include "form_tables/form_cells_table.h"
#include "form_tables/form_groups_table.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

// The form's controls, laid out band by band, column by column and group by
// group from the form's tables, each as dense as the classic dialog.

namespace gelvant {
namespace {

QLabel* makeLabel(QWidget& owner, const QString& text) {
    auto* label = new QLabel(text, &owner);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

// A label of fixed words, shown again when the language changes.
QLabel* DesignWindow::makeWords(QWidget& owner, std::string_view text) {
    QLabel* label = makeLabel(owner, shown(text));
    words_.emplace_back(label, text);
    return label;
}

void DesignWindow::buildForm() {
    auto* outer = new QVBoxLayout(this);
    // Tight edges, so that the form with a menu bar and a title bar fits a
    // 1280x800 screen above the desktop's panel.
    outer->setContentsMargins(6, 2, 6, 3);
    outer->setSpacing(2);

    topNote_ = makeWords(*this, kFormTopNote);
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

QLayout* DesignWindow::buildBand(int band) {
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

QWidget* DesignWindow::buildGroup(int group) {
    const FormGroupDef& def = kFormGroups[static_cast<std::size_t>(group)];
    auto* box = new QGroupBox(shown(def.title), this);
    words_.emplace_back(box, def.title);
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

void DesignWindow::placeCell(QGridLayout& grid, QWidget& owner, const FormCellDef& cell) {
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
        widget = makeWords(owner, cell.caption);
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

void DesignWindow::placeField(QGridLayout& grid, QWidget& owner, const FormCellDef& cell) {
    const std::size_t field = *fieldIndexByControl(cell.control);
    QLineEdit* line = makeBox(owner, field);
    QLabel* label = makeWords(owner, kFields[field].label);
    boxLabels_[field] = label;
    if (cell.kind == CellKind::Field) {
        grid.addWidget(label, cell.row, cell.column);
        grid.addWidget(line, cell.row, cell.column + 1);
    } else {
        grid.addWidget(line, cell.row, cell.column); // its label stays out of sight
    }
    label->setHidden(cell.kind == CellKind::BareField || line->isHidden());
}

QLabel* DesignWindow::makeText(QWidget& owner, const FormCellDef& cell) {
    QLabel* label = makeLabel(owner, shown(model().staticText(cell.control)));
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

QPushButton* DesignWindow::makeButton(QWidget& owner, const FormCellDef& cell) {
    auto* button = new QPushButton(shown(cell.caption), &owner);
    words_.emplace_back(button, cell.caption);
    button->setAutoDefault(false); // Enter in a box presses nothing
    QSizePolicy policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true); // the form keeps its shape when it hides
    button->setSizePolicy(policy);
    connectButton(*button, cell.control);
    buttons_.emplace_back(cell.control, button);
    return button;
}

QRadioButton* DesignWindow::makeOption(QWidget& owner, const FormCellDef& cell) {
    auto* option = new QRadioButton(shown(cell.caption), &owner);
    words_.emplace_back(option, cell.caption);
    option->setAutoExclusive(false); // the model sets each one
    option->setHidden(true);
    options_.emplace_back(cell.control, option);
    return option;
}

QLineEdit* DesignWindow::makeBox(QWidget& owner, std::size_t field) {
    auto* line = new QLineEdit(&owner);
    line->setFixedSize(fontMetrics().horizontalAdvance(QStringLiteral("0.333333")) + 8,
                       rowHeight());
    line->setReadOnly(kFields[field].box == BoxStyle::ReadOnly);
    line->setHidden(kFields[field].box == BoxStyle::Hidden);
    boxes_[field] = line;
    connectBox(*line, field);
    return line;
}

QComboBox* DesignWindow::makeList(QWidget& owner, int listCtl, int widthEm) {
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
    const auto def = std::find_if(model().listDefs().begin(), model().listDefs().end(),
                                  [&](const ListDef& d) { return d.controlId == listCtl; });
    combo->setHidden(def != model().listDefs().end() && def->hidden);
    connectList(*combo, listCtl);
    lists_.emplace_back(listCtl, combo);
    return combo;
}

int DesignWindow::em() const {
    return fontMetrics().horizontalAdvance(QChar(0x56FD)); // one Chinese character
}

int DesignWindow::rowHeight() const {
    // A dense form: a box is just tall enough for its line of text.
    return fontMetrics().height() + 4;
}

void DesignWindow::fixFormSize() {
    // Lay the groups out, then wrap the note to their width and freeze the form.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    topNote_->setMinimumHeight(0);
    topNote_->setMaximumHeight(QWIDGETSIZE_MAX);
    layout()->invalidate();
    layout()->activate();
    const QMargins margins = layout()->contentsMargins();
    const int width = sizeHint().width();
    topNote_->setFixedHeight(topNote_->heightForWidth(width - margins.left() - margins.right()));
    layout()->activate();
    // Texts the rules rewrite keep the room they were given, whatever they hold.
    setFixedSize(sizeHint().expandedTo(minimumSizeHint()));
}

void DesignWindow::fitPopupToRows(QComboBox& combo) {
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

} // namespace gelvant
