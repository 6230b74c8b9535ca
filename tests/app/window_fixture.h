#pragma once

// A real main window on the offscreen platform with scripted dialogs, a fake
// clock and its own series store and test state.

#include "app/main_window.h"
#include "fake_clock.h"
#include "render/palette.h"
#include "scripted_dialogs.h"
#include "series/series_store.h"
#include "test/test_state.h"

#include <QImage>
#include <QTest>

#include <memory>

struct WindowFixture {
    FakeClock clock;
    ScriptedDialogs dialogs;
    vexlor::SeriesStore store;
    vexlor::TestState state;
    std::unique_ptr<vexlor::TForm1> form;

    WindowFixture() {
        form = std::make_unique<vexlor::TForm1>(vexlor::TForm1::Services{&dialogs, &store, &state});
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("window not exposed");
    }
    ~WindowFixture() {
        // Closing asks; the answer is Yes so the window goes.
        form.reset();
    }

    vexlor::CubeNode* current() const { return store.CurrentCube(); }
    vexlor::TestPhase phase() const { return form->flow().Phase(); }
    int count(vexlor::SeriesKind k) const { return store[k].count; }

    // Picks by mouse, as the user clicks the picture.
    void click(int answer) {
        QTest::mouseClick(form->anspic[answer], Qt::LeftButton, {}, QPoint(125, 125));
    }
    void key(char c) { QTest::keyClick(form.get(), c); }
    void start() { QTest::mouseClick(form->stst, Qt::LeftButton); }

    int wrongAnswer(int nth = 0) const {
        const int correct = current()->correct;
        for (int a = 0; a < 4; ++a)
            if (a != correct && nth-- == 0)
                return a;
        return -1;
    }

    // Make Current a fresh random series of n Cubes through the command.
    void newSeries(int n, bool clearSkipped = true) {
        if (count(vexlor::SeriesKind::Current) != 0)
            dialogs.QueueYes();
        dialogs.QueueText(QString::number(n));
        if (count(vexlor::SeriesKind::Skipped) != 0) {
            if (clearSkipped)
                dialogs.QueueYes();
            else
                dialogs.QueueNo();
        }
        QTest::mouseClick(form->newseriesb, Qt::LeftButton);
    }
};

// True when every pixel of the image is the picture background.
inline bool IsBlank(const QImage& image) {
    const QRgb back = qRgb(207, 224, 243);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (back & 0xFFFFFF))
                return false;
    return true;
}
