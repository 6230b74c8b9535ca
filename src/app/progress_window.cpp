#include "progress_window.h"

#include "app/charts.h"
#include "cube/recipe.h"
#include "history/qt_calendar.h"
#include "render/palette.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace vexlor {

namespace {

QString dateText(int day) {
    return QLocale().toString(dateOfDayNumber(day), ProgressWindow::tr("d MMM yyyy"));
}

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    // Selectable by mouse only, so that Tab goes from chart to chart.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

ProgressWindow::ProgressWindow(HistoryStore& history, QWidget* parent)
    : QDialog(parent), history_(history), generation_(history.generation()) {
    setObjectName(QStringLiteral("progress"));
    setWindowTitle(tr("Progress"));
    setModal(false);

    notice_ = makeLabel(this, "notice");
    QPalette warning = notice_->palette();
    warning.setColor(QPalette::WindowText, QColor(kNoticeColor));
    notice_->setPalette(warning);
    notice_->setVisible(false);
    totals_ = makeLabel(this, "totals");

    timeChart_ = new DayChart(tr("Median time per Cube (s)"), tr(" s"), 1, this);
    timeChart_->setObjectName(QStringLiteral("timeChart"));
    mistakesChart_ = new DayChart(tr("Mistakes per Cube"), QString(), 2, this);
    mistakesChart_->setObjectName(QStringLiteral("mistakesChart"));
    recipeChart_ = new RecipeChart(this);
    recipeChart_->setObjectName(QStringLiteral("recipeChart"));

    auto* rule = makeLabel(this, "rule");
    rule->setText(tr("Recipe figures cover the latest %L1 solves of each. \"Practise "
                     "weakest recipes\" makes a series of the offered number of "
                     "Cubes, drawing each recipe in proportion to its median time "
                     "\u00d7 (1 + mistakes per Cube). A recipe marked \"few\" "
                     "(solved fewer than %L2 times) or not tried is drawn as often as "
                     "the weakest.")
                      .arg(kRecentSolves)
                      .arg(kMeasuredSolves));
    QPalette muted = rule->palette();
    muted.setColor(QPalette::WindowText, QColor(kRuleTextColor));
    rule->setPalette(muted);

    practiseButton_ = new QPushButton(tr("&Practise weakest recipes"), this);
    practiseButton_->setObjectName(QStringLiteral("practise"));
    practiseButton_->setAutoDefault(false);
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("close"));
    closeButton->setAutoDefault(false);
    connect(practiseButton_, &QPushButton::clicked, this,
            &ProgressWindow::practiseWeakestRequested);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto* charts = new QHBoxLayout;
    charts->addWidget(timeChart_);
    charts->addWidget(mistakesChart_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(practiseButton_);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notice_);
    layout->addWidget(totals_);
    layout->addLayout(charts, 1);
    layout->addWidget(recipeChart_);
    layout->addWidget(rule);
    layout->addLayout(buttons);

    setTabOrder(timeChart_, mistakesChart_);
    setTabOrder(mistakesChart_, recipeChart_);
    setTabOrder(recipeChart_, practiseButton_);
    setTabOrder(practiseButton_, closeButton);
    showSummary();
    resize(sizeHint());
}

void ProgressWindow::refresh() {
    // A damaged file was set aside since the last read: its rows are gone.
    if (history_.generation() != generation_) {
        generation_ = history_.generation();
        rows_.clear();
        lastRow_ = 0;
    }
    std::vector<SolvedRow> added = history_.readRows(lastRow_);
    rows_.insert(rows_.end(), added.begin(), added.end());
    // Solves that wait to be written are solved all the same: they count,
    // after the stored ones, as they will be stored.
    std::vector<SolvedRow> waiting = history_.waitingRows();
    if (waiting.empty()) {
        summary_ = summarizeProgress(rows_);
    } else {
        waiting.insert(waiting.begin(), rows_.begin(), rows_.end());
        summary_ = summarizeProgress(waiting);
    }
    showSummary();
}

void ProgressWindow::showSummary() {
    QStringList notices;
    if (const QString notice = history_.notice(); !notice.isEmpty())
        notices << notice;
    if (!history_.readError().isEmpty())
        notices << tr("The history cannot be read: %1").arg(history_.readError());
    notice_->setText(notices.join(QLatin1Char('\n')));
    notice_->setVisible(!notices.isEmpty());

    QString best = tr("none yet (a day needs %Ln Cubes)", nullptr, kBestDayCubes);
    if (summary_.bestDay)
        best = tr("%1, median %L2 s over %Ln Cubes", nullptr, summary_.bestDay->cubes)
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

    std::vector<DayChart::Point> times, mistakes;
    for (const DayFigures& d : summary_.days) {
        times.push_back({d.day, d.medianSeconds});
        mistakes.push_back({d.day, d.mistakesPerCube});
    }
    timeChart_->setPoints(std::move(times));
    mistakesChart_->setPoints(std::move(mistakes));

    std::vector<RecipeChart::Row> recipes;
    for (int k = 0; k < kRecipeCount; ++k) {
        const RecipeFigures& r = summary_.recipes[static_cast<std::size_t>(k)];
        recipes.push_back({QCoreApplication::translate(
                               "Recipe", kRecipeNames[static_cast<std::size_t>(k)].data()),
                           r.cubes, r.medianSeconds, r.mistakesPerCube, r.weakest, r.measured});
    }
    recipeChart_->setRows(std::move(recipes));

    // The layout's minimum leaves out what word-wrapped labels need at the
    // window's width.
    if (const int needed = layout()->totalHeightForWidth(width()); needed > height())
        resize(width(), needed);
}

} // namespace vexlor
