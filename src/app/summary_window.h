#pragma once

#include "report/machine_load_table.h"
#include "report/summary_table.h"
#include "session/design_session.h"

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

namespace gelvant {

// 项目汇总: the plant as the rooms add up, in a window of its own beside the
// form. The rooms table (a room not computed says 未计算), beneath it one
// total per evaporating temperature from the coldest up and the project
// total, then the notes on rooms left out of the sums: exactly the texts of
// summaryTable(). Beside them the section 机械负荷（GB 50072）: the
// coefficients used, every room's use, flows and coefficients, the machine
// load per evaporating temperature with the project total, and the rooms
// whose temperature difference is beyond the system's limit: the texts of
// machineLoadTable(). Every table is as tall as its rows, so that a project
// of up to ten rooms is seen whole at the opening size. A double click on a
// room (or Enter) goes to that room. Above them the list 负荷单位: the
// design's unit for loads, one undo step, followed by every table here and
// by the calculation sheet. The main window's menu commands work from here
// too (Ctrl+Z, Ctrl+PgDown, ...).
//
// The owner calls refresh() after every change of the session; while the
// window is hidden that costs nothing, and showing it brings it up to date.
class SummaryWindow : public QWidget {
    Q_OBJECT
public:
    explicit SummaryWindow(DesignSession& session, QWidget* parent = nullptr);

    // 项目汇总(&T)... with Ctrl+T: shows the window and brings it to the front.
    QAction* showAction() const { return showAction_; }

    QTableWidget* roomsTable() const { return rooms_; }
    // The groups by evaporating temperature, then the project total.
    QTableWidget* totalsTable() const { return totals_; }
    QPlainTextEdit* notes() const { return notes_; }
    QLabel* coefficients() const { return machineCoefficients_; }
    QTableWidget* machineRoomsTable() const { return machineRooms_; }
    // The machine load per evaporating temperature, then the project total.
    QTableWidget* machineGroupsTable() const { return machineGroups_; }
    QLabel* plantNotes() const { return plantNotes_; }
    // The units of kLoadUnits, in its order.
    QComboBox* loadUnitList() const { return loadUnit_; }

    void refresh();
    // Its words shown again in the window's language.
    void showWordsAgain();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showLoadUnit();
    void showTable(const SummaryTable& table);
    void showRooms(const std::vector<SummaryRoomRow>& rows);
    void showTotals(const SummaryTable& table);
    void showNotes(const std::vector<std::string>& notes);
    void showMachineLoad(const MachineLoadTable& table);
    void goToRoom(int row);
    void fitToColumns();

    DesignSession& session_;
    QAction* showAction_;
    QLabel* loadUnitLabel_;
    QComboBox* loadUnit_;
    QTableWidget* rooms_;
    QLabel* totalsCaption_;
    QTableWidget* totals_;
    QPlainTextEdit* notes_;
    QLabel* machineCaption_;
    QLabel* machineGroupsCaption_;
    QLabel* machineCoefficients_;
    QTableWidget* machineRooms_;
    QTableWidget* machineGroups_;
    QLabel* plantNotes_;
    bool fitted_ = false;
    LoadUnit headersUnit_ = LoadUnit::W; // the unit the headers name
};

} // namespace gelvant
