// The language Vexlor speaks: the user's, as the environment names it, where
// a translation exists; English, the language of the source, otherwise.
#pragma once

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

// The languages with a translation ("de", "pl"), in no particular order.
QStringList translatedLanguages();

// The language to speak: "de", "pl", or empty for English. As gettext
// reads them, the locale of messages is the first of LC_ALL, LC_MESSAGES and
// LANG that is set; where that is C or POSIX (or none), English. Otherwise
// the languages of LANGUAGE are tried in their order, then that locale's:
// the first with a translation wins, and English ends the search. A
// language without a translation is passed over without a word.
QString chooseLanguage(const LocaleEnvironment& environment);

// Loads the program's translation of language, and Qt's own for its
// standard buttons and dialogs where installed, into the application, and
// makes numbers and dates follow the language. English loads nothing and
// keeps numbers and dates as the English texts always showed them.
// Returns false when the program's translation could not be loaded.
bool installLanguage(QCoreApplication& application, const QString& language);

} // namespace vexlor
