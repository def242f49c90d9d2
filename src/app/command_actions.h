#pragma once

#include "session/command_table.h"

#include <QString>
#include <functional>

class QAction;
class QMenu;
class QObject;
class QWidget;

namespace gelvant {

// A menu's or an entry's text as the window shows it in its language: in
// Chinese the access key after the words, before an ellipsis ("打开(&O)..."),
// in English marked in the words ("&Open...").
QString windowLabel(std::string_view label, char accessKey);

// The command's action with its text and its keys in the window; what it
// does, its owner connects.
QAction* newCommandAction(Command command, QObject* owner);

// A menu of the menu bar with the window's entries; actionOf gives the
// action of each command (the recent files' entry: recentFiles).
QMenu* buildWindowMenu(const MenuDef& menu, const std::function<QAction*(Command)>& actionOf,
                       QMenu* recentFiles, QWidget* parent);

// A menu or an entry of words of the core that is no command.
QMenu* newWordsMenu(std::string_view title, char accessKey, QWidget* parent);
QAction* newWordsAction(std::string_view words, QObject* owner);

// Every command's action, menu and heading under root shown again in the
// window's language, as it is now.
void showWordsAgain(QObject& root);

} // namespace gelvant
