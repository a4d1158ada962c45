#include "translation.h"

#include "state/say.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tapwell {

namespace {

std::string translate(const char* context, const char* text, int n) {
    return QCoreApplication::translate(context, text, nullptr, n).toStdString();
}

struct Translators {
    QTranslator ours;
    QTranslator qt;
    QString language = QStringLiteral("en");
};

Translators& translators() {
    static Translators t;
    return t;
}

} // namespace

bool useLanguage(const QString& language) {
    Translators& t = translators();
    setTranslator(&translate);
    if (language == t.language) return true;
    QCoreApplication::removeTranslator(&t.ours);
    QCoreApplication::removeTranslator(&t.qt);
    t.language = QStringLiteral("en");
    if (language == QLatin1String("en") || language.isEmpty()) return true;
    if (!t.ours.load(QStringLiteral(":/i18n/tapwell_") + language)) return false;
    // Qt's own texts, where the desktop has them; Norwegian's Bokmål from its Nynorsk.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (t.qt.load(QStringLiteral("qtbase_") + language, qtFolder) ||
        (language == QLatin1String("nb") && t.qt.load(QStringLiteral("qtbase_nn"), qtFolder)))
        QCoreApplication::installTranslator(&t.qt);
    QCoreApplication::installTranslator(&t.ours);
    t.language = language;
    return true;
}

QString languageInUse() {
    return translators().language;
}

} // namespace tapwell
