// The charts of the Progress window, drawn with QPainter: a value per day on
// a calendar axis, and the figures of the 15 recipes with the weakest marked.
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>

#include <functional>
#include <limits>
#include <optional>
#include <vector>

class QPainter;

namespace vexlor {

// A value axis from 0 in round steps (1, 2 or 5 times a power of ten) that
// reaches at least the largest value with no more than maxSteps steps.
struct ValueAxis {
    double step = 1;
    int steps = 1;
    int decimals = 0; // what a label of the axis needs to show its step
    double top() const { return step * steps; }
};
ValueAxis makeValueAxis(double largest, int maxSteps);

// Where the middle of a day lies on a calendar axis of the given width that
// spans firstDay to lastDay (both included): every calendar day gets the same
// room, practised or not.
double calendarX(int day, int firstDay, int lastDay, double width);

// A labelled day on a calendar axis, x measured as calendarX measures it.
struct CalendarTick {
    int day = 0;
    double x = 0;
    QString label;
};

// The ticks of a calendar axis: every day, every 2, 7 or 14 days (ending on
// the last day), on the first of every 1, 2, 3 or 6 months, or on New Year of
// every 1, 2, 5 or 10 years, the finest whose labels, kept inside the width,
// stand apart. Where the axis crosses into another year, its first tick and
// the first tick of each later year carry the year. textWidth measures a
// label.
std::vector<CalendarTick> calendarTicks(int firstDay, int lastDay, double width,
                                        const std::function<double(const QString&)>& textWidth);

// A value per day as a line over a calendar axis, the values on a labelled
// axis at the left. Days without practice take their room on the axis; the
// line is broken across a break longer than a week. Optionally bars of the
// Cubes solved each day under the line, and one day marked with a note.
class DayChart final : public QWidget {
    Q_OBJECT

public:
    struct Point {
        int day = 0;      // days since 30 December 1899
        double value = 0; // not a finite number: no value that day
        int cubes = 0;    // Cubes solved that day
    };
    // The title is what the values are; unit follows each value in the
    // accessible description ("s"); decimals is how values are written there.
    DayChart(const QString& title, const QString& unit, int decimals, QWidget* parent);

    // The calendar days shown, both included (none when lastDay is below
    // firstDay), and the practice days among them, oldest first.
    void setDays(int firstDay, int lastDay, std::vector<Point> points);
    const std::vector<Point>& points() const { return points_; }
    void setCubeBars(bool shown);
    // Rings the point of day, with the note in the chart's legend; none
    // clears it.
    void setMarkedDay(std::optional<int> day, const QString& note);
    std::optional<int> markedDay() const { return markedDay_; }
    // A dashed line across the chart at value, named in the legend by
    // label; none clears it. The value axis reaches it.
    void setTargetLine(std::optional<double> value, const QString& label);
    std::optional<double> targetLine() const { return target_; }
    void setTitle(const QString& title);
    // Each point stands for a week rather than a day (said so to a screen
    // reader).
    void setWeekly(bool weekly);

    // Where point i lies at the chart's present size.
    QPointF pointPosition(std::size_t i) const;
    // The stretches of the line, each a run of points joined without a break.
    std::vector<std::vector<std::size_t>> lineRuns() const;

    // The width it asks for: a third chart beside two asks for less, so
    // that the window still fits a screen 1280 wide.
    void setPreferredWidth(int width) { preferredWidth_ = width; }
    QSize sizeHint() const override { return {preferredWidth_, 300}; }
    QSize minimumSizeHint() const override { return {300, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout;
    Layout layout() const;
    struct LegendEntry;
    // The entries of the legend, each with its place, in lines of the width
    // the chart has: the ringed day where it is drawn, then the target.
    std::vector<LegendEntry> legend() const;
    void drawLegend(QPainter& painter) const;
    QPointF positionIn(const Layout& layout, const Point& point) const;
    void drawMark(QPainter& painter, const Layout& layout) const;
    // The screen reader's description: the points' part is made anew only
    // when the points or how they read change, the rest at every change.
    void describePoints();
    void describe();

    QString title_;
    QString unit_;
    int decimals_;
    int firstDay_ = 0;
    int lastDay_ = -1;
    std::vector<Point> points_;
    QString pointsText_;
    bool cubeBars_ = false;
    std::optional<int> markedDay_;
    QString markNote_;
    int preferredWidth_ = 430;
    std::optional<double> target_;
    QString targetLabel_;
    bool weekly_ = false;
};

// One row per recipe: its name, bars of its median time and its mistakes per
// Cube with their values, and its number of solved Cubes; the weakest rows
// marked, and those solved too few times to be judged. A click on a row, or
// Enter on the row chosen with the arrow keys, asks for that recipe's guide.
class RecipeChart final : public QWidget {
    Q_OBJECT

public:
    struct Row {
        QString name;
        int cubes = 0;
        double medianSeconds = 0;   // not a finite number: no time yet
        double mistakesPerCube = 0; // not a finite number: not tried
        bool weakest = false;
        bool measured = false; // solved often enough to be judged
        // The share of the latest solves within the target; not a finite
        // number where none has a time.
        double underTarget = std::numeric_limits<double>::quiet_NaN();
    };
    explicit RecipeChart(QWidget* parent);

    void setRows(std::vector<Row> rows);
    // The heading of the column of the shares within the target ("Under 30 s").
    void setTargetHeading(const QString& heading);
    const std::vector<Row>& rows() const { return rows_; }
    // The row the arrow keys have come to.
    int currentRow() const { return currentRow_; }
    // The row at a point of the chart; -1 outside the rows.
    int rowAt(QPoint point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void rowChosen(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Where each column begins and how wide it is, at the present width.
    struct Columns {
        int mark = 0, nameLeft = 0, name = 0;
        int timeLeft = 0, time = 0, mistakesLeft = 0, mistakes = 0;
        int shareLeft = 0, share = 0, countLeft = 0, count = 0;
        int value = 0; // the room for a bar's figure
        int minimumWidth = 0;
    };
    Columns columns() const;
    int rowHeight() const;
    int rowTop(int row) const;
    std::vector<Row> rows_;
    QString targetHeading_;
    int currentRow_ = 0;
};

// "1 Cube", "2 Cubes": a count with its noun, as English writes it.
QString cubesText(int n);

} // namespace vexlor
