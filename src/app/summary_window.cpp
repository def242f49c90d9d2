#include "app/summary_window.h"

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
    return table;
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

SummaryWindow::SummaryWindow(DesignSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session),
      showAction_(new QAction(QStringLiteral("项目汇总(&T)..."), this)),
      rooms_(makeTable(*this, kRoomColumns)),
      totalsCaption_(new QLabel(QStringLiteral("按蒸发温度合计（从最低蒸发温度起）"), this)),
      totals_(makeTable(*this, kGroupColumns)), notes_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("项目汇总"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(rooms_, 3);
    layout->addWidget(totalsCaption_);
    layout->addWidget(totals_, 1);
    layout->addWidget(notes_);
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
    connect(rooms_, &QTableWidget::activated, this,
            [this](const QModelIndex& index) { goToRoom(index.row()); });
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
    showTable(summaryTable(summarizeProject(session_.project())));
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
    const int totalRow = static_cast<int>(table.groups.size());
    putRow(*totals_, totalRow, table.total, {0, kGroupRoomsColumn});
    for (int column = 0; column < totals_->columnCount(); ++column) {
        QTableWidgetItem* item = totals_->item(totalRow, column);
        QFont font = item->font();
        if (!font.bold()) {
            font.setBold(true); // the project total stands out from the groups
            item->setFont(font);
        }
    }
    // A row that was the total before is a group now.
    for (int row = 0; row < totalRow; ++row) {
        for (int column = 0; column < totals_->columnCount(); ++column) {
            QTableWidgetItem* item = totals_->item(row, column);
            if (item->font().bold()) {
                QFont font = item->font();
                font.setBold(false);
                item->setFont(font);
            }
        }
    }
}

void SummaryWindow::showNotes(const std::vector<std::string>& notes) {
    QString text;
    for (const std::string& note : notes) {
        if (!text.isEmpty()) {
            text += QLatin1Char('\n');
        }
        text += qtext(note);
    }
    if (notes_->toPlainText() != text) {
        notes_->setPlainText(text);
    }
    notes_->setHidden(notes.empty());
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
    // Wide enough for every column when the screen allows it.
    rooms_->resizeColumnsToContents();
    totals_->resizeColumnsToContents();
    const int columns = rooms_->horizontalHeader()->length() + rooms_->verticalHeader()->width() +
                        2 * rooms_->frameWidth() + rooms_->verticalScrollBar()->sizeHint().width();
    const QMargins margins = layout()->contentsMargins();
    int width = columns + margins.left() + margins.right();
    if (const QScreen* screen = this->screen()) {
        width = std::min(width, screen->availableGeometry().width() - 40);
    }
    resize(std::max(width, this->width()), height());
}

} // namespace gelvant
