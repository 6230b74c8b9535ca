// The language Vexlor speaks: the user's, as the environment names it, where
// a translation exists; English, the language of the source, otherwise.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace vexlor {

// The locale variables that choose the language, as a process sees them.
struct LocaleEnvironment {
    QString language;   // LANGUAGE: a list of languages, "de:pl"
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG

    static LocaleEnvironment ofProcess();
};

// The languages the user asks for, most wanted first, as locale names Qt
// reads ("de_DE", "pl"). As gettext reads them, the locale of messages is
// the first of LC_ALL, LC_MESSAGES and LANG that is set; where that is C or
// POSIX (or none), the list is English alone. Otherwise the languages of
// LANGUAGE come first, in their order, then that locale's. Qt reads
// LANGUAGE even under C, so the list is made here rather than taken from
// QLocale::system().
QStringList wantedLanguages(const LocaleEnvironment& environment);

// The language to speak: the first wanted one that Vexlor has a translation
// for, English where none has. English ends the search, and a language
// without a translation is passed over without a word.
QLocale chooseLanguage(const LocaleEnvironment& environment);

// Loads the program's translation of language (English too: it gives the
// English plural forms), and Qt's own for its standard buttons and dialogs
// where installed, into the application, and makes numbers and dates follow
// the language. English keeps numbers and dates as the English texts always
// showed them. Returns false when the program's translation could not be
// loaded.
bool installLanguage(QCoreApplication& application, const QLocale& language);

} // namespace vexlor
