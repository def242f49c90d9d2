#include "app/report_commands.h"

#include "app/command_actions.h"
#include "app/document_prompts.h"
#include "app/qt_text.h"
#include "app/report_painter.h"
#include "app/view_language.h"
#include "document/atomic_file.h"
#include "report/report_export.h"
#include "report/report_language.h"
#include "session/report_questions.h"
#include "session/view_texts.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace gelvant {
namespace {

std::filesystem::path fileSystemPath(const QString& path) {
    return {QFile::encodeName(path).toStdString()};
}

ReportCommands::Dialogs defaultDialogs(QWidget* window,
                                       const ReportCommands::ProjectSource& project) {
    ReportCommands::Dialogs d;
    d.saveFileName = [window](const QString& caption, const QString& suggested,
                              const QString& filter) {
        return QFileDialog::getSaveFileName(window, caption, suggested, filter);
    };
    d.scope = [window, project](const QString& caption) -> std::optional<ReportScope> {
        const Project& p = project();
        QMessageBox box(
            QMessageBox::Question, caption,
            gelvant::shown(view_text::reportScopeQuestion(p.rooms.size(), p.currentRoom().name)),
            QMessageBox::Cancel, window);
        QPushButton* whole =
            box.addButton(gelvant::shown(view_text::kWholeProject), QMessageBox::AcceptRole);
        QPushButton* current =
            box.addButton(gelvant::shown(view_text::kCurrentRoom), QMessageBox::AcceptRole);
        box.setDefaultButton(whole);
        box.exec();
        if (box.clickedButton() == whole) {
            return ReportScope::WholeProject;
        }
        if (box.clickedButton() == current) {
            return ReportScope::CurrentRoom;
        }
        return std::nullopt;
    };
    d.failure = [window](const QString& caption, const QString& text) {
        QMessageBox::warning(window, caption, text);
    };
    d.ask = [window](const Question& question) {
        DialogPrompts prompts;
        prompts.setWindow(window);
        return prompts.ask(question);
    };
    return d;
}

} // namespace

ReportCommands::ReportCommands(QWidget* window, ProjectSource project, PathSource designPath)
    : QObject(window), window_(window), project_(std::move(project)),
      designPath_(std::move(designPath)), dialogs_(defaultDialogs(window, project_)),
      exportPdf_(newCommandAction(Command::ExportPdf, this)),
      printPreview_(newCommandAction(Command::PrintPreview, this)),
      print_(newCommandAction(Command::Print, this)),
      exportCsv_(newCommandAction(Command::ExportCsv, this)),
      copyResults_(newCommandAction(Command::CopyResults, this)) {
    connect(exportPdf_, &QAction::triggered, this, &ReportCommands::exportPdf);
    connect(printPreview_, &QAction::triggered, this, &ReportCommands::printPreview);
    connect(print_, &QAction::triggered, this, &ReportCommands::printOnPrinter);
    connect(exportCsv_, &QAction::triggered, this, &ReportCommands::exportCsv);
    connect(copyResults_, &QAction::triggered, this, &ReportCommands::copyResults);
}

QAction* ReportCommands::action(Command command) const {
    switch (command) {
    case Command::ExportPdf:
        return exportPdf_;
    case Command::PrintPreview:
        return printPreview_;
    case Command::Print:
        return print_;
    case Command::ExportCsv:
        return exportCsv_;
    case Command::CopyResults:
        return copyResults_;
    default:
        return nullptr;
    }
}

Report ReportCommands::report(ReportScope scope) const {
    const QString path = designPath_();
    const QString fileName = path.isEmpty() ? QString() : QFileInfo(path).fileName();
    Report sheet = buildReport(project_(), scope, fileName.toStdString(),
                               QDate::currentDate().toString(Qt::ISODate).toStdString());
    translateReport(sheet, viewLanguage());
    return sheet;
}

bool ReportCommands::exportPdfTo(const QString& path, ReportScope scope) {
    if (const std::error_code error = writeReportPdf(report(scope), fileSystemPath(path))) {
        fail(gelvant::shown(view_text::kExportSheetTitle), path, error);
        return false;
    }
    return true;
}

bool ReportCommands::exportCsvTo(const QString& path) {
    const std::string csv = reportCsv(report(ReportScope::WholeProject));
    if (const std::error_code error = writeFileAtomically(fileSystemPath(path), csv)) {
        fail(gelvant::shown(view_text::kExportResultsTitle), path, error);
        return false;
    }
    return true;
}

int ReportCommands::print(QPrinter& printer, ReportScope scope) const {
    return printReport(report(scope), printer);
}

void ReportCommands::copyResults() const {
    const Report current = report(ReportScope::CurrentRoom);
    if (!current.rooms.empty()) {
        QGuiApplication::clipboard()->setText(
            qtext(loadTableTsv(current.rooms.front(), current.words)));
    }
}

QString ReportCommands::suggestedFileName(const QString& designPath, const QString& roomName,
                                          const QString& extension) {
    QString room = roomName;
    room.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString suffix =
        (room.isEmpty() ? QString() : QLatin1Char('-') + room) + QLatin1Char('.') + extension;
    if (designPath.isEmpty()) {
        return QDir::home().filePath(gelvant::shown(view_text::kSheetFileName) + suffix);
    }
    const QFileInfo design(designPath);
    return design.dir().filePath(design.completeBaseName() + suffix);
}

std::optional<ReportScope> ReportCommands::askScope(const QString& caption) const {
    const std::optional<ReportScope> scope =
        project_().rooms.size() < 2 ? ReportScope::CurrentRoom : dialogs_.scope(caption);
    if (!scope || !resultsSettled(*scope == ReportScope::WholeProject)) {
        return std::nullopt;
    }
    return scope;
}

bool ReportCommands::resultsSettled(bool wholeProject) const {
    const auto question = staleResultsQuestion(project_(), wholeProject);
    if (!question || !dialogs_.ask) {
        return true;
    }
    switch (dialogs_.ask(*question)) {
    case Answer::ComputeAll:
        if (computeAll_) {
            computeAll_();
        }
        return true;
    case Answer::Anyway:
        return true;
    default:
        return false;
    }
}

void ReportCommands::fail(const QString& caption, const QString& path,
                          const std::error_code& error) const {
    dialogs_.failure(caption, gelvant::shown(view_text::cannotWriteFile(
                                  QDir::toNativeSeparators(path).toStdString(), error.message())));
}

void ReportCommands::exportPdf() {
    const QString caption = gelvant::shown(view_text::kExportSheetTitle);
    const auto scope = askScope(caption);
    if (!scope) {
        return;
    }
    const bool roomOnly = *scope == ReportScope::CurrentRoom && project_().rooms.size() > 1;
    const QString suggested = suggestedFileName(
        designPath_(), roomOnly ? qtext(project_().currentRoom().name) : QString(),
        QStringLiteral("pdf"));
    const QString path =
        dialogs_.saveFileName(caption, suggested, gelvant::shown(view_text::kPdfFilesFilter));
    if (!path.isEmpty()) {
        exportPdfTo(path, *scope);
    }
}

void ReportCommands::exportCsv() {
    const QString caption = gelvant::shown(view_text::kExportResultsTitle);
    if (!resultsSettled(true)) {
        return;
    }
    const QString path =
        dialogs_.saveFileName(caption, suggestedFileName(designPath_(), {}, QStringLiteral("csv")),
                              gelvant::shown(view_text::kCsvFilesFilter));
    if (!path.isEmpty()) {
        exportCsvTo(path);
    }
}

void ReportCommands::printPreview() {
    const auto scope = askScope(gelvant::shown(view_text::kPrintPreviewTitle));
    if (!scope) {
        return;
    }
    const Report shown = report(*scope);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qtext(shown.title));
    QPrintPreviewDialog dialog(&printer, window_);
    dialog.setWindowTitle(gelvant::shown(view_text::kPrintPreviewTitle));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [&shown](QPrinter* target) { printReport(shown, *target); });
    dialog.exec();
}

void ReportCommands::printOnPrinter() {
    const QString caption = gelvant::shown(view_text::kPrintTitle);
    const auto scope = askScope(caption);
    if (!scope) {
        return;
    }
    const Report shown = report(*scope);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qtext(shown.title));
    QPrintDialog dialog(&printer, window_);
    dialog.setWindowTitle(caption);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (printReport(shown, printer) == 0) {
        dialogs_.failure(caption, gelvant::shown(view_text::kPrinterRefused));
    }
}

} // namespace gelvant
