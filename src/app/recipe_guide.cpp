#include "recipe_guide.h"

#include "app/charts.h"
#include "app/explanation_window.h"
#include "cube/generator.h"
#include "cube/recipe.h"
#include "printing/canvas_style.h"
#include "printing/painter_canvas.h"
#include "render/palette.h"
#include "render/pictures.h"
#include "render/projection.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <string>

namespace vexlor {

namespace {

// The net is drawn at the size of the window's question picture and
// scaled to the guide.
constexpr int kQuestionSize = 500;

// A recipe's name or description in the user's language; the recipe table
// keeps the English.
QString fromView(std::string_view text) {
    return QCoreApplication::translate("Recipe", std::string(text).c_str());
}

QPolygonF faceOutline(const FaceFrame& f) {
    const QPointF o(f.origin.x, f.origin.y);
    const QPointF u(f.edgeU.x, f.edgeU.y);
    const QPointF v(f.edgeV.x, f.edgeV.y);
    return QPolygonF({o, o + u, o + u + v, o + v});
}

// The box of answer a's three faces in its picture: the cube sits off the
// picture's middle, pushed towards the window's 2 x 2 block.
QRectF answerBounds(const Projection& projection, int a) {
    QPolygonF all;
    for (int k = 0; k < kVisibleFaces; ++k)
        all += faceOutline(answerFaceFrame(projection, a, k));
    return all.boundingRect();
}

} // namespace

Cube makeExampleCube(int recipe, RandomSource& randomSource) {
    Cube c{};
    makeNet(c, randomSource);
    generateTaskOfRecipe(c, recipe, randomSource);
    if (hasValidCorrectAnswer(c))
        c.picked[c.correctAnswer] = 1;
    return c;
}

std::array<bool, kVisibleFaces> facesDiffering(const Cube& c, int a) {
    std::array<bool, kVisibleFaces> differ{};
    if (!hasValidCorrectAnswer(c) || a < 0 || a >= kAnswers)
        return differ;
    const int r = c.correctAnswer;
    for (int k = 0; k < kVisibleFaces; ++k) {
        const Symbol s = c.answerSymbol[a][k];
        differ[static_cast<std::size_t>(k)] =
            s != c.answerSymbol[r][k] || !sameTurn(s, c.answerTurn[a][k], c.answerTurn[r][k]);
    }
    return differ;
}

int exampleWrongAnswer(const Cube& c) {
    int best = -1;
    long fewest = kVisibleFaces + 1;
    for (int a = 0; a < kAnswers; ++a) {
        if (a == c.correctAnswer)
            continue;
        const auto differ = facesDiffering(c, a);
        const long n = std::count(differ.begin(), differ.end(), true);
        if (n > 0 && n < fewest) {
            fewest = n;
            best = a;
        }
    }
    return best;
}

ExamplePicture::ExamplePicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("example"));
    setAccessibleName(tr("Example Cube"));
}

void ExamplePicture::setCube(const Cube& c) {
    cube_ = c;
    wrongAnswer_ = exampleWrongAnswer(c);
    differing_ = facesDiffering(c, wrongAnswer_);
    static const char* const kFaceNames[kVisibleFaces] = {
        QT_TR_NOOP("the top face"), QT_TR_NOOP("the right face"), QT_TR_NOOP("the left face")};
    QStringList faces;
    for (int k = 0; k < kVisibleFaces; ++k)
        if (differing_[static_cast<std::size_t>(k)])
            faces << tr(kFaceNames[k]);
    setAccessibleDescription(
        tr("The net of the cube; the correct answer, its faces coloured as the net's cells they "
           "show; a wrong answer, which differs in %1.")
            .arg(faces.join(tr(" and "))));
    update();
}

void ExamplePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!hasValidCorrectAnswer(cube_) || wrongAnswer_ < 0)
        return;

    const QFontMetrics fm = fontMetrics();
    const double side = std::min<double>(height(), width() * 0.42);
    const QRectF netBox(0, 0, side, side);
    const double answerSide = std::min((width() - side - 24) / 2.0, side - fm.height() - 8);
    const double answersTop = (side - answerSide) / 2.0 + fm.height() / 2.0;
    const QRectF correctBox(side + 12, answersTop, answerSide, answerSide);
    const QRectF wrongBox(correctBox.right() + 12, answersTop, answerSide, answerSide);

    const QColor background = QColor(toQRgb(kBackgroundColor));
    for (const QRectF& box : {netBox, correctBox, wrongBox})
        painter.fillRect(box, background);

    // The net through the window's own drawing code, scaled into its box.
    painter.save();
    painter.translate(netBox.topLeft());
    painter.scale(side / kQuestionSize, side / kQuestionSize);
    {
        PainterCanvas canvas(painter, QSize(kQuestionSize, kQuestionSize));
        Pictures pictures;
        pictures.question = &canvas;
        drawNet(pictures, cube_, true);
    }
    painter.restore();

    const QPen outline(QColor(toQRgb(kWrongColor)), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const auto drawAnswerIn = [&](const QRectF& box, int a) {
        const QRectF bounds = answerBounds(projection_, a);
        const double scale =
            0.86 * std::min(box.width() / bounds.width(), box.height() / bounds.height());
        painter.save();
        painter.translate(box.center());
        painter.scale(scale, scale);
        painter.translate(-bounds.center());
        {
            PainterCanvas canvas(painter, QSize(kAnswerSide, kAnswerSide));
            Pictures pictures;
            pictures.answers[a] = &canvas;
            pictures.projection = projection_;
            drawAnswer(pictures, cube_, a);
        }
        painter.setPen(outline);
        painter.setBrush(Qt::NoBrush);
        for (int k = 0; k < kVisibleFaces; ++k)
            if (differing_[static_cast<std::size_t>(k)])
                painter.drawPolygon(faceOutline(answerFaceFrame(projection_, a, k)));
        painter.restore();
    };
    drawAnswerIn(correctBox, cube_.correctAnswer);
    drawAnswerIn(wrongBox, wrongAnswer_);

    painter.setPen(palette().color(QPalette::WindowText));
    const auto caption = [&](const QRectF& box, const QString& text) {
        painter.drawText(QRectF(box.left(), box.top() - fm.height() - 4, box.width(), fm.height()),
                         Qt::AlignCenter, text);
    };
    caption(correctBox, tr("Correct"));
    caption(wrongBox, tr("Wrong"));
}

RecipeGuide::RecipeGuide(RandomSource& randomSource, QWidget* parent)
    : QDialog(parent), randomSource_(randomSource) {
    setObjectName(QStringLiteral("recipeGuide"));
    setWindowTitle(tr("Recipe guide"));
    setModal(false);

    name_ = new QLabel(this);
    name_->setObjectName(QStringLiteral("recipeName"));
    QFont big = name_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    name_->setFont(big);
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("recipeDescription"));
    description_->setWordWrap(true);
    tip_ = new QLabel(this);
    tip_->setObjectName(QStringLiteral("recipeTip"));
    tip_->setWordWrap(true);
    tip_->setTextFormat(Qt::RichText);
    picture_ = new ExamplePicture(this);
    auto* legend = new QLabel(
        tr("Left, the net. Beside it the answer that can be folded from it, its faces coloured "
           "as the cells they show, and one that cannot: the faces in which the two differ are "
           "outlined in both."),
        this);
    legend->setObjectName(QStringLiteral("exampleLegend"));
    legend->setWordWrap(true);
    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("recipeFigures"));
    figures_->setWordWrap(true);

    practiseButton_ = new QPushButton(tr("Practise &this recipe"), this);
    practiseButton_->setObjectName(QStringLiteral("practiseRecipe"));
    practiseButton_->setAutoDefault(false);
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeGuide"));
    closeButton->setAutoDefault(false);
    auto* whyButton = new QPushButton(tr("Why?"), this);
    whyButton->setObjectName(QStringLiteral("explainExample"));
    whyButton->setAutoDefault(false);
    whyButton->setToolTip(tr("Fold the example's net and see why its wrong answer cannot be "
                             "folded from it"));
    connect(practiseButton_, &QPushButton::clicked, this,
            [this] { emit practiseRequested(recipe_); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(whyButton, &QPushButton::clicked, this, &RecipeGuide::explainExample);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(whyButton);
    buttons->addStretch();
    buttons->addWidget(practiseButton_);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name_);
    layout->addWidget(description_);
    layout->addWidget(tip_);
    layout->addWidget(picture_, 1);
    layout->addWidget(legend);
    layout->addWidget(figures_);
    layout->addLayout(buttons);
}

void RecipeGuide::explainExample() {
    if (explanation_ == nullptr)
        explanation_ = new ExplanationWindow(this);
    // The guide shows the example solved: a review, every answer explained.
    explanation_->explain(
        {example_, -1, ExplanationWindow::Reveal::AllAnswers, picture_->wrongAnswer()});
}

void RecipeGuide::hideEvent(QHideEvent* event) {
    // The explanation belongs to the guide's example and goes with it.
    if (explanation_ != nullptr)
        explanation_->close();
    QDialog::hideEvent(event);
}

void RecipeGuide::showRecipe(int recipe, const RecipeFigures& figures) {
    recipe_ = recipe;
    const auto r = static_cast<Recipe>(recipe);
    name_->setText(fromView(recipeName(r)));
    description_->setText(fromView(recipeDescription(r)));
    tip_->setText(tr("<b>How to solve it:</b> %1").arg(fromView(recipeTip(r)).toHtmlEscaped()));
    example_ = makeExampleCube(recipe, randomSource_);
    picture_->setCube(example_);
    // An explanation of the example it replaces would be of another Cube.
    if (explanation_ != nullptr)
        explanation_->close();

    QString own;
    if (figures.cubes == 0) {
        own = tr("You have not tried this recipe yet.");
    } else {
        const QString median = std::isfinite(figures.medianSeconds)
                                   ? tr("%L1 s").arg(figures.medianSeconds, 0, 'f', 1)
                                   : tr("no time");
        // Two sentences, each counting its own noun, so that each language
        // can give the count its case ("Rozwiązano 1 kostkę").
        own = tr("You have solved %Ln Cube(s) of this recipe.", nullptr, figures.cubes) +
              QLatin1Char(' ') +
              tr("Over your latest %Ln solve(s): median time %1, %L2 mistakes per Cube.", nullptr,
                 figures.recent)
                  .arg(median)
                  .arg(figures.mistakesPerCube, 0, 'f', 2);
        if (!figures.measured)
            own += QLatin1Char(' ') +
                   tr("That is too few to judge it yet: practice counts it as \"few\".");
        else if (figures.weakest)
            own += QLatin1Char(' ') + tr("It is one of your weakest recipes.");
    }
    figures_->setText(own);
    setWindowTitle(tr("Recipe guide: %1").arg(name_->text()));
}

} // namespace vexlor
