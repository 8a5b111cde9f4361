#pragma once
// The menu bar: "&Fichier", "&Edition" and "&Aide", with their items, access keys and separators.
// Every item is an action named after its menu item; the caller connects them.
#include <QHash>
#include <QString>

class QAction;
class QMenuBar;

namespace vardo::app {

// Builds the three menus into the bar; returns the 27 items by name (menu titles and separators
// included, as the form model counts them).
QHash<QString, QAction*> buildMenuBar(QMenuBar* bar);

}  // namespace vardo::app
