#include "app/summary_window.h"

#include "app/command_actions.h"
#include "app/qt_text.h"
#include "app/view_language.h"
#include "plant/machine_load.h"
#include "project/summary.h"
#include "session/view_texts.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace gelvant {
namespace {

// Names and the equipment read from the left, figures from the right.
constexpr std::size_t kRoomNameColumn = 0;
constexpr std::size_t kRoomEquipmentColumn = 5;
constexpr std::size_t kGroupRoomsColumn = 1;
constexpr std::size_t kMachineUseColumn = 1;
constexpr std::size_t kMachineCoefficientsColumn = 7;

template <std::size_t N>
void showHeaders(QTableWidget& table, const std::array<SummaryColumn, N>& columns) {
    QStringList headers;
    for (const SummaryColumn& column : columns) {
        headers << shown(columnHeader(column));
    }
    table.setHorizontalHeaderLabels(headers);
}

template <std::size_t N>
QTableWidget* makeTable(QWidget& owner, const std::array<SummaryColumn, N>& columns) {
    auto* table = new QTableWidget(0, static_cast<int>(N), &owner);
    showHeaders(*table, columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    // As tall as its rows: the window opens showing every table whole.
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return table;
}

// The last row is the project total: it stands out from the groups above it.
void boldenLastRow(QTableWidget& table) {
    for (int row = 0; row < table.rowCount(); ++row) {
        const bool total = row + 1 == table.rowCount();
        for (int column = 0; column < table.columnCount(); ++column) {
            QTableWidgetItem* item = table.item(row, column);
            if (item != nullptr && item->font().bold() != total) {
                QFont font = item->font();
                font.setBold(total);
                item->setFont(font);
            }
        }
    }
}

QString joinedLines(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines) {
        if (!text.isEmpty()) {
            text += QLatin1Char('\n');
        }
        text += shown(line);
    }
    return text;
}

// The formula, the coefficients and how Q2 is counted, in three lines.
QString coefficientsText(const MachineLoadTable& table) {
    QString text = qtext(kMachineLoadFormula) + QLatin1Char('\n');
    for (std::size_t i = 0; i < table.coefficients.size() && i < 6; ++i) {
        text += (i == 0 ? QString() : shown(view_text::kListSeparator)) +
                shown(table.coefficients[i].label) + QLatin1Char(' ') +
                shown(table.coefficients[i].value);
    }
    return text + shown(view_text::kListSeparator) + shown(view_text::kN4N5Brief) +
           QLatin1Char('\n') + shown(kGoodsFlowNote);
}

// Writes one row, touching only the cells whose text differs.
template <std::size_t N>
void putRow(QTableWidget& table, int row, const std::array<std::string, N>& texts,
            std::initializer_list<std::size_t> leftColumns) {
    for (std::size_t column = 0; column < N; ++column) {
        const int c = static_cast<int>(column);
        QTableWidgetItem* item = table.item(row, c);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            const bool left =
                std::find(leftColumns.begin(), leftColumns.end(), column) != leftColumns.end();
            item->setTextAlignment(Qt::AlignVCenter | (left ? Qt::AlignLeft : Qt::AlignRight));
            table.setItem(row, c, item);
        }
        const QString text = shown(texts[column]);
        if (item->text() != text) {
            item->setText(text);
        }
    }
}

// A list of room names may be cut to the column's width: its tip shows it whole.
void tipWholeNames(QTableWidget& table, int column) {
    for (int row = 0; row < table.rowCount(); ++row) {
        QTableWidgetItem* item = table.item(row, column);
        if (item != nullptr && item->toolTip() != item->text()) {
            item->setToolTip(item->text());
        }
    }
}

// Up to this many rows of a table are always in sight; more scroll.
constexpr int kRowsInSight = 11;

void setRowCount(QTableWidget& table, std::size_t rows) {
    if (table.rowCount() == static_cast<int>(rows)) {
        return;
    }
    table.setRowCount(static_cast<int>(rows));
    // Room for the rows and for a horizontal scroll bar, which a narrow
    // screen may need: the rows stay in sight whatever the width.
    const int shown = std::min(table.rowCount(), kRowsInSight);
    table.setMinimumHeight(table.horizontalHeader()->sizeHint().height() +
                           shown * table.verticalHeader()->defaultSectionSize() +
                           2 * table.frameWidth() +
                           table.horizontalScrollBar()->sizeHint().height());
}

} // namespace

SummaryWindow::SummaryWindow(DesignSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session),
      showAction_(newCommandAction(Command::Summary, this)),
      loadUnitLabel_(new QLabel(shown(view_text::kLoadUnitLabel), this)),
      loadUnit_(new QComboBox(this)), rooms_(makeTable(*this, kRoomColumns)),
      totalsCaption_(new QLabel(shown(view_text::kTotalsCaption), this)),
      totals_(makeTable(*this, kGroupColumns)), notes_(new QPlainTextEdit(this)),
      machineCaption_(new QLabel(shown(kMachineLoadTitle), this)),
      machineGroupsCaption_(new QLabel(shown(view_text::kMachineGroupsCaption), this)),
      machineCoefficients_(new QLabel(this)), machineRooms_(makeTable(*this, kMachineRoomColumns)),
      machineGroups_(makeTable(*this, kMachineGroupColumns)), plantNotes_(new QLabel(this)) {
    setWindowTitle(shown(view_text::kSummaryTitle));
    // Today's summary on the left, the machine load beside it: row for row
    // the same rooms, and the same groups from the coldest up.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(4);
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(loadUnitLabel_);
    unitRow->addWidget(loadUnit_);
    unitRow->addStretch();
    layout->addLayout(unitRow, 0, 0);
    layout->addWidget(machineCaption_, 0, 1);
    layout->addWidget(rooms_, 1, 0);
    layout->addWidget(machineRooms_, 1, 1);
    layout->addWidget(totalsCaption_, 2, 0);
    layout->addWidget(machineGroupsCaption_, 2, 1);
    layout->addWidget(totals_, 3, 0);
    layout->addWidget(machineGroups_, 3, 1);
    layout->addWidget(notes_, 4, 0, Qt::AlignTop);
    auto* machineNotes = new QVBoxLayout;
    machineNotes->addWidget(machineCoefficients_);
    machineNotes->addWidget(plantNotes_);
    layout->addLayout(machineNotes, 4, 1, Qt::AlignTop);
    layout->setRowStretch(1, 3);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    QFont captionFont = machineCaption_->font();
    captionFont.setBold(true);
    machineCaption_->setFont(captionFont);
    machineCoefficients_->setWordWrap(true);
    machineCoefficients_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    plantNotes_->setWordWrap(true);
    plantNotes_->setHidden(true);
    machineRooms_->setToolTip(shown(view_text::kDoubleClickToGoHint));
    machineGroups_->setSelectionMode(QAbstractItemView::NoSelection);
    machineGroups_->verticalHeader()->hide();
    rooms_->setToolTip(shown(view_text::kDoubleClickToGoHint));
    totals_->setSelectionMode(QAbstractItemView::NoSelection);
    totals_->verticalHeader()->hide();
    notes_->setReadOnly(true);
    notes_->setHidden(true);
    // A few notes in sight; more scroll.
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 4 + 2 * notes_->frameWidth() + 8);

    for (const LoadUnitDef& def : kLoadUnits) {
        loadUnit_->addItem(qtext(def.symbol));
    }
    loadUnitLabel_->setBuddy(loadUnit_);
    loadUnit_->setToolTip(shown(view_text::kLoadUnitHint));
    connect(loadUnit_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < kLoadUnits.size()) {
            session_.setLoadUnit(kLoadUnits.at(static_cast<std::size_t>(index)).unit);
        }
    });
    connect(showAction_, &QAction::triggered, this, [this] {
        show(); // brings the table up to date (showEvent)
        raise();
        activateWindow();
    });
    // A double click, or Enter on a row.
    for (QTableWidget* table : {rooms_, machineRooms_}) {
        connect(table, &QTableWidget::activated, this,
                [this](const QModelIndex& index) { goToRoom(index.row()); });
    }
}

void SummaryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
    if (!fitted_) {
        fitted_ = true;
        fitToColumns();
    }
}

void SummaryWindow::showWordsAgain() {
    setWindowTitle(shown(view_text::kSummaryTitle));
    totalsCaption_->setText(shown(view_text::kTotalsCaption));
    machineCaption_->setText(shown(kMachineLoadTitle));
    machineGroupsCaption_->setText(shown(view_text::kMachineGroupsCaption));
    machineRooms_->setToolTip(shown(view_text::kDoubleClickToGoHint));
    rooms_->setToolTip(shown(view_text::kDoubleClickToGoHint));
    loadUnitLabel_->setText(shown(view_text::kLoadUnitLabel));
    loadUnit_->setToolTip(shown(view_text::kLoadUnitHint));
    const LoadUnit unit = session_.project().loadUnit;
    showHeaders(*rooms_, columnsIn(kRoomColumns, unit));
    showHeaders(*totals_, columnsIn(kGroupColumns, unit));
    showHeaders(*machineRooms_, columnsIn(kMachineRoomColumns, unit));
    showHeaders(*machineGroups_, columnsIn(kMachineGroupColumns, unit));
    headersUnit_ = unit;
    refresh();
    for (QTableWidget* table : {rooms_, totals_, machineRooms_, machineGroups_}) {
        table->resizeColumnsToContents();
    }
}

void SummaryWindow::refresh() {
    if (!isVisible()) {
        return; // showing the window refreshes it
    }
    const Project& project = session_.project();
    const ProjectSummary summary = summarizeProject(project);
    const SummaryTable table = summaryTable(summary, project.loadUnit);
    const MachineLoadTable machine =
        machineLoadTable(summary, machineLoad(project, summary), project.loadUnit);
    showLoadUnit();
    const bool newUnit = headersUnit_ != project.loadUnit;
    if (newUnit) {
        headersUnit_ = project.loadUnit;
        showHeaders(*rooms_, table.roomColumns);
        showHeaders(*totals_, table.groupColumns);
        showHeaders(*machineRooms_, machine.roomColumns);
        showHeaders(*machineGroups_, machine.groupColumns);
    }
    showTable(table);
    showMachineLoad(machine);
    if (newUnit) {
        for (QTableWidget* shownTable : {rooms_, totals_, machineRooms_, machineGroups_}) {
            shownTable->resizeColumnsToContents();
        }
    }
}

void SummaryWindow::showLoadUnit() {
    const int index = static_cast<int>(session_.project().loadUnit);
    if (loadUnit_->currentIndex() != index) {
        const QSignalBlocker quiet(loadUnit_);
        loadUnit_->setCurrentIndex(index);
    }
}

void SummaryWindow::showTable(const SummaryTable& table) {
    const bool newRows = rooms_->rowCount() != static_cast<int>(table.rooms.size());
    showRooms(table.rooms);
    showTotals(table);
    showNotes(table.notes);
    if (newRows) {
        rooms_->resizeColumnsToContents();
    }
}

void SummaryWindow::showRooms(const std::vector<SummaryRoomRow>& rows) {
    setRowCount(*rooms_, rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        putRow(*rooms_, static_cast<int>(row), rows[row], {kRoomNameColumn, kRoomEquipmentColumn});
    }
    // The current room's row is the one selected.
    const int current = static_cast<int>(session_.project().current);
    if (rooms_->currentRow() != current) {
        rooms_->setCurrentCell(current, 0);
    }
}

void SummaryWindow::showTotals(const SummaryTable& table) {
    setRowCount(*totals_, table.groups.size() + 1);
    for (std::size_t row = 0; row < table.groups.size(); ++row) {
        putRow(*totals_, static_cast<int>(row), table.groups[row], {kGroupRoomsColumn});
    }
    putRow(*totals_, static_cast<int>(table.groups.size()), table.total, {0, kGroupRoomsColumn});
    boldenLastRow(*totals_);
    tipWholeNames(*totals_, static_cast<int>(kGroupRoomsColumn));
}

void SummaryWindow::showNotes(const std::vector<std::string>& notes) {
    const QString text = joinedLines(notes);
    if (notes_->toPlainText() != text) {
        notes_->setPlainText(text);
    }
    notes_->setHidden(notes.empty());
}

void SummaryWindow::showMachineLoad(const MachineLoadTable& table) {
    const QString coefficients = coefficientsText(table);
    if (machineCoefficients_->text() != coefficients) {
        machineCoefficients_->setText(coefficients);
    }
    const bool newRows = machineRooms_->rowCount() != static_cast<int>(table.rooms.size());
    setRowCount(*machineRooms_, table.rooms.size());
    for (std::size_t row = 0; row < table.rooms.size(); ++row) {
        putRow(*machineRooms_, static_cast<int>(row), table.rooms[row],
               {kRoomNameColumn, kMachineUseColumn, kMachineCoefficientsColumn});
    }
    const int current = static_cast<int>(session_.project().current);
    if (machineRooms_->currentRow() != current) {
        machineRooms_->setCurrentCell(current, 0);
    }
    setRowCount(*machineGroups_, table.groups.size() + 1);
    for (std::size_t row = 0; row < table.groups.size(); ++row) {
        putRow(*machineGroups_, static_cast<int>(row), table.groups[row], {kGroupRoomsColumn});
    }
    putRow(*machineGroups_, static_cast<int>(table.groups.size()), table.total,
           {0, kGroupRoomsColumn});
    boldenLastRow(*machineGroups_);
    tipWholeNames(*machineGroups_, static_cast<int>(kGroupRoomsColumn));
    std::vector<std::string> lines = table.basis;
    lines.insert(lines.end(), table.tempDiffNotes.begin(), table.tempDiffNotes.end());
    const QString notes = joinedLines(lines);
    if (plantNotes_->text() != notes) {
        plantNotes_->setText(notes);
    }
    plantNotes_->setHidden(notes.isEmpty());
    if (newRows) {
        machineRooms_->resizeColumnsToContents();
    }
}

void SummaryWindow::goToRoom(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= session_.project().rooms.size()) {
        return;
    }
    if (static_cast<std::size_t>(row) != session_.project().current) {
        session_.selectRoom(static_cast<std::size_t>(row));
    }
    // The designer goes to the form to work on the room.
    if (QWidget* owner = parentWidget()) {
        owner->raise();
        owner->activateWindow();
    }
}

void SummaryWindow::fitToColumns() {
    // The two sides wide enough for every column, the long lists of room
    // names cut to a readable width (the cell's tip shows them whole), and
    // every row in sight, when the screen allows it.
    const int roomNamesMm = 24 * fontMetrics().horizontalAdvance(QChar(0x56FD));
    const auto tableWidth = [&](QTableWidget* table, int namesColumn) {
        table->resizeColumnsToContents();
        if (namesColumn >= 0 && table->columnWidth(namesColumn) > roomNamesMm) {
            table->setColumnWidth(namesColumn, roomNamesMm);
        }
        return table->horizontalHeader()->length() + table->verticalHeader()->width() +
               2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    };
    const int left =
        std::max(tableWidth(rooms_, -1), tableWidth(totals_, static_cast<int>(kGroupRoomsColumn)));
    const int right = std::max(tableWidth(machineRooms_, -1),
                               tableWidth(machineGroups_, static_cast<int>(kGroupRoomsColumn)));
    auto* grid = static_cast<QGridLayout*>(layout());
    const QMargins margins = grid->contentsMargins();
    int width = left + right + grid->horizontalSpacing() + margins.left() + margins.right();
    grid->activate();
    int tall = grid->sizeHint().height();
    if (const QScreen* screen = this->screen()) {
        width = std::min(width, screen->availableGeometry().width() - 40);
        tall = std::min(tall, screen->availableGeometry().height() - 80);
    }
    resize(std::max(width, this->width()), std::max(tall, height()));
}

} // namespace gelvant
