#include "app/form_look.h"

#include "form/program.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace gelvant {

void showToolkitWordsIn(Language language) {
    static QTranslator* chinese = nullptr;
    if (chinese == nullptr) {
        chinese = new QTranslator(qApp);
        if (!chinese->load(QStringLiteral("qtbase_zh_CN"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            return;
        }
    }
    if (language == Language::Chinese) {
        QApplication::installTranslator(chinese);
    } else {
        QApplication::removeTranslator(chinese);
    }
}

QIcon programIcon() {
    return QIcon(QStringLiteral(":/gelvant/gelvant.svg"));
}

void applyFormLook() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(style);
    }
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    // Fallbacks for a system without the Noto CJK fonts.
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Droid Sans Fallback"), QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    QApplication::setFont(font);
    QApplication::setWindowIcon(programIcon());
    // The toolkit's own words (a box's edit menu, standard buttons) in Chinese too.
    showToolkitWordsIn(Language::Chinese);
    QApplication::setApplicationName(QString::fromUtf8(kProgramName));
    // The desktop entry that carries the icon in task bars.
    QGuiApplication::setDesktopFileName(QStringLiteral("gelvant"));
}

} // namespace gelvant
