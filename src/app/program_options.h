#pragma once

#include "language/language.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace gelvant {

// What the command line asks of the program. It is read before the toolkit
// starts, so that --help, --version and a wrong command line are answered
// without a display and never open a window.
struct CommandLine {
    enum class Action {
        OpenWindow,  // the design form, on designFile when one is given
        WriteReport, // the calculation sheet of designFile as the PDF outputFile
        WriteCsv,    // the results of designFile as the CSV outputFile
        ShowHelp,
        ShowVersion,
        Refuse, // what is wrong is in error; the usage follows it
    };
    Action action = Action::OpenWindow;
    QString designFile;
    QString outputFile;
    QString error;
    // --lang: the language of the sheet, the CSV or the window for this run;
    // none given: the export writes Chinese, the window takes the one chosen last.
    std::optional<Language> language;
};

// Reads the arguments (the program's name first). The toolkit's own options
// (-platform, -style, ...) are let through for the window to take.
CommandLine readCommandLine(const QStringList& arguments);

// The usage that --help prints and a refused command line follows with.
QString usageText();

} // namespace gelvant
