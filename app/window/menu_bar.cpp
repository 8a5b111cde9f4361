#include "app/window/menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/window/utf8.h"

namespace vardo::app {

MenuActions buildMenuBar(QMenuBar* bar) {
    MenuActions actions{};
    QMenu* menu = nullptr;
    for (MenuId id = 0; id < kMenuCount; ++id) {
        const MenuEntry& entry = kMenuTable[static_cast<std::size_t>(id)];
        QAction* action = nullptr;
        switch (entry.kind) {
            case MenuKind::Title:
                menu = bar->addMenu(utf8(entry.caption));
                menu->setObjectName(utf8(entry.name));
                action = menu->menuAction();
                break;
            case MenuKind::Command:
                action = menu->addAction(utf8(entry.caption));
                break;
            case MenuKind::Separator:
                action = menu->addSeparator();
                break;
        }
        action->setObjectName(utf8(entry.name));
        actions[static_cast<std::size_t>(id)] = action;
    }
    return actions;
}

}  // namespace vardo::app
