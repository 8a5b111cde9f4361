#include "app/help/help_topics.h"

#include <QtGlobal>

// Outside any namespace, as the resource registration requires.
static void registerHelpResource() {
    Q_INIT_RESOURCE(help);
}

namespace vardo {

const QList<HelpTopic>& helpContents() {
    static const QList<HelpTopic> kContents{
        {QStringLiteral("Bienvenue dans Vardo"), QStringLiteral("index.html")},
        {QStringLiteral("Premiers pas"), QStringLiteral("premiers_pas.html")},
        {QStringLiteral("L'en-tête : comptabilité et véhicule"), QStringLiteral("entete.html")},
        {QStringLiteral("Saisir les relevés d'une journée"), QStringLiteral("releves.html")},
        {QStringLiteral("Le bilan du mois"), QStringLiteral("bilan_mensuel.html")},
        {QStringLiteral("Corriger un mois"), QStringLiteral("correction.html")},
        {QStringLiteral("La page « Bilan » et les coefficients"), QStringLiteral("bilan.html")},
        {QStringLiteral("Sauvegarder le bilan annuel"), QStringLiteral("sauvegarde.html")},
        {QStringLiteral("Imprimer"), QStringLiteral("impression.html")},
        {QStringLiteral("Commencer une nouvelle année"), QStringLiteral("nouvelle_annee.html")},
        {QStringLiteral("Contrôler les relevés"), QStringLiteral("controle.html")},
        {QStringLiteral("Exporter pour le comptable"), QStringLiteral("export_comptable.html")},
        {QStringLiteral("Le journal des saisies"), QStringLiteral("journal.html")},
        {QStringLiteral("Indemnités kilométriques"), QStringLiteral("indemnites.html")},
        {QStringLiteral("Graphique de l'année"), QStringLiteral("graphique.html")},
        {QStringLiteral("Frais réels et barème"), QStringLiteral("frais_reels.html")},
        {QStringLiteral("Les menus et la barre d'état"), QStringLiteral("menus.html")},
        {QStringLiteral("Les fichiers du programme"), QStringLiteral("fichiers.html")},
        {QStringLiteral("Les messages d'erreur"), QStringLiteral("erreurs.html")},
    };
    return kContents;
}

QUrl helpPageUrl(const QString& page) {
    return QUrl(QStringLiteral("qrc:/help/") + page);
}

QUrl defaultHelpTopic() {
    return helpPageUrl(helpContents().front().page);
}

void registerHelpPages() {
    static const bool registered = (registerHelpResource(), true);
    Q_UNUSED(registered);
}

}  // namespace vardo
