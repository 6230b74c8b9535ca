#include "explanation.h"

#include "cube/answer_fit.h"
#include "printing/worksheet.h"

#include <QCoreApplication>

#include <array>

namespace vexlor {

namespace {

// The sentences, translated as whole sentences under one name for the
// window, the tool and the worked key.
class Why {
    Q_DECLARE_TR_FUNCTIONS(Why)
};

// A symbol's name in each role a sentence gives it, each role a context of
// its own, so that a language with cases and articles can decline it: the
// subject ("the arrow points"), what is shown ("shows the arrow") and what
// lies beside something ("beside the arrow").
struct SymbolName {
    const char* subject;
    const char* object;
    const char* beside;
};

// clang-format off
constexpr std::array<SymbolName, kSymbolCount> kSymbolNames = {{
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the arrow"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the arrow"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the arrow")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the arrowhead"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the arrowhead"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the arrowhead")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the caret"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the caret"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the caret")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the diagonal arrow"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the diagonal arrow"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the diagonal arrow")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the T"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the T"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the T")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the corner square"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the corner square"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the corner square")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the double arrow"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the double arrow"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the double arrow")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the diamond"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the diamond"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the diamond")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the diamond ring"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the diamond ring"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the diamond ring")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the double diagonal arrow"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the double diagonal arrow"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the double diagonal arrow")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the I-beam"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the I-beam"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the I-beam")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the two squares"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the two squares"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the two squares")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the plus"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the plus"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the plus")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the flared cross"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the flared cross"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the flared cross")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the square ring"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the square ring"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the square ring")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the star"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the star"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the star")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the window"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the window"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the window")},
    {QT_TRANSLATE_NOOP("Symbol (subject)", "the square"),
     QT_TRANSLATE_NOOP("Symbol (object)", "the square"),
     QT_TRANSLATE_NOOP("Symbol (beside)", "the square")},
}};

// A visible face in each role: the subject ("the top face shows"), where a
// symbol lies ("on the top face") and where it points ("to the top face").
struct FaceName {
    const char* subject;
    const char* on;
    const char* to;
};

constexpr std::array<FaceName, kVisibleFaces> kFaceNames = {{
    {QT_TRANSLATE_NOOP("Face (subject)", "the top face"),
     QT_TRANSLATE_NOOP("Face (on)", "on the top face"),
     QT_TRANSLATE_NOOP("Face (to)", "to the top face")},
    {QT_TRANSLATE_NOOP("Face (subject)", "the right face"),
     QT_TRANSLATE_NOOP("Face (on)", "on the right face"),
     QT_TRANSLATE_NOOP("Face (to)", "to the right face")},
    {QT_TRANSLATE_NOOP("Face (subject)", "the left face"),
     QT_TRANSLATE_NOOP("Face (on)", "on the left face"),
     QT_TRANSLATE_NOOP("Face (to)", "to the left face")},
}};
// clang-format on

enum class Role { Subject, Object, Beside };

QString named(Symbol symbol, Role role) {
    if (symbol < 0 || symbol >= kSymbolCount)
        return {};
    const SymbolName& n = kSymbolNames[static_cast<std::size_t>(symbol)];
    switch (role) {
    case Role::Subject:
        return QCoreApplication::translate("Symbol (subject)", n.subject);
    case Role::Object:
        return QCoreApplication::translate("Symbol (object)", n.object);
    case Role::Beside:
        break;
    }
    return QCoreApplication::translate("Symbol (beside)", n.beside);
}

const FaceName& faceName(int k) {
    return kFaceNames[static_cast<std::size_t>(k >= 0 && k < kVisibleFaces ? k : 0)];
}
QString faceSubject(int k) {
    return QCoreApplication::translate("Face (subject)", faceName(k).subject);
}
QString faceOn(int k) {
    return QCoreApplication::translate("Face (on)", faceName(k).on);
}
QString faceTo(int k) {
    return QCoreApplication::translate("Face (to)", faceName(k).to);
}

QString turnedSentence(const Explanation& why, const QString& letter) {
    const QString shown = named(why.shown, Role::Object);
    const QString on = faceOn(why.face);
    if (turnMask(why.shown) == 1)
        return Why::tr("Answer %1 shows %2 %3 turned a quarter turn compared with the "
                       "folded cube.")
            .arg(letter, shown, on);
    switch (why.turnedBy) {
    case 1:
        return Why::tr("Answer %1 shows %2 %3 turned a quarter turn clockwise compared "
                       "with the folded cube.")
            .arg(letter, shown, on);
    case 3:
        return Why::tr("Answer %1 shows %2 %3 turned a quarter turn anticlockwise "
                       "compared with the folded cube.")
            .arg(letter, shown, on);
    default:
        return Why::tr("Answer %1 shows %2 %3 turned a half turn compared with the "
                       "folded cube.")
            .arg(letter, shown, on);
    }
}

QString pointsSentence(const Explanation& why, const QString& letter) {
    const QString symbol = named(why.shown, Role::Subject);
    const QString on = faceOn(why.face);
    if (why.foldedToward < 0)
        return Why::tr("In answer %1 %2 %3 points %4; folded, it points to a face hidden "
                       "behind the cube.")
            .arg(letter, symbol, on, faceTo(why.shownToward));
    if (why.shownToward < 0)
        return Why::tr("In answer %1 %2 %3 points to a face hidden behind the cube; "
                       "folded, it points %4.")
            .arg(letter, symbol, on, faceTo(why.foldedToward));
    return Why::tr("In answer %1 %2 %3 points %4; folded, it points %5.")
        .arg(letter, symbol, on, faceTo(why.shownToward), faceTo(why.foldedToward));
}

QString oppositeSentence(const Cube& c, const Explanation& why, int a, const QString& letter) {
    const Symbol other = c.answerSymbol[a][why.otherFace];
    if (other == why.shown)
        return Why::tr("Answer %1 shows %2 both %3 and %4; folded, the two faces that carry it "
                       "are opposite.")
            .arg(letter, named(why.shown, Role::Object), faceOn(why.face), faceOn(why.otherFace));
    return Why::tr("Answer %1 shows %2 %3 beside %4 %5; folded, the two lie on opposite faces.")
        .arg(letter, named(why.shown, Role::Object), faceOn(why.face), named(other, Role::Beside),
             faceOn(why.otherFace));
}

QString mirrorSentence(const Cube& c, const Explanation& why, int a, const QString& letter) {
    return Why::tr("In answer %1 %2 %3 and %4 %5 lie in mirror order; folded, they change "
                   "places.")
        .arg(letter, named(why.shown, Role::Subject), faceOn(why.face),
             named(c.answerSymbol[a][why.otherFace], Role::Subject), faceOn(why.otherFace));
}

} // namespace

QString explanationSentence(const Cube& c, int a) {
    if (a < 0 || a >= kAnswers)
        return {};
    const Explanation why = explainAnswer(c, a);
    const QString letter(answerLetter(a));
    switch (why.reason) {
    case Reason::Folds:
        break;
    case Reason::OppositeFaces:
        return oppositeSentence(c, why, a, letter);
    case Reason::MirrorOrder:
        return mirrorSentence(c, why, a, letter);
    case Reason::OtherSymbol:
        return Why::tr("In answer %1 %2 shows %3; folded, that face shows %4.")
            .arg(letter, faceSubject(why.face), named(why.shown, Role::Object),
                 named(why.folded, Role::Object));
    case Reason::PointsElsewhere:
        return pointsSentence(why, letter);
    case Reason::Turned:
        return turnedSentence(why, letter);
    }
    return Why::tr("Answer %1 can be folded from the net.").arg(letter);
}

QString answerDescription(const Cube& c, int a) {
    if (a < 0 || a >= kAnswers)
        return {};
    const QString letter(answerLetter(a));
    if (explainAnswer(c, a).reason == Reason::Folds)
        return Why::tr("Answer %1 can be folded from the net.").arg(letter);
    return Why::tr("Answer %1 cannot be folded from the net.").arg(letter) + QLatin1Char(' ') +
           explanationSentence(c, a);
}

QString symbolName(Symbol symbol) {
    return named(symbol, Role::Subject);
}

} // namespace vexlor
