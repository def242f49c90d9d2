#pragma once

#include "project/project.h"
#include "report/report_model.h"
#include "session/command_table.h"
#include "session/document_workflow.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QAction;
class QPrinter;
class QWidget;

namespace gelvant {

// The report commands of the main window: 导出计算书(PDF)... (Ctrl+E),
// 打印预览..., 打印... (Ctrl+P), 导出结果(CSV)... and 复制结果 (Ctrl+Shift+C).
// It owns the actions; the window puts them into its menus. Every command
// reports on the project as it stands when the command is given. For a
// project of several rooms, the PDF and the printing ask whether to report
// on the whole project or on the current room.
class ReportCommands : public QObject {
    Q_OBJECT
public:
    using ProjectSource = std::function<const Project&()>;
    // The design file's path; empty while the design is not saved.
    using PathSource = std::function<QString()>;

    // What the commands ask the designer and tell them. By default file
    // dialogs and message boxes over the window; tests answer instead.
    struct Dialogs {
        // A file to write; empty when the designer cancels.
        std::function<QString(const QString& caption, const QString& suggested,
                              const QString& filter)>
            saveFileName;
        // Whole project or current room; nothing when the designer cancels.
        std::function<std::optional<ReportScope>(const QString& caption)> scope;
        std::function<void(const QString& caption, const QString& text)> failure;
        // Whether to compute every room first when results are not current.
        std::function<Answer(const Question& question)> ask;
    };

    ReportCommands(QWidget* window, ProjectSource project, PathSource designPath);

    void setDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }
    // What 计算全部 does when the designer asks for it before a report.
    void setComputeAll(std::function<void()> computeAll) { computeAll_ = std::move(computeAll); }

    // The action of one of the report's commands (the PDF, the print
    // preview, printing, the CSV, copying the results); nullptr for another.
    QAction* action(Command command) const;

    // The work under the actions, without asking anything.
    Report report(ReportScope scope) const;
    bool exportPdfTo(const QString& path, ReportScope scope);
    bool exportCsvTo(const QString& path);
    int print(QPrinter& printer, ReportScope scope) const;
    // The current room's cooling-load table, tab-separated, to the clipboard.
    void copyResults() const;

    // Where a file is offered: beside the design file, named after it (and
    // after the room when only the current room is reported); in the home
    // folder while the design is not saved.
    static QString suggestedFileName(const QString& designPath, const QString& roomName,
                                     const QString& extension);

private:
    void exportPdf();
    void printPreview();
    void printOnPrinter();
    void exportCsv();
    // The scope a sheet covers, once its results are settled; nothing when
    // the designer cancels.
    std::optional<ReportScope> askScope(const QString& caption) const;
    // Asks, when rooms the sheet covers hold results that are not current,
    // whether to compute them all first; false when the designer cancels.
    bool resultsSettled(bool wholeProject) const;
    void fail(const QString& caption, const QString& path, const std::error_code& error) const;

    QWidget* window_;
    ProjectSource project_;
    PathSource designPath_;
    Dialogs dialogs_;
    std::function<void()> computeAll_;
    QAction* exportPdf_;
    QAction* printPreview_;
    QAction* print_;
    QAction* exportCsv_;
    QAction* copyResults_;
};

} // namespace gelvant
