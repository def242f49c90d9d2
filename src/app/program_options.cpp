#include "app/program_options.h"

#include "form/program.h"

#include <QCommandLineParser>
#include <array>

namespace gelvant {
namespace {

constexpr const char* kUsage =
    "Usage: gelvant [FILE]\n"
    "  or:  gelvant --report OUT.pdf DESIGN.gelvant\n"
    "  or:  gelvant --csv OUT.csv DESIGN.gelvant\n"
    "  or:  gelvant --help\n"
    "  or:  gelvant --version\n"
    "\n"
    "Opens the design form of a cold store on the design FILE (a .gelvant file),\n"
    "or on the worked example, already computed, when no FILE is given.\n"
    "  --report OUT.pdf   writes the calculation report of DESIGN.gelvant to\n"
    "                     OUT.pdf and exits; needs no display\n"
    "  --csv OUT.csv      writes the results of DESIGN.gelvant to OUT.csv and\n"
    "                     exits; needs no display\n"
    "  --help             prints this help and exits\n"
    "  --version          prints the version and exits\n"
    "Exit status: 0 done; 2 a design file that cannot be read, an output that\n"
    "cannot be written or an option the program does not know, with what is\n"
    "wrong on standard error.\n";

// The options every Qt program takes for its window; the toolkit reads them
// itself once it starts.
constexpr std::array kToolkitValueOptions = {"platform",        "platformtheme", "plugin",
                                             "style",           "stylesheet",    "display",
                                             "qwindowgeometry", "qwindowtitle",  "qwindowicon"};
constexpr std::array kToolkitFlagOptions = {"reverse", "widgetcount"};

QCommandLineOption hidden(QCommandLineOption option) {
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

CommandLine refusal(QString what) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.error = std::move(what);
    return line;
}

CommandLine exportCommand(CommandLine::Action action, const QString& option, const QString& output,
                          const QStringList& designs) {
    if (designs.size() != 1) {
        const QString extension = action == CommandLine::Action::WriteReport ? "pdf" : "csv";
        return refusal(QStringLiteral("--%1 needs an output file and a design file: gelvant --%1 "
                                      "OUT.%2 DESIGN.gelvant")
                           .arg(option, extension));
    }
    CommandLine line;
    line.action = action;
    line.outputFile = output;
    line.designFile = designs.front();
    return line;
}

} // namespace

QString usageText() {
    return QString::fromUtf8(kUsage);
}

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options are written with one dash (-platform offscreen).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help("help");
    const QCommandLineOption version("version");
    const QCommandLineOption report("report", {}, "OUT.pdf");
    const QCommandLineOption csv("csv", {}, "OUT.csv");
    parser.addOptions({help, version, report, csv});
    for (const char* name : kToolkitValueOptions) {
        parser.addOption(hidden(QCommandLineOption(name, {}, "value")));
    }
    for (const char* name : kToolkitFlagOptions) {
        parser.addOption(hidden(QCommandLineOption(name)));
    }
    if (!parser.parse(arguments)) {
        return refusal(parser.errorText());
    }
    if (parser.isSet(help)) {
        return {CommandLine::Action::ShowHelp, {}, {}, {}};
    }
    if (parser.isSet(version)) {
        return {CommandLine::Action::ShowVersion, {}, {}, {}};
    }
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(report) && parser.isSet(csv)) {
        return refusal("--report and --csv cannot be given together");
    }
    if (parser.isSet(report)) {
        return exportCommand(CommandLine::Action::WriteReport, "report", parser.value(report),
                             files);
    }
    if (parser.isSet(csv)) {
        return exportCommand(CommandLine::Action::WriteCsv, "csv", parser.value(csv), files);
    }
    if (files.size() > 1) {
        return refusal("the window opens one design file at a time");
    }
    return {CommandLine::Action::OpenWindow, files.value(0), {}, {}};
}

} // namespace gelvant
