#include "app/help/locale_ids.h"

#include <QHash>
#include <QRegularExpression>

namespace vardo {

std::uint16_t windowsLocaleId(const QString& localeName) {
    static const QHash<QString, std::uint16_t> kTable{
        {QStringLiteral("fr_FR"), 0x040C}, {QStringLiteral("fr_BE"), 0x080C},
        {QStringLiteral("fr_CA"), 0x0C0C}, {QStringLiteral("fr_CH"), 0x100C},
        {QStringLiteral("fr_LU"), 0x140C}, {QStringLiteral("fr_MC"), 0x180C},
        {QStringLiteral("en_US"), 0x0409}, {QStringLiteral("en_GB"), 0x0809},
        {QStringLiteral("en_AU"), 0x0C09}, {QStringLiteral("en_CA"), 0x1009},
        {QStringLiteral("en_NZ"), 0x1409}, {QStringLiteral("en_IE"), 0x1809},
        {QStringLiteral("de_DE"), 0x0407}, {QStringLiteral("de_CH"), 0x0807},
        {QStringLiteral("de_AT"), 0x0C07}, {QStringLiteral("de_LU"), 0x1007},
        {QStringLiteral("it_IT"), 0x0410}, {QStringLiteral("it_CH"), 0x0810},
        {QStringLiteral("es_ES"), 0x0C0A}, {QStringLiteral("es_MX"), 0x080A},
        {QStringLiteral("pt_PT"), 0x0816}, {QStringLiteral("pt_BR"), 0x0416},
        {QStringLiteral("nl_NL"), 0x0413}, {QStringLiteral("nl_BE"), 0x0813},
        {QStringLiteral("ca_ES"), 0x0403}, {QStringLiteral("eu_ES"), 0x042D},
        {QStringLiteral("br_FR"), 0x047E}, {QStringLiteral("oc_FR"), 0x0482},
        {QStringLiteral("co_FR"), 0x0483}, {QStringLiteral("da_DK"), 0x0406},
        {QStringLiteral("sv_SE"), 0x041D}, {QStringLiteral("nb_NO"), 0x0414},
        {QStringLiteral("fi_FI"), 0x040B}, {QStringLiteral("pl_PL"), 0x0415},
        {QStringLiteral("cs_CZ"), 0x0405}, {QStringLiteral("ru_RU"), 0x0419},
        {QStringLiteral("ja_JP"), 0x0411}, {QStringLiteral("zh_CN"), 0x0804},
    };
    // "fr_FR.UTF-8" and "fr_FR@euro" name the same locale.
    QString name = localeName;
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0) name.truncate(cut);
    return kTable.value(name, 0);
}

}  // namespace vardo
