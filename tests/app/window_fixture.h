#pragma once

// A real main window on the offscreen platform with scripted dialogs, a fake
// clock, a random source and its own series store and test state.

#include "app/main_window.h"
#include "fake_clock.h"
#include "history/history_store.h"
#include "l10n/language.h"
#include "render/palette.h"
#include "scripted_dialogs.h"
#include "series/series_store.h"
#include "session/session_state.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

// English as the program installs it, with its plural forms ("1 Cube"),
// unless the test installed another language.
inline void speakEnglishUnlessTold() {
    if (qApp->findChildren<QTranslator*>().isEmpty())
        (void)vexlor::installLanguage(*qApp, QLocale(QLocale::English));
}

struct WindowFixture {
    FakeClock clock;
    vexlor::RandomSource randomSource;
    ScriptedDialogs dialogs;
    vexlor::SeriesStore store;
    vexlor::SessionState state;
    QTemporaryDir settingsFolder;
    std::unique_ptr<QSettings> ownSettings;
    std::unique_ptr<vexlor::HistoryStore> ownHistory;
    std::unique_ptr<vexlor::MainWindow> form;

    // Built as main() builds the program, the test making every service.
    // Without a history of its own the window gets one in the test's data
    // folder; without settings, fresh ones. Without a seed it draws as the
    // program does, seeded now. Real boxes replace the scripted ones.
    explicit WindowFixture(vexlor::HistoryStore* history = nullptr,
                           std::int64_t seed = vexlor::RandomSource::secondsNow())
        : WindowFixture(history, nullptr, seed) {}
    WindowFixture(vexlor::HistoryStore* history, QSettings* settings,
                  std::int64_t seed = vexlor::RandomSource::secondsNow(),
                  vexlor::Dialogs* boxes = nullptr)
        : randomSource(seed) {
        speakEnglishUnlessTold();
        if (settings == nullptr) {
            ownSettings = std::make_unique<QSettings>(
                settingsFolder.filePath(QStringLiteral("Vexlor.conf")), QSettings::IniFormat);
            settings = ownSettings.get();
        }
        if (history == nullptr) {
            // Opened as the program opens it: once the window is on screen.
            ownHistory = std::make_unique<vexlor::HistoryStore>(
                vexlor::HistoryStore::defaultPath(), vexlor::HistoryStore::Mode::ReadWrite,
                vexlor::HistoryStore::Start::Later);
            history = ownHistory.get();
        }
        form = std::make_unique<vexlor::MainWindow>(
            vexlor::MainWindow::Services{boxes != nullptr ? *boxes : dialogs, store, state,
                                         *history, *settings, clock, randomSource});
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("window not exposed");
    }
    ~WindowFixture() {
        // Closing asks; the answer is Yes so the window goes.
        form.reset();
    }

    vexlor::Cube* current() { return store.currentCube(); }
    vexlor::SessionPhase phase() const { return form->flow().phase(); }
    int count(vexlor::SeriesId k) const { return store.count(k); }

    // Controls, found by the names tools and tests know them by. A missing
    // one stops the test at once.
    template <class T = QWidget> T* find(const QString& name) const {
        T* widget = form->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QLabel* label(const char* name) const { return find<QLabel>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const {
        return find<QPushButton>(QString::fromLatin1(name));
    }
    vexlor::PictureWidget* picture(const char* name) const {
        return find<vexlor::PictureWidget>(QString::fromLatin1(name));
    }
    // The picture of answer 0-3, by its name.
    vexlor::PictureWidget* answerPicture(int answer) const {
        return find<vexlor::PictureWidget>(QStringLiteral("ans%1").arg(answer));
    }

    // Picks by mouse, as the user clicks the picture.
    void click(int answer) {
        QTest::mouseClick(answerPicture(answer), Qt::LeftButton, {}, QPoint(125, 125));
    }
    void key(char c) { QTest::keyClick(form.get(), c); }
    void start() { QTest::mouseClick(button("stst"), Qt::LeftButton); }

    int wrongAnswer(int nth = 0) {
        const int correct = current()->correctAnswer;
        for (int a = 0; a < 4; ++a)
            if (a != correct && nth-- == 0)
                return a;
        return -1;
    }

    // Make Current a fresh random series of n Cubes through the command.
    void newSeries(int n, bool clearSkipped = true) {
        if (count(vexlor::SeriesId::Current) != 0)
            dialogs.queueYes();
        dialogs.queueText(QString::number(n));
        if (count(vexlor::SeriesId::Skipped) != 0) {
            if (clearSkipped)
                dialogs.queueYes();
            else
                dialogs.queueNo();
        }
        QTest::mouseClick(button("newseriesb"), Qt::LeftButton);
    }
};

// True when every pixel of the image is the picture background.
inline bool isBlank(const QImage& image) {
    const QRgb back = qRgb(207, 224, 243);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (back & 0xFFFFFF))
                return false;
    return true;
}
