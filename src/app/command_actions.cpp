#include "app/command_actions.h"

#include "app/qt_text.h"
#include "app/view_language.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace gelvant {
namespace {

constexpr std::string_view kEllipsis = "...";

// What a menu, an entry or a heading was made from, so that it can be shown
// again in another language.
constexpr const char* kCommandProperty = "gelvantCommand";
constexpr const char* kWordsProperty = "gelvantWords";
constexpr const char* kKeyProperty = "gelvantKey";

QList<QKeySequence> windowKeys(std::string_view keys) {
    QList<QKeySequence> sequences;
    for (const QString& key : qtext(keys).split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        sequences << QKeySequence::fromString(key, QKeySequence::PortableText);
    }
    return sequences;
}

QByteArray bytes(std::string_view text) {
    return {text.data(), static_cast<qsizetype>(text.size())};
}

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

void remember(QObject& object, std::string_view words, char accessKey) {
    object.setProperty(kWordsProperty, bytes(words));
    object.setProperty(kKeyProperty, static_cast<int>(accessKey));
}

} // namespace

QString windowLabel(std::string_view label, char accessKey) {
    QString shownLabel = shown(label);
    if (accessKey == 0) {
        return shownLabel;
    }
    const QString ellipsis = qtext(kEllipsis);
    const bool trailing = shownLabel.endsWith(ellipsis);
    if (trailing) {
        shownLabel.chop(ellipsis.size());
    }
    // Chinese writes the key after the words, "打开(&O)"; English marks it
    // in them, "&Open", or after them where they hold no such letter.
    const qsizetype at = viewLanguage() == Language::English
                             ? shownLabel.indexOf(QLatin1Char(accessKey), 0, Qt::CaseInsensitive)
                             : -1;
    if (at >= 0) {
        shownLabel.insert(at, QLatin1Char('&'));
    } else {
        shownLabel += (viewLanguage() == Language::English ? QStringLiteral(" (&%1)")
                                                           : QStringLiteral("(&%1)"))
                          .arg(QLatin1Char(accessKey));
    }
    return shownLabel + (trailing ? ellipsis : QString());
}

QAction* newCommandAction(Command command, QObject* owner) {
    const CommandDef& def = commandDef(command);
    auto* action = new QAction(windowLabel(def.label, def.accessKey), owner);
    action->setShortcuts(windowKeys(def.windowKeys));
    action->setProperty(kCommandProperty, static_cast<int>(command));
    return action;
}

QMenu* buildWindowMenu(const MenuDef& menu, const std::function<QAction*(Command)>& actionOf,
                       QMenu* recentFiles, QWidget* parent) {
    auto* built = new QMenu(windowLabel(menu.title, menu.accessKey), parent);
    remember(*built, menu.title, menu.accessKey);
    for (const MenuItem& item : menuItemsIn(menu, kInWindow)) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            built->addSeparator();
            break;
        case MenuItem::Kind::Heading:
            remember(*built->addSection(shown(item.heading)), item.heading, 0);
            break;
        case MenuItem::Kind::Entry:
            if (item.command == Command::RecentFiles) {
                const CommandDef& def = commandDef(item.command);
                recentFiles->setTitle(windowLabel(def.label, def.accessKey));
                remember(*recentFiles, def.label, def.accessKey);
                built->addMenu(recentFiles);
            } else {
                built->addAction(actionOf(item.command));
            }
            break;
        }
    }
    return built;
}

QMenu* newWordsMenu(std::string_view title, char accessKey, QWidget* parent) {
    auto* menu = new QMenu(windowLabel(title, accessKey), parent);
    remember(*menu, title, accessKey);
    return menu;
}

QAction* newWordsAction(std::string_view words, QObject* owner) {
    auto* action = new QAction(shown(words), owner);
    remember(*action, words, 0);
    return action;
}

void showWordsAgain(QObject& root) {
    const auto again = [](QObject& object, const auto& setText) {
        const QVariant command = object.property(kCommandProperty);
        if (command.isValid()) {
            const CommandDef& def = commandDef(static_cast<Command>(command.toInt()));
            setText(windowLabel(def.label, def.accessKey));
            return;
        }
        const QVariant words = object.property(kWordsProperty);
        if (words.isValid()) {
            const QByteArray text = words.toByteArray();
            setText(
                windowLabel(view(text), static_cast<char>(object.property(kKeyProperty).toInt())));
        }
    };
    for (QAction* action : root.findChildren<QAction*>()) {
        again(*action, [action](const QString& text) { action->setText(text); });
    }
    for (QMenu* menu : root.findChildren<QMenu*>()) {
        again(*menu, [menu](const QString& text) { menu->setTitle(text); });
    }
}

} // namespace gelvant
