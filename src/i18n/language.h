// The languages Tapwell speaks, and which of them a child gets from the desktop's locale.
#pragma once

#include <QString>
#include <QStringList>

namespace tapwell {

// The languages with words and texts of their own, as their files are named: "en", "de",
// "fr", "es", "it", "pt_BR", "nb". English is the one the program is written in.
const QStringList& languages();

// A language by its own name, as its readers write it: "Deutsch", "Français".
QString languageName(const QString& language);

// The first of the desktop's languages (QLocale::uiLanguages: "de-DE", "pt-BR", "nn") that
// Tapwell speaks, by its language and, where it matters, its country; English for none.
QString languageFor(const QStringList& uiLanguages);

} // namespace tapwell
