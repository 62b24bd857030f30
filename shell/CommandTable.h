#pragma once
// Every command of the main window: its menu text, help text (status bar part, then the tooltip
// after a line feed), keys and toolbar icon, and the order of the menus and toolbars.
#include <QKeySequence>
#include <QList>
#include <QString>
#include <span>

#include "shell/CommandId.h"

namespace numora {

struct CommandInfo {
    CommandId id;
    QString menuText;  // empty: the command is reached by key or toolbar only
    QString helpText;  // "status text\ntooltip"; either part may be missing
    QList<QKeySequence> keys;
    QString icon;  // resource path of the toolbar icon; empty when not on a toolbar
    bool checkable = false;

    QString StatusText() const { return helpText.section(u'\n', 0, 0); }
    // The part after the line feed; without one, the status text.
    QString ToolTip() const {
        return helpText.contains(u'\n') ? helpText.section(u'\n', 1) : StatusText();
    }
};

struct MenuLayout {
    QString title;
    std::span<const CommandId> items;  // CommandId::Separator marks a separator
};

std::span<const CommandInfo> Commands();
const CommandInfo* FindCommand(CommandId id);

std::span<const MenuLayout> MenuBarLayout();
std::span<const CommandId> StandardToolbarLayout();  // toolbar A
std::span<const CommandId> InsertToolbarLayout();    // toolbar B

}  // namespace numora
