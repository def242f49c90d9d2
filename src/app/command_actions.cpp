#include "app/command_actions.h"

#include "app/qt_text.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace gelvant {
namespace {

constexpr std::string_view kEllipsis = "...";

QList<QKeySequence> windowKeys(std::string_view keys) {
    QList<QKeySequence> sequences;
    for (const QString& key : qtext(keys).split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        sequences << QKeySequence::fromString(key, QKeySequence::PortableText);
    }
    return sequences;
}

} // namespace

QString windowLabel(std::string_view label, char accessKey) {
    if (accessKey == 0) {
        return qtext(label);
    }
    const bool ellipsis = label.ends_with(kEllipsis);
    if (ellipsis) {
        label.remove_suffix(kEllipsis.size());
    }
    return qtext(label) + QStringLiteral("(&%1)").arg(QLatin1Char(accessKey)) +
           (ellipsis ? qtext(kEllipsis) : QString());
}

QAction* newCommandAction(Command command, QObject* owner) {
    const CommandDef& def = commandDef(command);
    auto* action = new QAction(windowLabel(def.label, def.accessKey), owner);
    action->setShortcuts(windowKeys(def.windowKeys));
    return action;
}

QMenu* buildWindowMenu(const MenuDef& menu, const std::function<QAction*(Command)>& actionOf,
                       QMenu* recentFiles, QWidget* parent) {
    auto* built = new QMenu(windowLabel(menu.title, menu.accessKey), parent);
    for (const MenuItem& item : menuItemsIn(menu, kInWindow)) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            built->addSeparator();
            break;
        case MenuItem::Kind::Heading:
            built->addSection(qtext(item.heading));
            break;
        case MenuItem::Kind::Entry:
            if (item.command == Command::RecentFiles) {
                recentFiles->setTitle(windowLabel(commandDef(item.command).label,
                                                  commandDef(item.command).accessKey));
                built->addMenu(recentFiles);
            } else {
                built->addAction(actionOf(item.command));
            }
            break;
        }
    }
    return built;
}

} // namespace gelvant
