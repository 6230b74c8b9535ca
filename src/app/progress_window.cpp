#include "progress_window.h"

#include "app/charts.h"
#include "app/recipe_guide.h"
#include "app/target_time.h"
#include "cube/recipe.h"
#include "history/qt_calendar.h"
#include "render/palette.h"
#include "time/clock.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vexlor {

namespace {

const QString kRangeKey = QStringLiteral("progress/range");

QString dateText(int day) {
    return QLocale().toString(dateOfDayNumber(day), ProgressWindow::tr("d MMM yyyy"));
}

// A line of figures or a paragraph that wraps to the window's width. QLabel
// lays out a wrapped text three to five times for its size hints alone (at
// 80 characters and narrower, on one line, a word to a line); the window
// needs only its height at the widths it tries, which the layout keeps for
// each width until the text changes.
class WrappedText final : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override {
        const QFontMetrics fm = fontMetrics();
        return QSize(kLeastCharacters * fm.averageCharWidth(), fm.lineSpacing()) +
               frameAndMargins();
    }
    QSize sizeHint() const override {
        const int width =
            kHintedCharacters * fontMetrics().averageCharWidth() + frameAndMargins().width();
        return {width, heightForWidth(width)};
    }
    int heightForWidth(int width) const override {
        const QSize room = QSize(width, 0) - frameAndMargins();
        return fontMetrics()
                   .boundingRect(QRect(0, 0, std::max(1, room.width()), 0), Qt::TextWordWrap,
                                 text())
                   .height() +
               frameAndMargins().height();
    }

private:
    static constexpr int kLeastCharacters = 20;
    static constexpr int kHintedCharacters = 80;

    QSize frameAndMargins() const {
        const QMargins m = contentsMargins();
        return {m.left() + m.right() + 2 * margin(), m.top() + m.bottom() + 2 * margin()};
    }
};

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new WrappedText(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    // Plain text, laid out as a line of text rather than as a document.
    label->setTextFormat(Qt::PlainText);
    return label;
}

// How a range is kept in the settings, and its button's name and caption.
struct RangeChoice {
    ChartRange range;
    const char* key;
    const char* objectName;
    const char* caption;
};
constexpr std::array<RangeChoice, kChartRanges.size()> kRangeChoices = {{
    {ChartRange::Days30, "30", "range30", QT_TRANSLATE_NOOP("vexlor::ProgressWindow", "30 days")},
    {ChartRange::Days90, "90", "range90", QT_TRANSLATE_NOOP("vexlor::ProgressWindow", "90 days")},
    {ChartRange::Year, "365", "rangeYear", QT_TRANSLATE_NOOP("vexlor::ProgressWindow", "A year")},
    {ChartRange::All, "all", "rangeAll", QT_TRANSLATE_NOOP("vexlor::ProgressWindow", "All")},
}};

std::size_t indexOf(ChartRange range) {
    return static_cast<std::size_t>(range);
}

// Two figures compared are written with one decimal, or with two where one
// would make different figures read the same ("0.2 -> 0.2").
int decimalsApart(double before, double after) {
    const QLocale locale;
    const bool blurred = std::isfinite(before) && std::isfinite(after) && before != after &&
                         locale.toString(before, 'f', 1) == locale.toString(after, 'f', 1);
    return blurred ? 2 : 1;
}

} // namespace

ProgressWindow::ProgressWindow(HistoryStore& history, const Clock& clock,
                               RandomSource& randomSource, QWidget* parent, QSettings* settings)
    : QDialog(parent), history_(history), clock_(clock), randomSource_(randomSource),
      settings_(settings) {
    setObjectName(QStringLiteral("progress"));
    setWindowTitle(tr("Progress"));
    setModal(false);

    notice_ = makeLabel(this, "notice");
    QPalette warning = notice_->palette();
    warning.setColor(QPalette::WindowText, QColor(kNoticeColor));
    notice_->setPalette(warning);
    notice_->setVisible(false);
    totals_ = makeLabel(this, "totals");
    review_ = makeLabel(this, "review");

    // The range last chosen, in this run or an earlier one; 30 days at first.
    if (settings_ != nullptr) {
        const QString kept = settings_->value(kRangeKey).toString();
        for (const RangeChoice& choice : kRangeChoices)
            if (kept == QLatin1String(choice.key))
                range_ = choice.range;
    }
    auto* ranges = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    for (const RangeChoice& choice : kRangeChoices) {
        auto* button = new QPushButton(tr(choice.caption), this);
        button->setObjectName(QString::fromLatin1(choice.objectName));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setChecked(choice.range == range_);
        group->addButton(button);
        ranges->addWidget(button);
        rangeButtons_[indexOf(choice.range)] = button;
        connect(button, &QPushButton::clicked, this,
                [this, range = choice.range] { setRange(range); });
    }
    span_ = new QLabel(this);
    span_->setObjectName(QStringLiteral("span"));
    span_->setTextFormat(Qt::PlainText);
    ranges->addSpacing(12);
    ranges->addWidget(span_, 1);
    comparison_ = makeLabel(this, "comparison");

    timeChart_ = new DayChart(tr("Median time per Cube (s)"), tr(" s"), 1, this);
    timeChart_->setObjectName(QStringLiteral("timeChart"));
    timeChart_->setCubeBars(true);
    mistakesChart_ = new DayChart(tr("Mistakes per Cube"), QString(), 2, this);
    mistakesChart_->setObjectName(QStringLiteral("mistakesChart"));
    examChart_ = new DayChart(tr("Exam score (% right)"), tr(" %"), 0, this);
    examChart_->setObjectName(QStringLiteral("examChart"));
    examChart_->setPreferredWidth(examChart_->minimumSizeHint().width());
    // Under the recipes' rule it has the room the recipes leave, and a
    // window that still fits a screen of 768 lines.
    examChart_->setMinimumHeight(120);
    examChart_->hide();
    recipeChart_ = new RecipeChart(this);
    recipeChart_->setObjectName(QStringLiteral("recipeChart"));
    connect(recipeChart_, &RecipeChart::rowChosen, this, &ProgressWindow::showGuide);

    // The target time: the line on the time chart and the shares within it.
    auto* targetCaption = new QLabel(tr("&Target time:"), this);
    targetCaption->setObjectName(QStringLiteral("targetCaption"));
    target_ = new QSpinBox(this);
    target_->setObjectName(QStringLiteral("target"));
    target_->setRange(kMinTargetSeconds, kMaxTargetSeconds);
    target_->setSuffix(tr(" s"));
    target_->setValue(settings_ != nullptr ? targetSeconds(*settings_) : kDefaultTargetSeconds);
    target_->setAccessibleName(tr("Target time per Cube in seconds"));
    targetCaption->setBuddy(target_);
    connect(target_, &QSpinBox::valueChanged, this, [this](int seconds) {
        if (settings_ != nullptr)
            keepTargetSeconds(*settings_, seconds);
        showSummary();
    });
    ranges->addWidget(targetCaption);
    ranges->addWidget(target_);

    rule_ = makeLabel(this, "rule");
    QPalette muted = rule_->palette();
    muted.setColor(QPalette::WindowText, QColor(kRuleTextColor));
    rule_->setPalette(muted);

    practiseButton_ = new QPushButton(tr("&Practise weakest recipes"), this);
    practiseButton_->setObjectName(QStringLiteral("practise"));
    practiseButton_->setAutoDefault(false);
    // Back from one recipe's charts to every Cube's.
    allRecipesButton_ = new QPushButton(tr("&All recipes"), this);
    allRecipesButton_->setObjectName(QStringLiteral("allRecipes"));
    allRecipesButton_->setAutoDefault(false);
    allRecipesButton_->setVisible(false);
    connect(allRecipesButton_, &QPushButton::clicked, this, [this] { chartRecipe(std::nullopt); });
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("close"));
    closeButton->setAutoDefault(false);
    connect(practiseButton_, &QPushButton::clicked, this,
            &ProgressWindow::practiseWeakestRequested);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    // The day charts one above the other beside the recipes, so that the
    // window fits a screen of 768 lines; the exams' chart, once there is an
    // exam, under the recipes' rule.
    auto* charts = new QVBoxLayout;
    charts->addWidget(timeChart_, 1);
    charts->addWidget(mistakesChart_, 1);
    auto* recipes = new QVBoxLayout;
    recipes->addWidget(recipeChart_);
    recipes->addWidget(rule_);
    recipes->addWidget(examChart_, 1);
    recipes->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(charts, 2);
    body->addLayout(recipes, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(allRecipesButton_);
    buttons->addStretch();
    buttons->addWidget(practiseButton_);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notice_);
    layout->addWidget(totals_);
    layout->addWidget(review_);
    layout->addLayout(ranges);
    layout->addWidget(comparison_);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    QWidget* previous = rangeButtons_.back();
    for (QWidget* next : std::initializer_list<QWidget*>{
             target_, timeChart_, mistakesChart_, examChart_, recipeChart_, allRecipesButton_,
             practiseButton_, closeButton}) {
        setTabOrder(previous, next);
        previous = next;
    }
    // The texts and the size come with the first figures (refresh), so that
    // the window lays itself out once, for what it shows.
}

void ProgressWindow::refresh() {
    // Read whole each time: the tallies make that cheap, and a damaged file
    // set aside since the last read takes its rows with it. Solves that wait
    // to be written count as well, after the stored ones.
    // Read first: each read of the history says anew whether it failed, and
    // the figures' read leaves its failure to be shown.
    reviewCounts_ = history_.readReviewCounts(localDateTime(clock_.now()).date());
    reviewError_ = history_.readError();
    exams_ = history_.readExams();
    summary_ = summarizeProgress(history_.readFigures());
    showSummary();
}

void ProgressWindow::setRange(ChartRange range) {
    range_ = range;
    rangeButtons_[indexOf(range)]->setChecked(true);
    if (settings_ != nullptr)
        settings_->setValue(kRangeKey, QLatin1String(kRangeChoices[indexOf(range)].key));
    showRange();
}

void ProgressWindow::showGuide(int recipe) {
    if (!isRecipe(recipe))
        return;
    if (guide_ == nullptr) {
        guide_ = new RecipeGuide(randomSource_, this);
        connect(guide_, &RecipeGuide::practiseRequested, this,
                &ProgressWindow::practiseRecipeRequested);
    }
    chartRecipe(recipe);
    guide_->showRecipe(recipe, summary_.recipes[static_cast<std::size_t>(recipe)]);
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

void ProgressWindow::chartRecipe(std::optional<int> recipe) {
    chartedRecipe_ = recipe && isRecipe(*recipe) ? recipe : std::nullopt;
    allRecipesButton_->setVisible(chartedRecipe_.has_value());
    showRange();
}

void ProgressWindow::hideEvent(QHideEvent* event) {
    // The guide belongs to this window and goes with it.
    if (guide_ != nullptr)
        guide_->close();
    QDialog::hideEvent(event);
}

void ProgressWindow::showSummary() {
    QStringList notices;
    if (const QString notice = history_.notice(); !notice.isEmpty())
        notices << notice;
    if (!history_.readError().isEmpty())
        notices << tr("The history cannot be read: %1").arg(history_.readError());
    else if (!reviewError_.isEmpty())
        notices << tr("The Cubes kept for review cannot be read: %1").arg(reviewError_);
    if (reviewCounts_.leftOut > 0)
        notices << tr("%Ln Cube(s) kept for review could not be read and are left out.", nullptr,
                      reviewCounts_.leftOut);
    notice_->setText(notices.join(QLatin1Char('\n')));
    notice_->setVisible(!notices.isEmpty());

    const auto& waiting = reviewCounts_.waiting;
    review_->setText(tr("For review: %L1 due   waiting at the steps of 1, 3, 7 and 21 days: %L2, "
                        "%L3, %L4, %L5   learnt: %L6")
                         .arg(reviewCounts_.due)
                         .arg(waiting[0])
                         .arg(waiting[1])
                         .arg(waiting[2])
                         .arg(waiting[3])
                         .arg(reviewCounts_.learnt));

    QString best = tr("none yet (a day needs %Ln Cube(s))", nullptr, kBestDayCubes);
    if (summary_.bestDay)
        best = tr("%1, median %L2 s over %Ln Cube(s)", nullptr, summary_.bestDay->cubes)
                   .arg(dateText(summary_.bestDay->day))
                   .arg(summary_.bestDay->medianSeconds, 0, 'f', 1);
    // Figures from a history that could not be read would pass for the
    // user's: none are given.
    if (!history_.readError().isEmpty())
        totals_->setText(tr("Cubes solved: not known, as the history cannot be read now."));
    else
        totals_->setText(tr("Cubes solved: %L1     Days practised: %L2     Best day: %3")
                             .arg(summary_.cubes)
                             .arg(summary_.daysPractised)
                             .arg(best));

    std::vector<RecipeChart::Row> recipes;
    for (int k = 0; k < kRecipeCount; ++k) {
        const RecipeFigures& r = summary_.recipes[static_cast<std::size_t>(k)];
        recipes.push_back({QCoreApplication::translate(
                               "Recipe", kRecipeNames[static_cast<std::size_t>(k)].data()),
                           r.cubes, r.medianSeconds, r.mistakesPerCube, r.weakest, r.measured,
                           shareWithin(r.recentSeconds, target_->value())});
    }
    recipeChart_->setRows(std::move(recipes));
    const int target = target_->value();
    recipeChart_->setTargetHeading(tr("Under %L1 s").arg(target));
    rule_->setText(
        tr("Recipe figures cover the latest %L1 solves of each; \"Under %L3 s\" is the share "
           "of them solved within your target time. \"Practise weakest recipes\" asks how many "
           "Cubes to make, and from which recipes. As today: at least half of them come from "
           "the recipes marked weakest; a quarter from those marked \"few\" (solved fewer than "
           "%L2 times) or not tried, but none of these gets more of it than a weakest recipe "
           "gets of the half; the rest from every recipe in proportion to its median time "
           "\u00d7 (1 + mistakes per Cube), a recipe not yet measured counting as the weakest. "
           "Click a recipe for its guide and its own charts, week by week.")
            .arg(kRecentSolves)
            .arg(kMeasuredSolves)
            .arg(target));
    showRange();
}

void ProgressWindow::fitContents() {
    // The wrapped texts need fewer lines the wider the window is, so the
    // height they need at the narrowest width the layout allows is enough
    // at every width: that is the smallest size at which nothing overlaps.
    // A window below it grows to it.
    const int narrowest = layout()->minimumSize().width();
    const QSize least(narrowest, layout()->totalMinimumHeightForWidth(narrowest));
    setMinimumSize(least);
    if (!sized_) {
        // Opened once at the size the contents ask for, within the screen.
        sized_ = true;
        QSize size = sizeHint().expandedTo(least);
        size.setHeight(std::max(size.height(), layout()->totalHeightForWidth(size.width())));
        // The frame the window system adds is not known before the window
        // is shown; a title bar's room is left for it.
        constexpr int kFrame = 48;
        if (const QScreen* shown = screen())
            size = size.boundedTo(shown->availableGeometry().size() - QSize(kFrame, kFrame))
                       .expandedTo(least);
        resize(size);
    }
}

void ProgressWindow::showRange() {
    const int today = dayNumber(localDateTime(clock_.now()).date());
    rangeFigures_ = vexlor::rangeFigures(summary_, range_, today, [this](int first, int last) {
        return history_.readSpan(first, last);
    });
    const RangeFigures& r = rangeFigures_;
    const bool any = !summary_.allDays.empty();

    // Every Cube's figures day by day, or one recipe's week by week.
    const int first = any ? r.firstDay : 0;
    const int last = any ? r.lastDay : -1;
    std::vector<DayFigures> weeks;
    if (chartedRecipe_ && any)
        weeks = weekFigures(history_.readRecipeSpan(*chartedRecipe_, first, last), first, last);
    const std::vector<DayFigures>& shown = chartedRecipe_ ? weeks : r.days;
    std::vector<DayChart::Point> times, mistakes;
    times.reserve(shown.size());
    mistakes.reserve(shown.size());
    for (const DayFigures& d : shown) {
        times.push_back({d.day, d.medianSeconds, d.cubes});
        mistakes.push_back({d.day, d.mistakesPerCube, d.cubes});
    }
    if (chartedRecipe_) {
        const QString name = QCoreApplication::translate(
            "Recipe", kRecipeNames[static_cast<std::size_t>(*chartedRecipe_)].data());
        timeChart_->setTitle(tr("%1: median time by week (s)").arg(name));
        mistakesChart_->setTitle(tr("%1: mistakes per Cube by week").arg(name));
    } else {
        timeChart_->setTitle(tr("Median time per Cube (s)"));
        mistakesChart_->setTitle(tr("Mistakes per Cube"));
    }
    for (DayChart* chart : {timeChart_, mistakesChart_})
        chart->setWeekly(chartedRecipe_.has_value());
    timeChart_->setCubeBars(!chartedRecipe_);
    timeChart_->setDays(first, last, std::move(times));
    mistakesChart_->setDays(first, last, std::move(mistakes));
    // An exam's score is right of all its Cubes; a day of several exams
    // shows their mean.
    std::vector<DayChart::Point> scores;
    for (const ExamRecord& exam : exams_) {
        const int day = dayNumber(exam.at.date());
        if (day < first || day > last || exam.cubes <= 0)
            continue;
        const double score = 100.0 * exam.right / exam.cubes;
        if (!scores.empty() && scores.back().day == day) {
            DayChart::Point& p = scores.back();
            p.value = (p.value * p.cubes + score) / (p.cubes + 1);
            ++p.cubes;
        } else {
            scores.push_back({day, score, 1});
        }
    }
    examChart_->setDays(first, last, std::move(scores));
    examChart_->setVisible(!exams_.empty());
    const bool markBest = r.bestDay && !chartedRecipe_;
    timeChart_->setMarkedDay(markBest ? std::optional(r.bestDay->day) : std::nullopt,
                             tr("best day (at least %L1 Cubes)").arg(kBestDayCubes));
    timeChart_->setTargetLine(target_->value(), tr("target %L1 s").arg(target_->value()));

    span_->setText(any ? tr("%1 to %2").arg(dateText(r.firstDay), dateText(r.lastDay)) : QString());
    const auto seconds = [this](double s, int decimals) {
        return std::isfinite(s) ? tr("%L1 s").arg(s, 0, 'f', decimals) : tr("no time");
    };
    const auto perCube = [](double m, int decimals) {
        return QLocale().toString(m, 'f', decimals);
    };
    QString comparison;
    if (r.firstWeek && r.lastWeek) {
        const int timeDecimals =
            decimalsApart(r.firstWeek->medianSeconds, r.lastWeek->medianSeconds);
        const int mistakeDecimals =
            decimalsApart(r.firstWeek->mistakesPerCube, r.lastWeek->mistakesPerCube);
        comparison = tr("Median time %1 \u2192 %2; mistakes %3 \u2192 %4 per Cube (first week from "
                        "%5, last week to %6)")
                         .arg(seconds(r.firstWeek->medianSeconds, timeDecimals),
                              seconds(r.lastWeek->medianSeconds, timeDecimals),
                              perCube(r.firstWeek->mistakesPerCube, mistakeDecimals),
                              perCube(r.lastWeek->mistakesPerCube, mistakeDecimals),
                              dateText(r.firstWeek->firstDay), dateText(r.lastWeek->lastDay));
    } else if (r.firstWeek) {
        comparison =
            tr("Median time %1; mistakes %2 per Cube (all within the week from %3)")
                .arg(seconds(r.firstWeek->medianSeconds, 1),
                     perCube(r.firstWeek->mistakesPerCube, 1), dateText(r.firstWeek->firstDay));
    } else if (any)
        comparison = tr("No Cubes solved in these days.");
    if (const TargetCount count = history_.readTargetCount(r.firstDay, r.lastDay, target_->value());
        any && count.timed > 0)
        comparison +=
            QStringLiteral("; ") +
            tr("%1 of the %Ln Cube(s) with a time within the target", nullptr, count.timed)
                .arg(tr("%L1%").arg(std::round(100.0 * count.within / count.timed)));
    comparison_->setText(comparison);
    comparison_->setVisible(any);
    // Another range or recipe may need another line of text.
    fitContents();
}

} // namespace vexlor
