#include "app/program_options.h"

#include "form/program.h"

#include <QCommandLineParser>
#include <array>

namespace gelvant {
namespace {

constexpr const char* kUsage =
    "Usage: gelvant [--lang en|zh] [FILE]\n"
    "  or:  gelvant [--lang en|zh] --report OUT.pdf DESIGN.gelvant\n"
    "  or:  gelvant [--lang en|zh] --csv OUT.csv DESIGN.gelvant\n"
    "  or:  gelvant --help\n"
    "  or:  gelvant --version\n"
    "\n"
    "Opens the design form of a cold store on the design FILE (a .gelvant file),\n"
    "or on the worked example, already computed, when no FILE is given.\n"
    "  --report OUT.pdf   writes the calculation report of DESIGN.gelvant to\n"
    "                     OUT.pdf and exits; needs no display\n"
    "  --csv OUT.csv      writes the results of DESIGN.gelvant to OUT.csv and\n"
    "                     exits; needs no display\n"
    "  --lang en|zh       the language of the report, the CSV or the window:\n"
    "                     en English, zh Chinese; the report and the CSV are\n"
    "                     in Chinese without it, the window in the language\n"
    "                     chosen last\n"
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

std::optional<Language> languageNamed(const QString& code) {
    if (code == QLatin1String("en")) {
        return Language::English;
    }
    if (code == QLatin1String("zh")) {
        return Language::Chinese;
    }
    return std::nullopt;
}

QStringList files(const QCommandLineParser& parser) {
    return parser.positionalArguments();
}

// What the arguments ask, --lang apart.
CommandLine commandFor(const QCommandLineParser& parser, const QStringList& designs,
                       const QCommandLineOption& report, const QCommandLineOption& csv) {
    if (parser.isSet(report) && parser.isSet(csv)) {
        return refusal("--report and --csv cannot be given together");
    }
    if (parser.isSet(report)) {
        return exportCommand(CommandLine::Action::WriteReport, "report", parser.value(report),
                             designs);
    }
    if (parser.isSet(csv)) {
        return exportCommand(CommandLine::Action::WriteCsv, "csv", parser.value(csv), designs);
    }
    if (designs.size() > 1) {
        return refusal("the window opens one design file at a time");
    }
    CommandLine line;
    line.designFile = designs.value(0);
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
    const QCommandLineOption lang("lang", {}, "en|zh");
    parser.addOptions({help, version, report, csv, lang});
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
        return {CommandLine::Action::ShowHelp, {}, {}, {}, {}};
    }
    if (parser.isSet(version)) {
        return {CommandLine::Action::ShowVersion, {}, {}, {}, {}};
    }
    std::optional<Language> language;
    if (parser.isSet(lang)) {
        language = languageNamed(parser.value(lang));
        if (!language) {
            return refusal(
                QStringLiteral("--lang takes en or zh, not '%1'").arg(parser.value(lang)));
        }
    }
    CommandLine line = commandFor(parser, files(parser), report, csv);
    if (line.action != CommandLine::Action::Refuse) {
        line.language = language;
    }
    return line;
}

} // namespace gelvant
