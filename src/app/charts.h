// The charts of the Progress window, drawn with QPainter: a value per
// practice day, and the figures of the 15 recipes with the weakest marked.
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

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

// A value per practice day, as a line through one point per day, the days
// evenly spaced and labelled below, the values on a labelled axis at the
// left. A day without a value leaves a gap in the line.
class DayChart final : public QWidget {
public:
    struct Point {
        int day = 0;      // days since 30 December 1899
        double value = 0; // not a finite number: no value that day
    };
    // The title is what the values are; unit follows each value in the
    // accessible description ("s"); decimals is how values are written there.
    DayChart(const QString& title, const QString& unit, int decimals, QWidget* parent);

    void setPoints(std::vector<Point> points);
    const std::vector<Point>& points() const { return points_; }

    QSize sizeHint() const override { return {430, 230}; }
    QSize minimumSizeHint() const override { return {300, 170}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    QString unit_;
    int decimals_;
    std::vector<Point> points_;
};

// One row per recipe: its name, bars of its median time and its mistakes per
// Cube with their values, and its number of solved Cubes; the weakest rows
// marked, and those solved too few times to be judged.
class RecipeChart final : public QWidget {
public:
    struct Row {
        QString name;
        int cubes = 0;
        double medianSeconds = 0;   // not a finite number: no time yet
        double mistakesPerCube = 0; // not a finite number: not tried
        bool weakest = false;
        bool measured = false; // solved often enough to be judged
    };
    explicit RecipeChart(QWidget* parent);

    void setRows(std::vector<Row> rows);
    const std::vector<Row>& rows() const { return rows_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int rowHeight() const;
    std::vector<Row> rows_;
};

} // namespace vexlor
