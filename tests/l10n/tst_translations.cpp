// The translations: every message of the .ts files finished in every
// language with the placeholders of its source, English giving the plural
// forms of every message that counts, and the language chosen from the
// environment.
#include "l10n/language.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString key; // context and source
    QString source;
    bool numerus = false;
    QString type; // of the translation: empty when finished
    QStringList forms;
};

QList<Message> readTs(const QString& language) {
    QFile file(QStringLiteral(VEXLOR_TRANSLATIONS_DIR "/vexlor_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append(
                {{}, {}, xml.attributes().value("numerus") == QLatin1String("yes"), {}, {}});
        else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
            messages.last().key = context + QStringLiteral(": \"") + messages.last().source + '"';
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value("type").toString();
            if (!messages.last().numerus)
                messages.last().forms << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform"))
            messages.last().forms << xml.readElementText();
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

// The placeholders a text fills in, sorted: "%1", "%L2", "%n". The "L" stays:
// without it a number loses the language's separators.
QStringList placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?([1-9][0-9]?|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
        found << m.captured(0);
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    // Every message has a finished translation with the placeholders of its
    // source, a numerus message every plural form of the language, and the
    // languages translate the same messages; English only those that count.
    void everyMessageFinished_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("pluralForms");
        QTest::addColumn<QString>("other");
        QTest::newRow("de") << "de" << 2 << "pl";
        QTest::newRow("pl") << "pl" << 3 << "de";
        QTest::newRow("en") << "en" << 2 << "de";
    }
    void everyMessageFinished() {
        QFETCH(QString, language);
        QFETCH(int, pluralForms);
        QFETCH(QString, other);
        const bool pluralsOnly = language == QLatin1String("en");
        const QList<Message> messages = readTs(language);
        QVERIFY(!messages.isEmpty());
        QStringList faults;
        QStringList keys;
        for (const Message& m : messages) {
            keys << m.key;
            if (!m.type.isEmpty())
                faults << m.key + QStringLiteral(" is ") + m.type;
            if (m.forms.size() != (m.numerus ? pluralForms : 1))
                faults << m.key + QStringLiteral(" has %1 forms").arg(m.forms.size());
            for (const QString& form : m.forms)
                if (form.trimmed().isEmpty() || placeholders(form) != placeholders(m.source))
                    faults << m.key + QStringLiteral(" -> \"%1\"").arg(form);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QStringList otherKeys;
        for (const Message& m : readTs(other))
            if (m.numerus || !pluralsOnly)
                otherKeys << m.key;
        keys.sort();
        otherKeys.sort();
        QCOMPARE(keys, otherKeys);
    }

    // The language as gettext would choose it from LANGUAGE, LC_ALL,
    // LC_MESSAGES and LANG; English (empty) where no translation is wanted.
    void chooseLanguage_data() {
        QTest::addColumn<QStringList>("environment"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QString>("chosen");
        const char* const rows[][6] = {
            // clang-format off
            // name                   LANGUAGE    LC_ALL   LC_MESS. LANG           chosen
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
            QTest::newRow(r[0]) << QStringList{r[1], r[2], r[3], r[4]} << QString::fromLatin1(r[5]);
    }
    void chooseLanguage() {
        QFETCH(QStringList, environment);
        QFETCH(QString, chosen);
        const QLocale language = vexlor::chooseLanguage(
            {environment[0], environment[1], environment[2], environment[3]});
        QCOMPARE(language.language() == QLocale::English ? QString() : language.name().left(2),
                 chosen);
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
