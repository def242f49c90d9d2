#include "app/headless_export.h"

#include "app/report_painter.h"
#include "document/atomic_file.h"
#include "document/design_file_io.h"
#include "report/report_export.h"
#include "report/report_language.h"

#include <QFile>
#include <QGuiApplication>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

namespace gelvant {
namespace {

constexpr int kWritten = 0;
constexpr int kRefused = 2;

// Without a window the toolkit's own notices (a missing runtime folder, a
// font looked up) are no business of the user's: the one line of a refusal
// stays the only thing on standard error.
void quietToolkit(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "gelvant: " << message.toStdString() << '\n';
    }
}

int refuse(std::string_view what) {
    std::cerr << "gelvant: " << what << '\n';
    return kRefused;
}

std::string quoted(const std::filesystem::path& path) {
    std::string text = "'";
    text += path.string();
    text += '\'';
    return text;
}

// The local date, as the report's footer shows it.
std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    return {text, std::strftime(text, sizeof text, "%Y-%m-%d", &local)};
}

} // namespace

int runHeadlessExport(int& argc, char** argv, const CommandLine& command) {
    const bool pdf = command.action == CommandLine::Action::WriteReport;
    // File names go back to the bytes the system gave them as.
    const std::filesystem::path out = QFile::encodeName(command.outputFile).toStdString();
    const std::filesystem::path design = QFile::encodeName(command.designFile).toStdString();
    const DesignReadResult read = openDesignFile(design);
    if (read.error) {
        return refuse("cannot open " + quoted(design) + ": " + describeInEnglish(*read.error));
    }
    Report report = buildReport(read.design->project, ReportScope::WholeProject,
                                design.filename().string(), today());
    translateReport(report, command.language.value_or(Language::Chinese));
    std::error_code written;
    if (pdf) {
        // Fonts and the PDF writer need the toolkit, but no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietToolkit);
        const QGuiApplication toolkit(argc, argv);
        written = writeReportPdf(report, out);
    } else {
        written = writeFileAtomically(out, reportCsv(report));
    }
    if (written) {
        return refuse("cannot write " + quoted(out) + ": " + written.message());
    }
    return kWritten;
}

} // namespace gelvant
