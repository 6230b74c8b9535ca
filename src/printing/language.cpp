#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace vexlor {

namespace {

// "de_DE.UTF-8@euro" -> "de"; "C.UTF-8" -> "c".
QString languageOf(const QString& locale) {
    qsizetype end = 0;
    while (end < locale.size() && locale[end].isLetter())
        ++end;
    return locale.left(end).toLower();
}

bool isPlainCLocale(const QString& locale) {
    const QString name = languageOf(locale);
    return name.isEmpty() || name == QLatin1String("c") || name == QLatin1String("posix");
}

} // namespace

LocaleEnvironment LocaleEnvironment::ofProcess() {
    const auto get = [](const char* name) { return qEnvironmentVariable(name); };
    return {get("LANGUAGE"), get("LC_ALL"), get("LC_MESSAGES"), get("LANG")};
}

QStringList translatedLanguages() {
    return {QStringLiteral("de"), QStringLiteral("pl")};
}

QString chooseLanguage(const LocaleEnvironment& environment) {
    QString messages;
    for (const QString* variable : {&environment.lcAll, &environment.lcMessages, &environment.lang})
        if (!variable->isEmpty()) {
            messages = *variable;
            break;
        }
    if (isPlainCLocale(messages))
        return {};
    QStringList candidates = environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    candidates << messages;
    const QStringList translated = translatedLanguages();
    for (const QString& candidate : candidates) {
        const QString language = languageOf(candidate);
        if (language == QLatin1String("en"))
            return {};
        if (translated.contains(language))
            return language;
    }
    return {};
}

bool installLanguage(QCoreApplication& application, const QString& language) {
    // The English texts have always shown numbers and dates as the C locale
    // writes them ("1234.5", "7 Dec 2026"), whatever the system's.
    QLocale::setDefault(QLocale::c());
    if (language.isEmpty())
        return true;
    const QLocale locale(language);
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/vexlor_%1.qm").arg(language)))
        return false;
    QLocale::setDefault(locale);
    // Owned by the application from here on.
    own->setParent(&application);
    QCoreApplication::installTranslator(own.release());
    // Qt's own texts (Yes, No, Cancel, the file dialogs) come with Qt's
    // translations package; without it they stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt->setParent(&application);
        QCoreApplication::installTranslator(qt.release());
    }
    return true;
}

} // namespace vexlor
