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
#include <QLayout>
#include <QLocale>
#include <QStyleOptionButton>
#include <QTemporaryDir>
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

    // The Progress window fits every size it allows, in every language: at
    // its minimum, wider, taller and as large as a 1366 x 768 screen leaves
    // it, no control lies over another or outside the window, a wrapped text
    // has the lines it needs and a chart the room it asks for; the minimum
    // itself fits that screen.
    void progressFitsEverySize_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("added"); // to the minimum; empty: the whole screen
        for (const char* language : {"en", "de", "pl"}) {
            QTest::addRow("%s, minimum", language) << language << QSize(0, 0);
            QTest::addRow("%s, wider", language) << language << QSize(160, 0);
            QTest::addRow("%s, taller", language) << language << QSize(0, 120);
            QTest::addRow("%s, screen", language) << language << QSize();
        }
    }
    void progressFitsEverySize() {
        QFETCH(QString, language);
        QFETCH(QSize, added);
        QVERIFY(installLanguage(*qApp, QLocale(language)));
        QTemporaryDir dir;
        HistoryStore history(dir.filePath(QStringLiteral("history.sqlite")));
        for (int i = 0; i < 60; ++i)
            history.record({QDateTime(QDate(2025, 11, 10 + i / 3), QTime(18, i)), i % 14,
                            5.0 + i % 7, i % 3 == 0 ? 1 : 0});
        WindowFixture w(&history, kSeed);
        w.form->showProgress();
        ProgressWindow* progress = w.form->progressWindow();
        const QSize screen(1366 - 48, 768 - 48);
        QVERIFY2(progress->minimumWidth() <= screen.width() &&
                     progress->minimumHeight() <= screen.height(),
                 qPrintable(QStringLiteral("%1 x %2")
                                .arg(progress->minimumWidth())
                                .arg(progress->minimumHeight())));
        progress->resize(added.isEmpty() ? screen : progress->minimumSize() + added);
        progress->layout()->activate();
        QStringList faults;
        const QList<QWidget*> shown = progress->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* a : shown) {
            if (!a->isVisible() || a->isWindow())
                continue;
            if (!progress->rect().contains(a->geometry()))
                faults << a->objectName() + QStringLiteral(" lies outside the window");
            if (const auto* label = qobject_cast<const QLabel*>(a);
                label != nullptr && label->wordWrap()) {
                // Its lines as a plain QLabel measures them, not as it says.
                QLabel plain(label->text());
                plain.setFont(label->font());
                plain.setTextFormat(label->textFormat());
                plain.setWordWrap(true);
                if (label->height() < plain.heightForWidth(label->width()))
                    faults << a->objectName() + QStringLiteral(" lacks lines");
            }
            if (a->width() < a->minimumSizeHint().width() ||
                a->height() < a->minimumSizeHint().height())
                faults << a->objectName() + QStringLiteral(" is squeezed");
            for (const QWidget* b : shown)
                if (a < b && b->isVisible() && !b->isWindow() &&
                    a->geometry().intersects(b->geometry()))
                    faults << a->objectName() + QStringLiteral(" lies over ") + b->objectName();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(WindowTextsTest)
#include "tst_window_texts.moc"
