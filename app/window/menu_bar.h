#pragma once
// The menu bar: "&Fichier", "&Edition" and "&Aide", built from the menu table with their items,
// access keys and separators. Every item is an action named after its menu item; the caller
// connects them.
#include <array>

#include "ledger/naming.h"

class QAction;
class QMenuBar;

namespace vardo::app {

using MenuActions = std::array<QAction*, kMenuCount>;

// Builds the three menus into the bar; returns the 27 items in creation order (menu titles and
// separators included, as the form model counts them).
MenuActions buildMenuBar(QMenuBar* bar);

}  // namespace vardo::app
