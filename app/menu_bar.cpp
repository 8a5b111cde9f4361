#include "app/menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace vardo::app {

namespace {

struct Item {
    const char* name;
    const char* caption;  // nullptr: a separator
};

void addMenu(QMenuBar* bar, const char* name, const char* title, std::initializer_list<Item> items,
             QHash<QString, QAction*>& out) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(title));
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    out.insert(QString::fromUtf8(name), menu->menuAction());
    for (const Item& item : items) {
        QAction* action =
            item.caption ? menu->addAction(QString::fromUtf8(item.caption)) : menu->addSeparator();
        action->setObjectName(QString::fromUtf8(item.name));
        out.insert(QString::fromUtf8(item.name), action);
    }
}

}  // namespace

QHash<QString, QAction*> buildMenuBar(QMenuBar* bar) {
    QHash<QString, QAction*> items;
    addMenu(bar, "Fichier1", "&Fichier",
            {{"Nouvelleanne1", "&Commencer nouvelle année"},
             {"N1", nullptr},
             {"Sauvegarderlanne1", "&Sauvegarder le bilan annuel"},
             {"Sauvegarderlebilanannuelsous1", "Sa&uvegarder le bilan annuel sous..."},
             {"Imprimerlebilanannuel1", "&Imprimer le bilan annuel"},
             {"N2", nullptr},
             {"Quitter1", "&Quitter"}},
            items);
    addMenu(bar, "Edition1", "&Edition",
            {{"Janvier1", "Janvier"},
             {"Fvrier1", "Février"},
             {"Mars1", "Mars"},
             {"Avril1", "Avril"},
             {"Mai1", "Mai"},
             {"Juin1", "Juin"},
             {"Juillet1", "Juillet"},
             {"Aot1", "Août"},
             {"Septembre1", "Septembre"},
             {"Octobre1", "Octobre"},
             {"Novembre1", "Novembre"},
             {"Dcembre1", "Décembre"},
             {"N4", nullptr},
             {"BilanAnnuel1", "&Bilan Annuel"}},
            items);
    addMenu(bar, "Aide1", "&Aide",
            {{"Rubriquesdelaide1", "&Rubriques de l'aide"},
             {"N3", nullptr},
             {"Aproposde1", "A &propos de..."}},
            items);
    return items;
}

}  // namespace vardo::app
