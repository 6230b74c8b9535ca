#include "charts.h"

#include "history/qt_calendar.h"
#include "render/palette.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vexlor {

namespace {

const QColor kLineColor(kChartLineColor);
const QColor kGridColor(kChartGridColor);
const QColor kWeakColor(kWeakRecipeColor);
const QColor kWeakBackground(kWeakRecipeBackground);
const QColor kMutedText(kMutedChartTextColor);
const QColor kBarColor(kCubeBarColor);
const QColor kMarkColor(kBestDayColor);
const QColor kTargetColor(kTargetLineColor);

// The charts' texts, translated under one name.
class Charts {
    Q_DECLARE_TR_FUNCTIONS(Charts)
};

// A figure with the decimal separator of the user's language.
QString number(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

// A time in seconds, "12.5 s".
QString seconds(double value) {
    return Charts::tr("%1 s").arg(number(value, 1));
}

// A share as a whole percentage, "85%", as the user's language writes it.
QString percent(double share) {
    return Charts::tr("%1%").arg(QLocale().toString(std::round(share * 100), 'f', 0));
}

// A date as the user's language writes it, in a format that the
// translation may rearrange ("d MMM yyyy", German "d. MMM yyyy").
QString dateText(const QDate& date, const char* format) {
    return QLocale().toString(date, Charts::tr(format));
}

// Keyboard users see which chart has the focus: an outline that leaves the
// chart itself as it is.
void drawFocus(QWidget* widget, QPainter& painter) {
    if (!widget->hasFocus())
        return;
    painter.setPen(QPen(widget->palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(widget->rect()).adjusted(1, 1, -1, -1));
}

void drawFrame(QWidget* widget, QPainter& painter) {
    painter.fillRect(widget->rect(), widget->palette().color(QPalette::Base));
    painter.setPen(kGridColor);
    painter.drawRect(widget->rect().adjusted(0, 0, -1, -1));
}

// Makes the charts known to screen readers as charts; once is enough.
void installChartAccessible();

QFont bold(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

ValueAxis makeValueAxis(double largest, int maxSteps) {
    ValueAxis axis;
    maxSteps = std::max(1, maxSteps);
    if (!std::isfinite(largest) || largest <= 0.0)
        return axis;
    const double rough = largest / maxSteps;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= rough * (1.0 - 1e-9)) {
            axis.step = m * power;
            break;
        }
    axis.steps = std::max(1, static_cast<int>(std::ceil(largest / axis.step - 1e-9)));
    axis.decimals = std::max(0, -static_cast<int>(std::floor(std::log10(axis.step) + 1e-9)));
    return axis;
}

double calendarX(int day, int firstDay, int lastDay, double width) {
    const int span = std::max(1, lastDay - firstDay + 1);
    return (day - firstDay + 0.5) * width / span;
}

std::vector<CalendarTick> calendarTicks(int firstDay, int lastDay, double width,
                                        const std::function<double(const QString&)>& textWidth) {
    if (lastDay < firstDay || width <= 0)
        return {};
    enum class Unit { Day, Month, Year };
    struct Step {
        Unit unit;
        int count;
    };
    static constexpr Step kSteps[] = {
        {Unit::Day, 1},   {Unit::Day, 2},   {Unit::Day, 7},   {Unit::Day, 14},
        {Unit::Month, 1}, {Unit::Month, 2}, {Unit::Month, 3}, {Unit::Month, 6},
        {Unit::Year, 1},  {Unit::Year, 2},  {Unit::Year, 5},  {Unit::Year, 10},
    };
    constexpr double kLabelGap = 8;
    const QDate first = dateOfDayNumber(firstDay);
    const QDate last = dateOfDayNumber(lastDay);
    const bool crossesYear = first.year() != last.year();

    for (const Step& step : kSteps) {
        std::vector<QDate> dates;
        switch (step.unit) {
        case Unit::Day:
            // Counted back from the last day, so that it always has its label.
            for (int day = lastDay; day >= firstDay; day -= step.count)
                dates.insert(dates.begin(), dateOfDayNumber(day));
            break;
        case Unit::Month:
            for (QDate d(first.year(), first.month(), 1); d <= last; d = d.addMonths(1))
                if (d >= first && (d.month() - 1) % step.count == 0)
                    dates.push_back(d);
            break;
        case Unit::Year:
            for (QDate d(first.year(), 1, 1); d <= last; d = d.addYears(1))
                if (d >= first && d.year() % step.count == 0)
                    dates.push_back(d);
            break;
        }
        if (step.unit != Unit::Day && dates.size() < 2)
            continue;

        std::vector<CalendarTick> ticks;
        double previousRight = -1e9;
        bool apart = true;
        for (const QDate& date : dates) {
            const bool carry =
                crossesYear &&
                (ticks.empty() || date.year() != dateOfDayNumber(ticks.back().day).year());
            QString label;
            switch (step.unit) {
            case Unit::Day:
                label = carry ? dateText(date, QT_TRANSLATE_NOOP("Charts", "d MMM yyyy"))
                              : dateText(date, QT_TRANSLATE_NOOP("Charts", "d MMM"));
                break;
            case Unit::Month:
                label = carry ? dateText(date, QT_TRANSLATE_NOOP("Charts", "MMM yyyy"))
                              : dateText(date, QT_TRANSLATE_NOOP("Charts", "MMM"));
                break;
            case Unit::Year:
                label = QLocale().toString(date, QStringLiteral("yyyy"));
                break;
            }
            const int day = dayNumber(date);
            const double x = calendarX(day, firstDay, lastDay, width);
            const double w = textWidth(label);
            const double left = std::clamp(x - w / 2, 0.0, std::max(0.0, width - w));
            apart = left >= previousRight + kLabelGap;
            if (!apart)
                break; // two labels meet: a longer step
            previousRight = left + w;
            ticks.push_back({day, x, label});
        }
        if (apart)
            return ticks;
    }
    // Too narrow for any step: the last day alone.
    return {{lastDay, calendarX(lastDay, firstDay, lastDay, width),
             dateText(last, QT_TRANSLATE_NOOP("Charts", "d MMM yyyy"))}};
}

struct DayChart::Layout {
    QRectF plot; // where the line goes
    QRectF bars; // the strip of the Cubes bars below it; empty without them
    ValueAxis axis;
    int labelWidth = 0;
    int maxCubes = 0;
};

DayChart::DayChart(const QString& title, const QString& unit, int decimals, QWidget* parent)
    : QWidget(parent), title_(title), unit_(unit), decimals_(decimals) {
    installChartAccessible();
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(title_);
    setToolTip(title_);
    setDays(0, -1, {});
}

void DayChart::setDays(int firstDay, int lastDay, std::vector<Point> points) {
    firstDay_ = firstDay;
    lastDay_ = lastDay;
    points_ = std::move(points);
    describePoints();
    update();
}

void DayChart::setCubeBars(bool shown) {
    if (cubeBars_ == shown)
        return;
    cubeBars_ = shown;
    describePoints();
    update();
}

void DayChart::setMarkedDay(std::optional<int> day, const QString& note) {
    if (markedDay_ == day && markNote_ == note)
        return;
    markedDay_ = day;
    markNote_ = note;
    describe();
    update();
}

void DayChart::setTargetLine(std::optional<double> value, const QString& label) {
    if (target_ == value && targetLabel_ == label)
        return;
    target_ = value;
    targetLabel_ = label;
    describe();
    update();
}

void DayChart::setTitle(const QString& title) {
    if (title_ == title)
        return;
    title_ = title;
    setAccessibleName(title_);
    setToolTip(title_);
    describe();
    update();
}

void DayChart::setWeekly(bool weekly) {
    if (weekly_ == weekly)
        return;
    weekly_ = weekly;
    describe();
}

// One entry of the legend: a ring or a dash, its text, and where it goes.
struct DayChart::LegendEntry {
    bool ring = false; // else the target's dash
    QString text;
    QPointF at; // the left of its sign, in the middle of its line
};

std::vector<DayChart::LegendEntry> DayChart::legend() const {
    std::vector<LegendEntry> entries;
    const bool ringed =
        markedDay_ && std::any_of(points_.begin(), points_.end(), [this](const Point& p) {
            return p.day == *markedDay_ && std::isfinite(p.value);
        });
    if (ringed)
        entries.push_back({true, markNote_, {}});
    if (target_)
        entries.push_back({false, targetLabel_, {}});
    // Below the title, each entry on the line where it still fits whole.
    const QFontMetrics fm = fontMetrics();
    constexpr double kSign = 18, kGap = 14, kLeft = 10;
    double x = kLeft;
    double y = 6 + fm.height() * 1.5 + 4;
    for (LegendEntry& entry : entries) {
        const double w = kSign + fm.horizontalAdvance(entry.text);
        if (x > kLeft && x + w > width() - 10) {
            x = kLeft;
            y += fm.height() + 2;
        }
        entry.at = QPointF(x, y);
        x += w + kGap;
    }
    return entries;
}

void DayChart::drawLegend(QPainter& painter) const {
    const QFontMetrics fm = fontMetrics();
    for (const LegendEntry& entry : legend()) {
        const QColor color = entry.ring ? kMarkColor : kTargetColor;
        painter.setBrush(Qt::NoBrush);
        if (entry.ring) {
            painter.setPen(QPen(color, 2));
            painter.drawEllipse(entry.at + QPointF(6, 0), 5.0, 5.0);
        } else {
            painter.setPen(QPen(color, 2, Qt::DashLine));
            painter.drawLine(entry.at + QPointF(0, 0), entry.at + QPointF(13, 0));
        }
        painter.setPen(color);
        painter.drawText(QRectF(entry.at.x() + 18, entry.at.y() - fm.height() / 2.0,
                                fm.horizontalAdvance(entry.text) + 2, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.text);
    }
}

void DayChart::describePoints() {
    QStringList parts;
    for (const Point& p : points_) {
        QString part = Charts::tr("%1: %2").arg(
            dateText(dateOfDayNumber(p.day), QT_TRANSLATE_NOOP("Charts", "d MMM yyyy")),
            std::isfinite(p.value) ? number(p.value, decimals_) + unit_ : Charts::tr("no value"));
        if (cubeBars_)
            part += QStringLiteral(", ") + cubesText(p.cubes);
        parts << part;
    }
    pointsText_ = parts.join(QStringLiteral("; "));
    describe();
}

void DayChart::describe() {
    if (lastDay_ < firstDay_) {
        setAccessibleDescription(Charts::tr("No Cubes solved yet."));
        return;
    }
    const int n = static_cast<int>(points_.size());
    QString text =
        Charts::tr("%1 from %2 to %3, %4: %5.")
            .arg(title_,
                 dateText(dateOfDayNumber(firstDay_), QT_TRANSLATE_NOOP("Charts", "d MMM yyyy")),
                 dateText(dateOfDayNumber(lastDay_), QT_TRANSLATE_NOOP("Charts", "d MMM yyyy")),
                 weekly_ ? Charts::tr("%Ln week(s) with Cubes solved", nullptr, n)
                         : Charts::tr("%Ln practice day(s)", nullptr, n),
                 n == 0 ? Charts::tr("no Cubes solved") : pointsText_);
    if (markedDay_)
        text += QLatin1Char(' ') + Charts::tr("Marked: %1, %2.")
                                       .arg(dateText(dateOfDayNumber(*markedDay_),
                                                     QT_TRANSLATE_NOOP("Charts", "d MMM yyyy")),
                                            markNote_);
    if (target_)
        text += QLatin1Char(' ') + Charts::tr("Line: %1.").arg(targetLabel_);
    setAccessibleDescription(text);
}

DayChart::Layout DayChart::layout() const {
    const QFontMetrics fm = fontMetrics();
    Layout l;
    double largest = 0.0;
    for (const Point& p : points_) {
        if (std::isfinite(p.value))
            largest = std::max(largest, p.value);
        l.maxCubes = std::max(l.maxCubes, p.cubes);
    }
    if (target_ && std::isfinite(*target_))
        largest = std::max(largest, *target_);
    l.axis = makeValueAxis(largest, 5);
    for (int i = 0; i <= l.axis.steps; ++i)
        l.labelWidth =
            std::max(l.labelWidth, fm.horizontalAdvance(number(i * l.axis.step, l.axis.decimals)));
    if (cubeBars_)
        l.labelWidth = std::max(l.labelWidth, fm.horizontalAdvance(QLocale().toString(l.maxCubes)));

    const double left = l.labelWidth + 18;
    const double right = width() - 14;
    // Below the title and the legend, with room for the top label.
    const std::vector<LegendEntry> entries = legend();
    const double legendBottom =
        entries.empty() ? 6 + fm.height() * 1.5 : entries.back().at.y() + fm.height() / 2.0;
    const double top = std::max(14.0 + 2 * fm.height(), legendBottom + 4 + fm.height() / 2.0);
    const double bottom = height() - fm.height() - 16;
    double plotBottom = bottom;
    if (cubeBars_) {
        const double strip = std::max(28.0, (bottom - top) * 0.22);
        l.bars = QRectF(QPointF(left, bottom - strip), QPointF(right, bottom));
        // Room between for the strip's caption, and so that the value axis's
        // 0 and the strip's largest count do not meet.
        plotBottom = l.bars.top() - fm.height() - 6;
    }
    l.plot = QRectF(QPointF(left, top), QPointF(right, std::max(top + 10, plotBottom)));
    return l;
}

QPointF DayChart::positionIn(const Layout& l, const Point& p) const {
    const double value = std::isfinite(p.value) ? p.value : 0.0;
    return {l.plot.left() + calendarX(p.day, firstDay_, lastDay_, l.plot.width()),
            l.plot.bottom() - value / l.axis.top() * l.plot.height()};
}

QPointF DayChart::pointPosition(std::size_t i) const {
    return positionIn(layout(), points_.at(i));
}

std::vector<std::vector<std::size_t>> DayChart::lineRuns() const {
    // Practice every other day still reads as one line; a longer break
    // shows as one.
    constexpr int kLongestJoinedGap = 7;
    std::vector<std::vector<std::size_t>> runs;
    int previousDay = 0;
    bool joined = false;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (!std::isfinite(points_[i].value)) {
            joined = false;
            continue;
        }
        if (!joined || points_[i].day - previousDay > kLongestJoinedGap)
            runs.emplace_back();
        runs.back().push_back(i);
        previousDay = points_[i].day;
        joined = true;
    }
    return runs;
}

void DayChart::paintEvent(QPaintEvent*) {
    // Smoothed only where lines run aslant or round (the values' line, the
    // points, the mark, the legend): the frame, the grid, the ticks, the
    // bars and the target line are level or upright, and crisper without.
    QPainter painter(this);
    drawFrame(this, painter);
    const QFontMetrics fm = fontMetrics();
    const QColor text = palette().color(QPalette::Text);

    painter.setFont(bold(font()));
    painter.setPen(text);
    // A title longer than the chart is wide (one recipe's, in German) ends
    // in an ellipsis rather than mid-letter; the tooltip holds it whole.
    painter.drawText(QRect(10, 6, width() - 20, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(title_, Qt::ElideRight, width() - 20));
    painter.setFont(font());

    if (lastDay_ < firstDay_ || points_.empty()) {
        painter.setPen(kMutedText);
        painter.drawText(rect(), Qt::AlignCenter,
                         lastDay_ < firstDay_ ? Charts::tr("No Cubes solved yet")
                                              : Charts::tr("No Cubes solved in these days"));
        drawFocus(this, painter);
        return;
    }

    const Layout l = layout();
    const QRectF& plot = l.plot;
    const auto yOf = [&](double v) { return plot.bottom() - v / l.axis.top() * plot.height(); };
    for (int i = 0; i <= l.axis.steps; ++i) {
        const double y = yOf(i * l.axis.step);
        painter.setPen(kGridColor);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(text);
        painter.drawText(QRectF(4, y - fm.height() / 2.0, l.labelWidth + 8, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         number(i * l.axis.step, l.axis.decimals));
    }

    // The day labels stay inside the plot's width, the last one included.
    const double axisBottom = cubeBars_ ? l.bars.bottom() : plot.bottom();
    const auto ticks = calendarTicks(firstDay_, lastDay_, plot.width(), [&fm](const QString& s) {
        return double(fm.horizontalAdvance(s));
    });
    for (const CalendarTick& tick : ticks) {
        const double w = fm.horizontalAdvance(tick.label);
        const double left = std::clamp(tick.x - w / 2, 0.0, std::max(0.0, plot.width() - w));
        painter.setPen(kGridColor);
        painter.drawLine(QPointF(plot.left() + tick.x, axisBottom),
                         QPointF(plot.left() + tick.x, axisBottom + 4));
        painter.setPen(text);
        painter.drawText(QRectF(plot.left() + left, axisBottom + 5, w + 1, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, tick.label);
    }

    const double dayWidth = plot.width() / std::max(1, lastDay_ - firstDay_ + 1);
    if (cubeBars_ && l.maxCubes > 0) {
        const QRectF& strip = l.bars;
        painter.setPen(kGridColor);
        painter.drawLine(strip.bottomLeft(), strip.bottomRight());
        painter.setPen(kMutedText);
        painter.drawText(QRectF(4, strip.top() - fm.height() / 2.0, l.labelWidth + 8, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QLocale().toString(l.maxCubes));
        painter.drawText(
            QRectF(strip.left(), strip.top() - fm.height() - 3, strip.width(), fm.height()),
            Qt::AlignRight | Qt::AlignVCenter, Charts::tr("Cubes per day"));
        const double barWidth = std::clamp(dayWidth * 0.7, 1.0, 14.0);
        for (const Point& p : points_) {
            const double h = static_cast<double>(p.cubes) / l.maxCubes * strip.height();
            const double x = strip.left() + calendarX(p.day, firstDay_, lastDay_, strip.width());
            painter.fillRect(QRectF(x - barWidth / 2, strip.bottom() - h, barWidth, h), kBarColor);
        }
    }

    if (target_ && std::isfinite(*target_)) {
        painter.setPen(QPen(kTargetColor, 1.5, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), yOf(*target_)), QPointF(plot.right(), yOf(*target_)));
    }
    // The line a segment at a time: Qt's raster engine smooths short lines
    // drawn apart several times faster than the same lines joined in one
    // path, and at this width their square ends meet as a join would.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kLineColor, dayWidth >= 4 ? 2 : 1.5));
    painter.setBrush(Qt::NoBrush);
    const auto runs = lineRuns();
    for (const auto& run : runs)
        for (std::size_t i = 1; i < run.size(); ++i)
            painter.drawLine(positionIn(l, points_[run[i - 1]]), positionIn(l, points_[run[i]]));
    // A point for each day where they stand apart, and for a day standing
    // alone, which has no line.
    painter.setBrush(kLineColor);
    painter.setPen(Qt::NoPen);
    for (const auto& run : runs)
        if (dayWidth >= 4 || run.size() == 1)
            for (std::size_t i : run)
                painter.drawEllipse(positionIn(l, points_[i]), 3.0, 3.0);

    drawMark(painter, l);
    drawLegend(painter);
    drawFocus(this, painter);
}

void DayChart::drawMark(QPainter& painter, const Layout& l) const {
    if (!markedDay_)
        return;
    const auto it = std::find_if(points_.begin(), points_.end(),
                                 [this](const Point& p) { return p.day == *markedDay_; });
    if (it == points_.end() || !std::isfinite(it->value))
        return;
    const QPointF at = positionIn(l, *it);
    painter.setPen(QPen(kMarkColor, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, 7.0, 7.0);
}

RecipeChart::RecipeChart(QWidget* parent) : QWidget(parent) {
    installChartAccessible();
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(Charts::tr("Recipes"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setToolTip(
        Charts::tr("Click a recipe, or choose one with the arrow keys and press Enter, to see "
                   "what it tests and an example."));
}

int RecipeChart::rowHeight() const {
    return fontMetrics().height() + 7;
}

int RecipeChart::rowTop(int row) const {
    constexpr int kHeaderTop = 6;
    return kHeaderTop + rowHeight() * (row + 1);
}

int RecipeChart::rowAt(QPoint point) const {
    if (point.y() < rowTop(0))
        return -1;
    const int row = (point.y() - rowTop(0)) / rowHeight();
    return row < static_cast<int>(rows_.size()) ? row : -1;
}

QSize RecipeChart::sizeHint() const {
    return {860, rowHeight() * (static_cast<int>(rows_.size()) + 1) + 12};
}

QSize RecipeChart::minimumSizeHint() const {
    return {columns().minimumWidth, sizeHint().height()};
}

void RecipeChart::setTargetHeading(const QString& heading) {
    targetHeading_ = heading;
    updateGeometry();
    update();
}

RecipeChart::Columns RecipeChart::columns() const {
    const QFontMetrics fm = fontMetrics();
    // The weakest names and the headings are drawn in bold, which is wider.
    const QFontMetrics boldMetrics(bold(font()));
    const auto headingWidth = [&boldMetrics](const QString& s) {
        return boldMetrics.horizontalAdvance(s);
    };
    Columns c;
    c.mark = std::max(boldMetrics.horizontalAdvance(Charts::tr("weakest")),
                      fm.horizontalAdvance(Charts::tr("few"))) +
             24;
    c.nameLeft = c.mark;
    c.name = headingWidth(Charts::tr("Recipe"));
    for (const Row& r : rows_)
        c.name = std::max(c.name, boldMetrics.horizontalAdvance(r.name));
    c.name += 16;
    c.value = fm.horizontalAdvance(seconds(888.8)) + 8;
    c.count = headingWidth(Charts::tr("Cubes")) + 20;
    c.share = std::max(headingWidth(targetHeading_), fm.horizontalAdvance(percent(1.0))) + 16;
    // Each bar column keeps room for its heading and a short bar with its
    // figure; the time's bars take the larger part of what is left.
    const int timeMinimum = std::max(headingWidth(Charts::tr("Median time")), c.value + 40) + 8;
    const int mistakesMinimum =
        std::max(headingWidth(Charts::tr("Mistakes per Cube")), c.value + 40) + 8;
    constexpr int kGap = 12, kRight = 8;
    c.timeLeft = c.nameLeft + c.name;
    const int fixed = c.timeLeft + kGap + c.share + c.count + kRight;
    c.minimumWidth = fixed + timeMinimum + mistakesMinimum;
    const int bars = std::max(width() - fixed, timeMinimum + mistakesMinimum);
    c.mistakes = std::max(mistakesMinimum, bars * 9 / 20);
    c.time = bars - c.mistakes;
    c.mistakesLeft = c.timeLeft + c.time + kGap;
    c.shareLeft = c.mistakesLeft + c.mistakes;
    c.countLeft = c.shareLeft + c.share;
    return c;
}

void RecipeChart::setRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    currentRow_ = std::clamp(currentRow_, 0, std::max(0, static_cast<int>(rows_.size()) - 1));
    QStringList weakest;
    QStringList parts;
    for (const Row& r : rows_) {
        if (r.weakest)
            weakest << r.name;
        if (r.cubes == 0) {
            parts << Charts::tr("%1: not tried").arg(r.name);
            continue;
        }
        parts << Charts::tr("%1: %2, median %3, %4 mistakes per Cube%5")
                         .arg(r.name, cubesText(r.cubes),
                              std::isfinite(r.medianSeconds) ? seconds(r.medianSeconds)
                                                             : Charts::tr("no time"),
                              number(r.mistakesPerCube, 2),
                              r.measured ? QString() : Charts::tr(", too few to judge")) +
                     (std::isfinite(r.underTarget)
                          ? Charts::tr(", %1 within the target").arg(percent(r.underTarget))
                          : QString());
    }
    // A recipe's name may hold a comma ("Symmetric symbols, repeated"), never
    // a semicolon.
    setAccessibleDescription(
        Charts::tr("Weakest: %1. %2.")
            .arg(weakest.isEmpty() ? Charts::tr("none yet") : weakest.join(QStringLiteral("; ")),
                 parts.join(QStringLiteral("; "))));
    setMinimumHeight(sizeHint().height());
    update();
}

void RecipeChart::mouseReleaseEvent(QMouseEvent* event) {
    const int row = rowAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || row < 0) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    currentRow_ = row;
    update();
    emit rowChosen(row);
}

void RecipeChart::keyPressEvent(QKeyEvent* event) {
    const int last = static_cast<int>(rows_.size()) - 1;
    switch (event->key()) {
    case Qt::Key_Up:
        currentRow_ = std::max(0, currentRow_ - 1);
        break;
    case Qt::Key_Down:
        currentRow_ = std::clamp(currentRow_ + 1, 0, std::max(0, last));
        break;
    case Qt::Key_Home:
        currentRow_ = 0;
        break;
    case Qt::Key_End:
        currentRow_ = std::max(0, last);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentRow_ <= last)
            emit rowChosen(currentRow_);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    update();
}

void RecipeChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(this, painter);
    const QColor text = palette().color(QPalette::Text);
    const int h = rowHeight();

    // Columns: the weak mark, the name, the two bars with their values, the
    // share within the target, the count of Cubes.
    const QString weakestMark = Charts::tr("weakest");
    const QString fewMark = Charts::tr("few");
    const Columns c = columns();
    const int markWidth = c.mark;
    const int nameWidth = c.name;
    const int barsLeft = c.timeLeft;
    const int timeWidth = c.time;
    const int mistakesLeft = c.mistakesLeft;
    const int mistakesWidth = c.mistakes;
    const int valueWidth = c.value;

    double slowest = 0.0, mostMistakes = 0.0;
    for (const Row& r : rows_) {
        if (std::isfinite(r.medianSeconds))
            slowest = std::max(slowest, r.medianSeconds);
        if (std::isfinite(r.mistakesPerCube))
            mostMistakes = std::max(mostMistakes, r.mistakesPerCube);
    }

    painter.setFont(bold(font()));
    painter.setPen(text);
    const int headerY = rowTop(-1);
    const auto header = [&](int x, int w, const QString& s, Qt::Alignment a) {
        painter.drawText(QRect(x, headerY, w, h), a | Qt::AlignVCenter, s);
    };
    header(markWidth, nameWidth, Charts::tr("Recipe"), Qt::AlignLeft);
    header(barsLeft, timeWidth, Charts::tr("Median time"), Qt::AlignLeft);
    header(mistakesLeft, mistakesWidth, Charts::tr("Mistakes per Cube"), Qt::AlignLeft);
    header(c.shareLeft, c.share, targetHeading_, Qt::AlignRight);
    header(c.countLeft, c.count, Charts::tr("Cubes"), Qt::AlignRight);

    const auto bar = [&](int left, int w, double value, double largest, const QString& label,
                         const QColor& color, int y) {
        const int room = std::max(0, w - valueWidth);
        const int length = largest > 0.0 ? static_cast<int>(std::round(value / largest * room)) : 0;
        painter.fillRect(QRect(left, y + 4, std::max(length, 1), h - 8), color);
        painter.setPen(text);
        painter.drawText(QRect(left + length + 6, y, valueWidth, h),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
    };

    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        const Row& r = rows_[static_cast<std::size_t>(i)];
        const int y = rowTop(i);
        // Every row starts from the regular font: the header and a weakest
        // row before it leave the painter bold.
        painter.setFont(font());
        if (r.weakest) {
            painter.fillRect(QRect(1, y, width() - 2, h), kWeakBackground);
            painter.setFont(bold(font()));
            painter.setPen(kWeakColor);
            painter.drawText(QRect(8, y, markWidth - 8, h), Qt::AlignLeft | Qt::AlignVCenter,
                             weakestMark);
        } else if (r.cubes > 0 && !r.measured) {
            painter.setPen(kMutedText);
            painter.drawText(QRect(8, y, markWidth - 8, h), Qt::AlignLeft | Qt::AlignVCenter,
                             fewMark);
        }
        painter.setFont(r.weakest ? bold(font()) : font());
        painter.setPen(r.cubes == 0 ? kMutedText : text);
        painter.drawText(QRect(markWidth, y, nameWidth, h), Qt::AlignLeft | Qt::AlignVCenter,
                         r.name);
        painter.setFont(font());
        const QColor color = r.weakest ? kWeakColor : kLineColor;
        if (r.cubes == 0) {
            painter.setPen(kMutedText);
            painter.drawText(QRect(barsLeft, y, timeWidth, h), Qt::AlignLeft | Qt::AlignVCenter,
                             Charts::tr("not tried"));
        } else {
            if (std::isfinite(r.medianSeconds))
                bar(barsLeft, timeWidth, r.medianSeconds, slowest, seconds(r.medianSeconds), color,
                    y);
            bar(mistakesLeft, mistakesWidth, r.mistakesPerCube, mostMistakes,
                number(r.mistakesPerCube, 2), color, y);
        }
        painter.setPen(r.cubes == 0 ? kMutedText : text);
        if (r.cubes > 0 && std::isfinite(r.underTarget))
            painter.drawText(QRect(c.shareLeft, y, c.share, h), Qt::AlignRight | Qt::AlignVCenter,
                             percent(r.underTarget));
        painter.drawText(QRect(c.countLeft, y, c.count, h), Qt::AlignRight | Qt::AlignVCenter,
                         QLocale().toString(r.cubes));
        // The row Enter would open, while the keyboard is here.
        if (hasFocus() && i == currentRow_) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(3, y, width() - 7, h - 1));
        }
    }
    drawFocus(this, painter);
}

QString cubesText(int n) {
    return Charts::tr("%Ln Cube(s)", nullptr, n);
}

namespace {

// Screen readers are told what the charts are: charts, named by their
// titles, rather than an unnamed filler.
QAccessibleInterface* chartAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (qobject_cast<DayChart*>(object) == nullptr && qobject_cast<RecipeChart*>(object) == nullptr)
        return nullptr;
    // Qt's accessibility cache owns the interface and deletes it with the
    // widget.
    return new QAccessibleWidget(widget, QAccessible::Chart);
}

void installChartAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(chartAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace

} // namespace vexlor
