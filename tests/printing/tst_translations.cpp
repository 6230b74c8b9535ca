// The translations: every message of the .ts files finished in every
// language with the placeholders of its source, the compiled files built
// into the program, and the language chosen from the environment.
#include "printing/language.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    bool numerus = false;
    QString type; // of the translation: empty when finished
    QStringList forms;
};

QList<Message> readTs(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message")) {
            messages.append(
                {context, {}, xml.attributes().value("numerus") == QLatin1String("yes"), {}, {}});
        } else if (xml.name() == QLatin1String("source"))
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value("type").toString();
            if (!messages.last().numerus)
                messages.last().forms << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform"))
            messages.last().forms << xml.readElementText();
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

// The placeholders a text fills in, sorted: "%1", "%n"; "%L1" counts as "%1".
QStringList placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?([1-9][0-9]?|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
        found << QLatin1Char('%') + m.captured(1);
    found.sort();
    found.removeDuplicates();
    return found;
}

QString tsPath(const QString& language) {
    return QStringLiteral(VEXLOR_TRANSLATIONS_DIR "/vexlor_%1.ts").arg(language);
}

// Rows of the languages, with the plural forms lrelease writes for each.
void addLanguageRows() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pluralForms");
    QTest::newRow("de") << "de" << 2;
    QTest::newRow("pl") << "pl" << 3;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    // Every message has a finished translation with the placeholders of its
    // source; a numerus message has every plural form of the language.
    void everyMessageFinished_data() { addLanguageRows(); }
    void everyMessageFinished() {
        QFETCH(QString, language);
        QFETCH(int, pluralForms);
        QString error;
        const QList<Message> messages = readTs(tsPath(language), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!messages.isEmpty());
        QStringList faults;
        for (const Message& m : messages) {
            const QString where = m.context + QStringLiteral(": \"") + m.source + '"';
            if (!m.type.isEmpty())
                faults << where + QStringLiteral(" is ") + m.type;
            if (m.forms.size() != (m.numerus ? pluralForms : 1))
                faults << where + QStringLiteral(" has %1 forms").arg(m.forms.size());
            const QStringList wanted = placeholders(m.source);
            for (const QString& form : m.forms) {
                if (form.trimmed().isEmpty())
                    faults << where + QStringLiteral(" has an empty translation");
                else if (placeholders(form) != wanted)
                    faults << where +
                                  QStringLiteral(" -> \"%1\" fills %2, not %3")
                                      .arg(form, placeholders(form).join(','), wanted.join(','));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Both languages translate the same messages: a text added to one file
    // and not the other would show English in the other.
    void sameMessages() {
        QString error;
        const auto keys = [&](const QString& language) {
            QStringList k;
            for (const Message& m : readTs(tsPath(language), &error))
                k << m.context + '\x04' + m.source;
            k.sort();
            return k;
        };
        QCOMPARE(keys("pl"), keys("de"));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    // The compiled translations are built in and hold the messages.
    void builtIn_data() { addLanguageRows(); }
    void builtIn() {
        QFETCH(QString, language);
        QString error;
        const QList<Message> messages = readTs(tsPath(language), &error);
        QVERIFY(!messages.isEmpty());
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/vexlor_%1.qm").arg(language)));
        for (const Message& m : messages) {
            if (m.numerus)
                continue;
            QCOMPARE(translator.translate(m.context.toUtf8(), m.source.toUtf8()), m.forms.first());
        }
    }

    // The language as gettext would choose it from LANGUAGE, LC_ALL,
    // LC_MESSAGES and LANG; English (empty) where no translation is wanted.
    void chooseLanguage_data() {
        QTest::addColumn<QStringList>("environment"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QString>("chosen");
        const struct {
            const char* name;
            const char* language;
            const char* lcAll;
            const char* lcMessages;
            const char* lang;
            const char* chosen;
        } rows[] = {
            // clang-format off
            {"LANG",                  "",         "",      "",      "de_DE.UTF-8", "de"},
            {"LANG Polish",           "",         "",      "",      "pl_PL.UTF-8", "pl"},
            {"nothing set",           "",         "",      "",      "",            ""},
            {"LANG=C",                "",         "",      "",      "C",           ""},
            {"C.UTF-8",               "",         "",      "",      "C.UTF-8",     ""},
            {"POSIX",                 "",         "",      "",      "POSIX",       ""},
            {"English",               "",         "",      "",      "en_GB.UTF-8", ""},
            {"unknown language",      "",         "",      "",      "fr_FR.UTF-8", ""},
            {"modifier",              "",         "",      "",      "de_DE@euro",  "de"},
            {"LC_MESSAGES over LANG", "",         "",      "pl_PL", "de_DE",       "pl"},
            {"LC_ALL over both",      "",         "de_AT", "pl_PL", "en_US",       "de"},
            {"LC_ALL=C over LANG",    "",         "C",     "",      "de_DE",       ""},
            {"LANGUAGE first",        "pl",       "",      "",      "de_DE",       "pl"},
            {"LANGUAGE in order",     "fr:pl:de", "",      "",      "de_DE",       "pl"},
            {"LANGUAGE English",      "en:de",    "",      "",      "de_DE",       ""},
            {"LANGUAGE unknown",      "fr",       "",      "",      "de_DE",       "de"},
            {"LANGUAGE under C",      "de",       "",      "",      "C.UTF-8",     ""},
            {"upper case",            "",         "",      "",      "DE_de",       "de"},
            // clang-format on
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << QStringList{r.language, r.lcAll, r.lcMessages, r.lang}
                                  << QString::fromLatin1(r.chosen);
    }
    void chooseLanguage() {
        QFETCH(QStringList, environment);
        QFETCH(QString, chosen);
        QCOMPARE(vexlor::chooseLanguage(
                     {environment[0], environment[1], environment[2], environment[3]}),
                 chosen);
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
