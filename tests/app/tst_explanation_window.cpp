// The "Why?" window: F3 explains what may be explained of the Cube on show
// and nothing more, its pictures tell a reader their sentence, the side by
// side outlines the faces the fit says differ, and the fold steps and turns
// by keys.
#include "app/explanation_window.h"
#include "app/fold_view.h"
#include "app/recipe_guide.h"
#include "cube/answer_fit.h"
#include "cube/generator.h"
#include "printing/explanation.h"
#include "render/fold_picture.h"
#include "render_checks.h"
#include "window_fixture.h"

#include <QApplication>
#include <QSlider>

using namespace vexlor;

namespace {

// A face of a picture is outlined where the middles of its two outer edges
// (those not shared with another visible face) have the outline's colour
// within a pixel.
bool outlined(const ImageCanvas& picture, const FaceFrame& frame) {
    int found = 0;
    for (const auto& [u, v] : {std::pair(1.0, 0.5), std::pair(0.5, 1.0)}) {
        const Point p = facePoint(frame, u, v);
        bool near = false;
        for (int d = 0; d < 9; ++d)
            near = near || picture.pixel(p.x + d % 3 - 1, p.y + d / 3 - 1) == kOutlineColor;
        found += near ? 1 : 0;
    }
    return found == 2;
}

} // namespace

class ExplanationWindowTest : public QObject {
    Q_OBJECT

private slots:
    // F3 pauses a running test and explains the Cube on show: the sample
    // and a solved Cube every answer; a Cube still being solved only the
    // answers picked on it, the latest beside the fold; before a pick
    // nothing. Every picture tells a reader the sentence of the answer beside
    // the fold. Esc closes the window and the keys go back to the main one.
    void f3ExplainsNoMoreThanWasPicked_data() {
        QTest::addColumn<QString>("picks"); // w: the next wrong answer, r: the right one
        QTest::addColumn<bool>("everyAnswer");
        QTest::newRow("the sample at start") << "sample" << true;
        QTest::newRow("before a pick") << "" << false;
        QTest::newRow("after a wrong pick") << "w" << false;
        QTest::newRow("after two wrong picks") << "ww" << false;
        QTest::newRow("after the right pick") << "wr" << true;
    }
    void f3ExplainsNoMoreThanWasPicked() {
        QFETCH(QString, picks);
        QFETCH(bool, everyAnswer);
        WindowFixture w;
        const bool sample = picks == QLatin1String("sample");
        int last = sample ? w.form->sampleCube().correctAnswer : -1;
        if (!sample) {
            w.start();
            int wrong = 0;
            for (const QChar pick : picks) {
                last = pick == u'w' ? w.wrongAnswer(wrong++) : w.current()->correctAnswer;
                w.click(last);
            }
        }
        const Cube cube = sample ? w.form->sampleCube() : *w.current();
        QTest::keyClick(w.form.get(), Qt::Key_F3);
        ExplanationWindow* why = w.form->explanationWindow();
        QVERIFY(why != nullptr && why->isVisible());
        QCOMPARE(w.state.paused, !picks.endsWith(u'r'));
        QCOMPARE(why->shownAnswer(), last);
        const auto* message = why->findChild<QLabel*>("explanationMessage");
        QCOMPARE(message->isVisibleTo(why), last < 0);
        QCOMPARE(message->text(), last < 0 ? QStringLiteral("Pick an answer first.") : QString());
        for (int a = 0; a < kAnswers && last >= 0; ++a) {
            const auto* sentence =
                why->findChild<QLabel*>(QStringLiteral("sentence%1").arg(QChar(u'A' + a)));
            const bool explained = everyAnswer || cube.picked[a] != 0;
            QCOMPARE(sentence->isVisibleTo(why), explained);
            QVERIFY(explained ? sentence->text().endsWith(explanationSentence(cube, a))
                              : sentence->text().isEmpty());
        }
        for (const char* name : {"fold", "foldedAnswer", "pickedAnswer"})
            QCOMPARE(why->findChild<QWidget*>(name)->accessibleDescription(),
                     last < 0 ? QString() : answerDescription(cube, last));
        QTRY_COMPARE(QApplication::activeWindow(), why);
        QTest::keyClick(why, Qt::Key_Escape);
        QVERIFY(!why->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), w.form.get());
    }

    // Shift+F3 steps through Mistakes as a review, but keeps the right
    // answer of a Cube the test still asks: until it is solved only its
    // picks are explained.
    void mistakesKeepTheAskedCubesAnswer() {
        WindowFixture w;
        w.start();
        const int wrong = w.wrongAnswer();
        const int right = w.current()->correctAnswer;
        w.click(wrong);
        QTest::keyClick(w.form.get(), Qt::Key_F3, Qt::ShiftModifier);
        ExplanationWindow* why = w.form->explanationWindow();
        QCOMPARE(why->seriesSize(), 1);
        QCOMPARE(why->shownAnswer(), wrong);
        QVERIFY(!why->explains(right));
        why->close();
        w.start();
        w.click(right);
        QTest::keyClick(w.form.get(), Qt::Key_F3, Qt::ShiftModifier);
        QVERIFY(why->explains(right) && why->explains(wrong));
        QVERIFY(sameTask(*why->cube(), w.store[SeriesId::Mistakes].front()));
    }

    // The side by side: both pictures outline exactly the visible faces in
    // which the answer differs from the folded cube in its best fit.
    void sideBySideOutlinesTheDifferingFaces() {
        ExplanationWindow why(nullptr);
        RandomSource randomSource(11);
        for (int n = 0; n < 15; ++n) {
            Cube c{};
            makeCube(c, randomSource);
            for (int a = 0; a < kAnswers; ++a) {
                why.explain(c, a);
                const AnswerFit fit = bestFit(c, a);
                for (const char* name : {"foldedAnswer", "pickedAnswer"}) {
                    const auto* picture = why.findChild<PictureWidget*>(name);
                    for (int k = 0; k < kVisibleFaces; ++k)
                        QVERIFY2(
                            outlined(picture->canvas(),
                                     answerFaceFrame(why.answerProjection(), a, k)) ==
                                (fit.difference[k] != FaceDifference::Same),
                            qPrintable(
                                QStringLiteral("%1, answer %2, face %3").arg(name).arg(a).arg(k)));
                }
            }
        }
    }

    // Left and Right step the fold and stop it; once folded the arrows turn
    // the cube instead; Replay folds it again from flat, the turn undone.
    void keysStepThenTurn() {
        ExplanationWindow why(nullptr);
        RandomSource randomSource(3);
        Cube c{};
        makeCube(c, randomSource);
        why.explain(c, -1);
        FoldView& fold = why.foldView();
        QTest::keyClick(&fold, Qt::Key_Right);
        const double stepped = fold.progress();
        QVERIFY(stepped > 0 && stepped < 1);
        QTest::keyClick(&fold, Qt::Key_Left);
        QVERIFY(fold.progress() < stepped);
        QTest::qWait(100);
        QVERIFY(fold.progress() < stepped);
        why.findChild<QSlider*>("foldSlider")->setValue(100);
        QVERIFY(fold.isFolded());
        const QImage folded = fold.canvas().image();
        QTest::keyClick(&fold, Qt::Key_Up);
        QVERIFY(fold.isFolded() && fold.canvas().image() != folded);
        QTest::mouseClick(why.findChild<QPushButton*>("foldReplay"), Qt::LeftButton);
        QVERIFY(fold.progress() < stepped);
        QCOMPARE(fold.userTurn().axisImage[1].y, 1.0);
    }

    // The recipe guide's Why? explains its example, beginning with the
    // wrong answer the guide shows, in every recipe.
    void guideExplainsItsExample() {
        RandomSource randomSource(5);
        RecipeGuide guide(randomSource, nullptr);
        guide.show();
        for (int recipe = 0; recipe < kRecipeCount; ++recipe) {
            guide.showRecipe(recipe, {});
            QTest::mouseClick(guide.findChild<QPushButton*>("explainExample"), Qt::LeftButton);
            const ExplanationWindow* why = guide.explanationWindow();
            QVERIFY(why != nullptr && why->isVisible());
            QVERIFY(sameTask(*why->cube(), guide.example()));
            QCOMPARE(why->shownAnswer(), guide.picture().wrongAnswer());
        }
    }
};

QTEST_MAIN(ExplanationWindowTest)
#include "tst_explanation_window.moc"
