// The sentences about the answers: a wrong answer's names a face that gives
// it away, what a recipe's wrong answers vary is what their sentences say, and
// each language says all of it in its own words.
#include "cube/answer_fit.h"
#include "cube/generator.h"
#include "l10n/language.h"
#include "printing/explanation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include <set>

using namespace vexlor;

Q_DECLARE_METATYPE(std::set<vexlor::Reason>)

class ExplanationTest : public QObject {
    Q_OBJECT

private slots:
    // A wrong answer's sentence names its letter and the face it is about,
    // one that differs in the orientation that fits the answer best; the
    // correct answer's says that it folds.
    void sentenceNamesADifferingFace() {
        static const char* const kFaces[kVisibleFaces] = {"top", "right", "left"};
        RandomSource randomSource(5);
        for (int n = 0; n < 200; ++n) {
            Cube c{};
            makeCube(c, randomSource);
            for (int a = 0; a < kAnswers; ++a) {
                const QString sentence = explanationSentence(c, a);
                const QChar letter(u'A' + a);
                if (a == c.correctAnswer) {
                    QCOMPARE(sentence,
                             QStringLiteral("Answer %1 can be folded from the net.").arg(letter));
                    continue;
                }
                QVERIFY2(sentence.contains(QStringLiteral("nswer %1 ").arg(letter)),
                         qPrintable(sentence));
                const Explanation why = explainAnswer(c, a);
                QVERIFY(why.fit.difference[why.face] != FaceDifference::Same);
                const QLatin1String face(kFaces[why.face]);
                QVERIFY2(sentence.contains(QStringLiteral("on the %1 face").arg(face)) ||
                             sentence.contains(QStringLiteral("the %1 face shows").arg(face)),
                         qPrintable(sentence));
            }
        }
    }

    // What a recipe's wrong answers vary is what their sentences explain,
    // each way it varies them at least once.
    void reasonFollowsTheRecipe_data() {
        QTest::addColumn<int>("recipe");
        QTest::addColumn<std::set<Reason>>("reasons");
        // Symmetric symbols show no turn, and a corner seen in a mirror
        // differs least where only the third face is another symbol.
        const std::set<Reason> corner = {Reason::OppositeFaces, Reason::OtherSymbol};
        const std::set<Reason> turn = {Reason::Turned, Reason::PointsElsewhere};
        std::set<Reason> any = corner;
        any.insert(turn.begin(), turn.end());
        any.insert(Reason::MirrorOrder);
        QTest::newRow("Which third face") << 0 << corner;
        QTest::newRow("6 distinct symmetric symbols") << 1 << corner;
        QTest::newRow("Turn of one symbol") << 4 << turn;
        QTest::newRow("6 distinct turned symbols") << 13 << any;
    }
    void reasonFollowsTheRecipe() {
        QFETCH(int, recipe);
        QFETCH(std::set<Reason>, reasons);
        RandomSource randomSource(recipe);
        std::set<Reason> seen;
        for (int n = 0; n < 60; ++n) {
            Cube c{};
            makeNet(c, randomSource);
            generateTaskOfRecipe(c, recipe, randomSource);
            for (int a = 0; a < kAnswers; ++a)
                if (a != c.correctAnswer)
                    seen.insert(explainAnswer(c, a).reason);
        }
        QVERIFY(seen == reasons);
    }

    // German and Polish say every sentence with their own words for the
    // symbols and faces: no English is left in them.
    void everySentenceTranslated_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("de") << "de";
        QTest::newRow("pl") << "pl";
    }
    void everySentenceTranslated() {
        QFETCH(QString, language);
        QVERIFY(installLanguage(*QCoreApplication::instance(), QLocale(language)));
        RandomSource randomSource(9);
        std::set<Reason> seen;
        for (int n = 0; n < 200; ++n) {
            Cube c{};
            makeCube(c, randomSource);
            for (int a = 0; a < kAnswers; ++a) {
                seen.insert(explainAnswer(c, a).reason);
                const QString sentence = answerDescription(c, a);
                QVERIFY2(!sentence.contains(QRegularExpression(QStringLiteral("the |face|nswer"))),
                         qPrintable(sentence));
            }
        }
        QCOMPARE(seen.size(), std::size_t(6));
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

QTEST_GUILESS_MAIN(ExplanationTest)
#include "tst_explanation.moc"
