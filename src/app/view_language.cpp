#include "app/view_language.h"

#include "app/qt_text.h"

#include <QLocale>
#include <QSettings>

namespace gelvant {
namespace {

constexpr const char* kLanguageKey = "language";

Language current = Language::Chinese;

} // namespace

Language viewLanguage() {
    return current;
}

void setViewLanguage(Language language) {
    current = language;
}

QString shown(std::string_view coreText) {
    return current == Language::Chinese ? qtext(coreText) : qtext(shownText(current, coreText));
}

Language storedLanguage() {
    const QSettings settings(QStringLiteral("gelvant"), QStringLiteral("gelvant"));
    const QString chosen = settings.value(QString::fromLatin1(kLanguageKey)).toString();
    return languageFromCode((chosen.isEmpty() ? QLocale::system().name() : chosen).toStdString());
}

void storeLanguage(Language language) {
    QSettings settings(QStringLiteral("gelvant"), QStringLiteral("gelvant"));
    settings.setValue(QString::fromLatin1(kLanguageKey),
                      QString::fromLatin1(languageCode(language).data(),
                                          static_cast<qsizetype>(languageCode(language).size())));
}

} // namespace gelvant
