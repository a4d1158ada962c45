#include "language.h"

#include <QLocale>

namespace tapwell {

const QStringList& languages() {
    static const QStringList all = {
        QStringLiteral("en"), QStringLiteral("de"),    QStringLiteral("fr"), QStringLiteral("es"),
        QStringLiteral("it"), QStringLiteral("pt_BR"), QStringLiteral("nb")};
    return all;
}

QString languageName(const QString& language) {
    QString name = QLocale(language).nativeLanguageName();
    if (language == QLatin1String("pt_BR")) name += QStringLiteral(" (Brasil)");
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name;
}

QString languageFor(const QStringList& uiLanguages) {
    for (QString name : uiLanguages) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
        // Portuguese is Brazil's for now; Norwegian, written either way, reads Bokmål.
        if (language == QLatin1String("pt")) return QStringLiteral("pt_BR");
        if (language == QLatin1String("nb") || language == QLatin1String("no") ||
            language == QLatin1String("nn"))
            return QStringLiteral("nb");
        if (languages().contains(language)) return language;
    }
    return QStringLiteral("en");
}

} // namespace tapwell
