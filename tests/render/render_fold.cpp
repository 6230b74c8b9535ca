// Writes pictures of a Cube's net folding up, for looking at by eye: the fold
// at a few times, turning from the net's own view towards the correct
// answer's, and beside each answer picture the closed cube in that answer's
// best-fitting view, the faces that differ outlined in both, and its sentence
// in the language of the environment.
//
//   render_fold SEED RECIPE PREFIX   writes PREFIX-25.png, PREFIX-50.png,
//                                    PREFIX-100.png and PREFIX-answers.png
#include "cube/answer_fit.h"
#include "cube/fold.h"
#include "cube/generator.h"
#include "printing/explanation.h"
#include "printing/image_canvas.h"
#include "l10n/language.h"
#include "render/fold_picture.h"
#include "render/pictures.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdlib>

using namespace vexlor;

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    installLanguage(application, chooseLanguage(LocaleEnvironment::ofProcess()));
    if (argc != 4)
        return 2;
    RandomSource randomSource(std::atoll(argv[1]));
    Cube c{};
    makeNet(c, randomSource);
    generateTaskOfRecipe(c, std::atoi(argv[2]), randomSource);
    const QString prefix = QString::fromLocal8Bit(argv[3]);
    const NetFold fold = netFold(c);
    const Projection projection = makeProjection(kAnswerSide);

    const Explanation right = explainAnswer(c, c.correctAnswer);
    const Rotation view = cornerView(fold, right.fit.face, right.fit.edge);
    // The net folds seen a little from aside, then the closed cube turns to
    // the correct answer's view.
    for (const int percent : {25, 50, 100}) {
        ImageCanvas canvas(500, 500);
        const double t = percent / 100.0;
        drawFold(canvas, c, fold, t, {interpolate({}, view, t < 1 ? 0.3 : 1), 250, 250, 90});
        canvas.image().save(QStringLiteral("%1-%2.png").arg(prefix).arg(percent));
    }

    // Each answer over the closed cube in its best view.
    constexpr int kCaption = 110;
    QImage sheet(kAnswers * kAnswerSide, 2 * kAnswerSide + kCaption, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int a = 0; a < kAnswers; ++a) {
        const Explanation why = explainAnswer(c, a);
        ImageCanvas answer(kAnswerSide, kAnswerSide), folded(kAnswerSide, kAnswerSide);
        Pictures pictures;
        pictures.answers[a] = &answer;
        clearPictures(pictures);
        drawAnswer(pictures, c, a);
        outlineDifferingFaces(answer, projection, a, why.fit);
        FoldStyle style;
        style.outlined = differingCubeFaces(why.fit);
        drawFold(folded, c, fold, 1, answerCamera(fold, why.fit.face, why.fit.edge, projection, a),
                 style);
        painter.drawImage(a * kAnswerSide, 0, answer.image());
        painter.drawImage(a * kAnswerSide, kAnswerSide, folded.image());
        painter.drawText(
            QRect(a * kAnswerSide + 6, 2 * kAnswerSide + 4, kAnswerSide - 12, kCaption - 8),
            Qt::TextWordWrap, explanationSentence(c, a));
    }
    painter.end();
    sheet.save(prefix + QStringLiteral("-answers.png"));
    return 0;
}
