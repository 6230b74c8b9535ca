#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace vexlor {

namespace {

// The built-in translations: :/i18n/vexlor_de.qm and so on.
const QString kCatalogue = QStringLiteral("vexlor");
const QString kSeparator = QStringLiteral("_");
const QString kBuiltIn = QStringLiteral(":/i18n");

// A locale variable's value as Qt names a locale: "de_DE.UTF-8@euro" ->
// "de_DE", "PL" -> "pl"; "C.UTF-8" -> "c".
QString localeNameOf(const QString& value) {
    const QString name = value.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    const QString territory = name.section(QLatin1Char('_'), 1, 1).toUpper();
    return territory.isEmpty() ? language : language + QLatin1Char('_') + territory;
}

bool isPlainCLocale(const QString& name) {
    return name.isEmpty() || name == QLatin1String("c") || name == QLatin1String("posix");
}

} // namespace

LocaleEnvironment LocaleEnvironment::ofProcess() {
    const auto get = [](const char* name) { return qEnvironmentVariable(name); };
    return {get("LANGUAGE"), get("LC_ALL"), get("LC_MESSAGES"), get("LANG")};
}

QStringList wantedLanguages(const LocaleEnvironment& environment) {
    QString messages;
    for (const QString* variable : {&environment.lcAll, &environment.lcMessages, &environment.lang})
        if (!variable->isEmpty()) {
            messages = localeNameOf(*variable);
            break;
        }
    if (isPlainCLocale(messages))
        return {QStringLiteral("en")};
    QStringList wanted;
    for (const QString& entry : environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (const QString name = localeNameOf(entry); !isPlainCLocale(name))
            wanted << name;
    wanted << messages;
    wanted.removeDuplicates();
    return wanted;
}

QLocale chooseLanguage(const LocaleEnvironment& environment) {
    for (const QString& name : wantedLanguages(environment)) {
        const QLocale locale(name);
        // Qt takes a name it does not know for the C locale.
        if (locale.language() == QLocale::C)
            continue;
        if (locale.language() == QLocale::English)
            break;
        QTranslator probe;
        if (probe.load(locale, kCatalogue, kSeparator, kBuiltIn))
            return locale;
    }
    return QLocale(QLocale::English);
}

bool installLanguage(QCoreApplication& application, const QLocale& language) {
    auto own = std::make_unique<QTranslator>();
    if (!own->load(language, kCatalogue, kSeparator, kBuiltIn))
        return false;
    const bool english = language.language() == QLocale::English;
    // The English texts have always shown numbers and dates as the C locale
    // writes them ("1234.5", "7 Dec 2026"), whatever the system's.
    QLocale::setDefault(english ? QLocale::c() : language);
    // Owned by the application from here on.
    own->setParent(&application);
    QCoreApplication::installTranslator(own.release());
    if (english)
        return true;
    // Qt's own texts (Yes, No, Cancel, the file dialogs) come with Qt's
    // translations package; without it they stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(language, QStringLiteral("qtbase"), kSeparator,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt->setParent(&application);
        QCoreApplication::installTranslator(qt.release());
    }
    return true;
}

} // namespace vexlor
