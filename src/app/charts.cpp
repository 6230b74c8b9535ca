#include "charts.h"

#include "history/qt_calendar.h"
#include "render/palette.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
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

DayChart::DayChart(const QString& title, const QString& unit, int decimals, QWidget* parent)
    : QWidget(parent), title_(title), unit_(unit), decimals_(decimals) {
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(title_);
    setPoints({});
}

void DayChart::setPoints(std::vector<Point> points) {
    points_ = std::move(points);
    QStringList parts;
    for (const Point& p : points_)
        parts << Charts::tr("%1: %2").arg(
            QLocale().toString(dateOfDayNumber(p.day), Charts::tr("d MMM yyyy")),
            std::isfinite(p.value) ? number(p.value, decimals_) + unit_ : Charts::tr("no value"));
    setAccessibleDescription(points_.empty() ? Charts::tr("No Cubes solved yet.")
                                             : Charts::tr("%1 on the latest %Ln practice days: %2.",
                                                          nullptr, static_cast<int>(points_.size()))
                                                   .arg(title_, parts.join(QStringLiteral("; "))));
    update();
}

void DayChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawFrame(this, painter);
    const QFontMetrics fm = fontMetrics();
    const QColor text = palette().color(QPalette::Text);

    painter.setFont(bold(font()));
    painter.setPen(text);
    painter.drawText(QRect(10, 6, width() - 20, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     title_);
    painter.setFont(font());

    if (points_.empty()) {
        painter.setPen(kMutedText);
        painter.drawText(rect(), Qt::AlignCenter, Charts::tr("No Cubes solved yet"));
        drawFocus(this, painter);
        return;
    }

    double largest = 0.0;
    for (const Point& p : points_)
        if (std::isfinite(p.value))
            largest = std::max(largest, p.value);
    const ValueAxis axis = makeValueAxis(largest, 5);
    int labelWidth = 0;
    for (int i = 0; i <= axis.steps; ++i)
        labelWidth =
            std::max(labelWidth, fm.horizontalAdvance(number(i * axis.step, axis.decimals)));

    const QRect plot(labelWidth + 18, 14 + 2 * fm.height(), width() - labelWidth - 32,
                     height() - 3 * fm.height() - 26);
    const auto yOf = [&](double v) { return plot.bottom() - v / axis.top() * plot.height(); };
    for (int i = 0; i <= axis.steps; ++i) {
        const double y = yOf(i * axis.step);
        painter.setPen(kGridColor);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(text);
        painter.drawText(QRectF(4, y - fm.height() / 2.0, labelWidth + 8, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, number(i * axis.step, axis.decimals));
    }

    const int n = static_cast<int>(points_.size());
    const double spacing = static_cast<double>(plot.width()) / n;
    const auto xOf = [&](int i) { return plot.left() + (i + 0.5) * spacing; };

    // Day labels: as many as fit side by side, always including the latest.
    const QString dayFormat = Charts::tr("d MMM");
    const int dayLabelWidth =
        fm.horizontalAdvance(QLocale().toString(QDate(2000, 5, 30), dayFormat)) + 10;
    const int every = std::max(1, static_cast<int>(std::ceil(dayLabelWidth / spacing)));
    painter.setPen(text);
    for (int i = n - 1; i >= 0; i -= every)
        painter.drawText(
            QRectF(xOf(i) - dayLabelWidth / 2.0, plot.bottom() + 6, dayLabelWidth, fm.height()),
            Qt::AlignCenter, QLocale().toString(dateOfDayNumber(points_[i].day), dayFormat));

    QPainterPath line;
    bool drawing = false;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(points_[i].value)) {
            drawing = false;
            continue;
        }
        const QPointF at(xOf(i), yOf(points_[i].value));
        if (drawing)
            line.lineTo(at);
        else
            line.moveTo(at);
        drawing = true;
    }
    painter.setPen(QPen(kLineColor, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    painter.setBrush(kLineColor);
    for (int i = 0; i < n; ++i)
        if (std::isfinite(points_[i].value))
            painter.drawEllipse(QPointF(xOf(i), yOf(points_[i].value)), 3.0, 3.0);
    drawFocus(this, painter);
}

RecipeChart::RecipeChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(Charts::tr("Recipes"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

int RecipeChart::rowHeight() const {
    return fontMetrics().height() + 7;
}

QSize RecipeChart::sizeHint() const {
    return {860, rowHeight() * (static_cast<int>(rows_.size()) + 1) + 12};
}

QSize RecipeChart::minimumSizeHint() const {
    return {620, sizeHint().height()};
}

void RecipeChart::setRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    QStringList weakest;
    QStringList parts;
    for (const Row& r : rows_) {
        if (r.weakest)
            weakest << r.name;
        if (r.cubes == 0) {
            parts << Charts::tr("%1: not tried").arg(r.name);
            continue;
        }
        parts << Charts::tr("%1: %Ln Cubes, median %2, %3 mistakes per Cube%4", nullptr, r.cubes)
                     .arg(r.name)
                     .arg(std::isfinite(r.medianSeconds) ? seconds(r.medianSeconds)
                                                         : Charts::tr("no time"))
                     .arg(number(r.mistakesPerCube, 2))
                     .arg(r.measured ? QString() : Charts::tr(", too few to judge"));
    }
    setAccessibleDescription(
        Charts::tr("Weakest: %1. %2.")
            .arg(weakest.isEmpty() ? Charts::tr("none yet") : weakest.join(QStringLiteral(", ")),
                 parts.join(QStringLiteral("; "))));
    setMinimumHeight(sizeHint().height());
    update();
}

void RecipeChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(this, painter);
    const QFontMetrics fm = fontMetrics();
    const QColor text = palette().color(QPalette::Text);
    const int h = rowHeight();

    // Columns: the weak mark, the name, the two bars with their values, the
    // count of Cubes.
    const QString weakestMark = Charts::tr("weakest");
    const QString fewMark = Charts::tr("few");
    const QString recipeHeading = Charts::tr("Recipe");
    const QString cubesHeading = Charts::tr("Cubes");
    const int markWidth = std::max(QFontMetrics(bold(font())).horizontalAdvance(weakestMark),
                                   fm.horizontalAdvance(fewMark)) +
                          24;
    int nameWidth = fm.horizontalAdvance(recipeHeading);
    for (const Row& r : rows_)
        nameWidth = std::max(nameWidth, fm.horizontalAdvance(r.name));
    nameWidth += 16;
    const int countWidth = fm.horizontalAdvance(cubesHeading) + 20;
    const int barsLeft = markWidth + nameWidth;
    const int barsWidth = width() - barsLeft - countWidth - 8;
    const int timeWidth = barsWidth * 11 / 20;
    const int mistakesLeft = barsLeft + timeWidth + 12;
    const int mistakesWidth = barsWidth - timeWidth - 12;
    const int valueWidth = fm.horizontalAdvance(seconds(888.8)) + 8;

    double slowest = 0.0, mostMistakes = 0.0;
    for (const Row& r : rows_) {
        if (std::isfinite(r.medianSeconds))
            slowest = std::max(slowest, r.medianSeconds);
        if (std::isfinite(r.mistakesPerCube))
            mostMistakes = std::max(mostMistakes, r.mistakesPerCube);
    }

    painter.setFont(bold(font()));
    painter.setPen(text);
    const int headerY = 6;
    const auto header = [&](int x, int w, const QString& s, Qt::Alignment a) {
        painter.drawText(QRect(x, headerY, w, h), a | Qt::AlignVCenter, s);
    };
    header(markWidth, nameWidth, recipeHeading, Qt::AlignLeft);
    header(barsLeft, timeWidth, Charts::tr("Median time"), Qt::AlignLeft);
    header(mistakesLeft, mistakesWidth, Charts::tr("Mistakes per Cube"), Qt::AlignLeft);
    header(width() - countWidth - 8, countWidth, cubesHeading, Qt::AlignRight);

    const auto bar = [&](int left, int w, double value, double largest, const QString& label,
                         const QColor& color, int y) {
        const int room = std::max(0, w - valueWidth);
        const int length = largest > 0.0 ? static_cast<int>(std::round(value / largest * room)) : 0;
        painter.fillRect(QRect(left, y + 4, std::max(length, 1), h - 8), color);
        painter.setPen(text);
        painter.drawText(QRect(left + length + 6, y, valueWidth, h),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
    };

    int y = headerY + h;
    for (const Row& r : rows_) {
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
        painter.drawText(QRect(width() - countWidth - 8, y, countWidth, h),
                         Qt::AlignRight | Qt::AlignVCenter, QLocale().toString(r.cubes));
        y += h;
    }
    drawFocus(this, painter);
}

} // namespace vexlor
