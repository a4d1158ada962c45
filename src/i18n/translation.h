// Puts the program, Qt's own dialogs and the plain C++ of the typing path into one
// language: installs its translators (ours from the program's resources, Qt's from the
// desktop's), which tells every window to say its texts anew (QEvent::LanguageChange).
#pragma once

#include <QString>

namespace tapwell {

// language as languages() names it; English (the source) removes every translator. True
// when the language's texts were found (English always is).
bool useLanguage(const QString& language);

// The language in use now.
QString languageInUse();

} // namespace tapwell
