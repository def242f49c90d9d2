#include "app/summary_window.h"

#include "plant/machine_load.h"
#include "project/summary.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace gelvant {
namespace {

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Names and the equipment read from the left, figures from the right.
constexpr std::size_t kRoomNameColumn = 0;
constexpr std::size_t kRoomEquipmentColumn = 5;
constexpr std::size_t kGroupRoomsColumn = 1;
constexpr std::size_t kMachineUseColumn = 1;
constexpr std::size_t kMachineCoefficientsColumn = 7;

template <std::size_t N>
QTableWidget* makeTable(QWidget& owner, const std::array<SummaryColumn, N>& columns) {
    auto* table = new QTableWidget(0, static_cast<int>(N), &owner);
    QStringList headers;
    for (const SummaryColumn& column : columns) {
        headers << qtext(columnHeader(column));
    }
    table->setHorizontalHeaderLabels(headers);
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
        text += qtext(line);
    }
    return text;
}

// The formula and the coefficients in two lines.
QString coefficientsText(const MachineLoadTable& table) {
    QString text = qtext(kMachineLoadFormula) + QLatin1Char('\n');
    for (std::size_t i = 0; i < table.coefficients.size() && i < 6; ++i) {
        text += (i == 0 ? QString() : QStringLiteral("；")) +
                qtext(table.coefficients[i].label + " " + table.coefficients[i].value);
    }
    return text + QStringLiteral("；n4、n5 按同一蒸发温度下同类冷间的间数");
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
        const QString text = qtext(texts[column]);
        if (item->text() != text) {
            item->setText(text);
        }
    }
}

void setRowCount(QTableWidget& table, std::size_t rows) {
    if (table.rowCount() != static_cast<int>(rows)) {
        table.setRowCount(static_cast<int>(rows));
    }
}

} // namespace

SummaryWindow::SummaryWindow(DesignDocument& document, std::function<void()> changed,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), changed_(std::move(changed)),
      showAction_(new QAction(QStringLiteral("项目汇总(&T)..."), this)),
      rooms_(makeTable(*this, kRoomColumns)),
      totalsCaption_(new QLabel(QStringLiteral("按蒸发温度合计（从最低蒸发温度起）"), this)),
      totals_(makeTable(*this, kGroupColumns)), notes_(new QPlainTextEdit(this)),
      machineCaption_(new QLabel(qtext(kMachineLoadTitle), this)),
      machineCoefficients_(new QLabel(this)), machineRooms_(makeTable(*this, kMachineRoomColumns)),
      machineGroups_(makeTable(*this, kMachineGroupColumns)), tempDiffNotes_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("项目汇总"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(rooms_, 3);
    layout->addWidget(totalsCaption_);
    layout->addWidget(totals_, 1);
    layout->addWidget(notes_);
    layout->addWidget(machineCaption_);
    layout->addWidget(machineCoefficients_);
    layout->addWidget(machineRooms_, 3);
    layout->addWidget(machineGroups_, 1);
    layout->addWidget(tempDiffNotes_);
    QFont captionFont = machineCaption_->font();
    captionFont.setBold(true);
    machineCaption_->setFont(captionFont);
    machineCoefficients_->setWordWrap(true);
    machineCoefficients_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tempDiffNotes_->setWordWrap(true);
    tempDiffNotes_->setHidden(true);
    machineRooms_->setToolTip(QStringLiteral("双击一行转到该库房"));
    machineGroups_->setSelectionMode(QAbstractItemView::NoSelection);
    machineGroups_->verticalHeader()->hide();
    rooms_->setToolTip(QStringLiteral("双击一行转到该库房"));
    totals_->setSelectionMode(QAbstractItemView::NoSelection);
    totals_->verticalHeader()->hide();
    notes_->setReadOnly(true);
    notes_->setHidden(true);
    // A few notes in sight; more scroll.
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 4 + 2 * notes_->frameWidth() + 8);

    showAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
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

void SummaryWindow::refresh() {
    if (!isVisible()) {
        return; // showing the window refreshes it
    }
    const ProjectSummary summary = summarizeProject(document_.project());
    showTable(summaryTable(summary));
    showMachineLoad(machineLoadTable(summary, machineLoad(document_.project(), summary)));
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
    const int current = static_cast<int>(document_.project().current);
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
    const int current = static_cast<int>(document_.project().current);
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
    const QString notes = joinedLines(table.tempDiffNotes);
    if (tempDiffNotes_->text() != notes) {
        tempDiffNotes_->setText(notes);
    }
    tempDiffNotes_->setHidden(notes.isEmpty());
    if (newRows) {
        machineRooms_->resizeColumnsToContents();
    }
}

void SummaryWindow::goToRoom(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= document_.project().rooms.size()) {
        return;
    }
    if (static_cast<std::size_t>(row) != document_.project().current) {
        document_.selectRoom(static_cast<std::size_t>(row));
        changed_();
    }
    // The designer goes to the form to work on the room.
    if (QWidget* owner = parentWidget()) {
        owner->raise();
        owner->activateWindow();
    }
}

void SummaryWindow::fitToColumns() {
    // Wide enough for every column of every table and tall enough for every
    // row, when the screen allows it.
    int columns = 0;
    for (QTableWidget* table : {rooms_, totals_, machineRooms_, machineGroups_}) {
        table->resizeColumnsToContents();
        columns = std::max(columns, table->horizontalHeader()->length() +
                                        table->verticalHeader()->width() + 2 * table->frameWidth() +
                                        table->verticalScrollBar()->sizeHint().width());
    }
    const QMargins margins = layout()->contentsMargins();
    int width = columns + margins.left() + margins.right();
    layout()->activate();
    int tall = layout()->sizeHint().height();
    if (const QScreen* screen = this->screen()) {
        width = std::min(width, screen->availableGeometry().width() - 40);
        tall = std::min(tall, screen->availableGeometry().height() - 80);
    }
    resize(std::max(width, this->width()), std::max(tall, height()));
}

} // namespace gelvant
