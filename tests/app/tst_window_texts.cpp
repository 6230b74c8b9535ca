// The texts of the window in every language: in English exactly as they
// always were, and in German and Polish within the controls that show them,
// whose sizes never change.
#include "app/progress_window.h"
#include "app/series_commands.h"
#include "file_util.h"
#include "l10n/language.h"
#include "window_fixture.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLocale>
#include <QStyleOptionButton>
#include <QTranslator>

using namespace vexlor;

namespace {

QString textOf(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title();
    return {};
}

// Every text of a window and its controls, one line each, in the order the
// controls were made: what is shown, the tooltip and what a screen reader
// hears.
QStringList textsOf(const QWidget* window) {
    QStringList lines;
    QList<const QWidget*> widgets{window};
    for (const QWidget* w : window->findChildren<QWidget*>())
        widgets << w;
    for (const QWidget* w : widgets) {
        const QString name = w->objectName();
        const auto add = [&](const char* what, const QString& text) {
            if (!text.isEmpty())
                lines << name + QLatin1Char(' ') + QLatin1String(what) + QStringLiteral(": ") +
                             text;
        };
        if (w->isWindow())
            add("title", w->windowTitle());
        add("text", textOf(w));
        add("tooltip", w->toolTip());
        add("name", w->accessibleName());
        add("description", w->accessibleDescription());
    }
    return lines;
}

// The room a control gives its text: a button's inside its bevel, less a
// pixel on either side so that the text does not touch it; any other
// control's inside its frame.
int roomOf(const QWidget* w) {
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect inside =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return inside.width() - 2;
    }
    return w->contentsRect().width();
}

constexpr std::int64_t kSeed = 1'700'000'000;

} // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT

private slots:
    // Each test speaks English unless it installs another language.
    void cleanup() {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::c());
    }

    // Under the C locale every text of the window is what it was before the
    // window could speak another language, byte for byte.
    void englishAsBefore() {
        const QStringList expected =
            QString::fromUtf8(readAll(QStringLiteral(VEXLOR_TEST_DATA "/english_texts.txt")))
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        WindowFixture w(nullptr, kSeed);
        const QStringList actual = textsOf(w.form.get());
        // Line by line, so that a failure names the text that changed.
        for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i)
            QCOMPARE(actual.value(i), expected.value(i));
    }

    // In every language each text fits the control that shows it, and the
    // figures, dates and boxes speak the language too.
    void textsFit_data() {
        QTest::addColumn<QString>("language");
        // The Cube time, the mistakes per Cube, the Progress window's days,
        // the close question, the error of a file that is no series.
        QTest::addColumn<QStringList>("shown");
        // clang-format off
        QTest::newRow("en") << "en" << QStringList{"12.5", "100%", "10 Nov 2025 to 9 Dec 2025", "ask: Close Vexlors?", "error: Wrong file format."};
        QTest::newRow("de") << "de" << QStringList{"12,5", "100 %", "10. Nov. 2025 bis 9. Dez. 2025", "ask: Vexlor beenden?", "error: Falsches Dateiformat."};
        QTest::newRow("pl") << "pl" << QStringList{"12,5", "100%", "od 10 lis 2025 do 9 gru 2025", "ask: Zamknąć Vexlor?", "error: Nieprawidłowy format pliku."};
        // clang-format on
    }
    void textsFit() {
        QFETCH(QString, language);
        QFETCH(QStringList, shown);
        QVERIFY(installLanguage(*qApp, QLocale(language)));
        WindowFixture w(nullptr, kSeed);
        QStringList faults;
        for (const QWidget* control : w.form->findChildren<QWidget*>()) {
            const QString text = textOf(control);
            // A value label grows to its number, keeping its right edge.
            if (text.isEmpty() || qobject_cast<const ValueLabel*>(control) != nullptr)
                continue;
            int width = 0; // of the widest line
            for (const QString& line : text.split(QLatin1Char('\n')))
                width = std::max(width, control->fontMetrics().horizontalAdvance(line));
            if (width > roomOf(control))
                faults << QStringLiteral("%1 \"%2\": %3 px in %4")
                              .arg(control->objectName(), text)
                              .arg(width)
                              .arg(roomOf(control));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

        w.start();
        w.clock.advanceSeconds(12.5);
        w.click(w.wrongAnswer());
        w.click(w.current()->correctAnswer);
        QStringList seen{w.label("tcurr")->text(), w.label("mpc")->text()};
        w.form->showProgress();
        seen << w.form->progressWindow()->findChild<QLabel*>("span")->text();
        w.dialogs.queueNo();
        w.form->close();
        w.dialogs.queueYes();
        w.dialogs.queueFile(QCoreApplication::applicationFilePath());
        w.form->commands().loadIntoCurrent();
        seen << w.dialogs.log.constFirst() << w.dialogs.log.constLast();
        QCOMPARE(seen, shown);
    }
};

QTEST_MAIN(WindowTextsTest)
#include "tst_window_texts.moc"
