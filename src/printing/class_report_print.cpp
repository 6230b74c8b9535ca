#include "class_report_print.h"

#include "cube/recipe.h"
#include "printing/paper.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>

namespace vexlor {

namespace {

// The report's texts, translated under one name for the window and the tool.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(ClassReport)
};

// The page's parts, in millimetres; its margin and footer as every sheet's.
constexpr double kTitle = 11.0;
constexpr double kLine = 5.5;       // a line of text under the title
constexpr double kHeading = 11.0;   // a section's heading, with room above it
constexpr double kRow = 6.0;        // a row of a table, and its head
constexpr double kChart = 62.0;     // the bar chart with its labels
constexpr double kChartAxis = 14.0; // left of the bars: the percentages
constexpr double kChartFoot = 7.0;  // below the bars: the items' numbers

const QColor kRuleColor(160, 160, 160);
const QColor kStripeColor(238, 238, 238);
// The bars in greys, so that the chart prints in black and white.
const QColor kBarColor(120, 120, 120);
const QColor kHardBarColor(20, 20, 20);
const QColor kEasyBarColor(200, 200, 200);

// A table's column: its heading and its share of the page's width.
struct Column {
    const char* heading;
    double share;
    Qt::Alignment alignment;
};

constexpr Column kPupilColumns[] = {
    {QT_TRANSLATE_NOOP("ClassReport", "Pupil"), 0.28, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("ClassReport", "Right"), 0.09, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ClassReport", "Wrong"), 0.09, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ClassReport", "Unanswered"), 0.15, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ClassReport", "Score"), 0.11, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ClassReport", "Time used"), 0.14, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ClassReport", "Median time"), 0.14, Qt::AlignRight},
};

constexpr Column kItemColumns[] = {
    {QT_TRANSLATE_NOOP("ClassReport", "Item"), 0.05, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ClassReport", "Recipe"), 0.32, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("ClassReport", "Key"), 0.08, Qt::AlignHCenter},
    {QT_TRANSLATE_NOOP("ClassReport", "Right"), 0.08, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ClassReport", "Most chosen wrong"), 0.18, Qt::AlignHCenter},
    {QT_TRANSLATE_NOOP("ClassReport", "Median time"), 0.14, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ClassReport", "Note"), 0.15, Qt::AlignLeft},
};

QString letterOf(int answer) {
    return answer >= 0 && answer < kAnswers ? QString(QChar(u'A' + answer))
                                            : QStringLiteral("\u2013");
}

QString percent(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("\u2013");
    return Texts::tr("%L1 %").arg(std::lround(value));
}

QString seconds(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("\u2013");
    return Texts::tr("%L1 s").arg(value, 0, 'f', 1);
}

QString noteOf(ItemFlag flag) {
    switch (flag) {
    case ItemFlag::Hard:
        return Texts::tr("under %L1 % right").arg(kHardBelowPercent);
    case ItemFlag::Easy:
        return Texts::tr("over %L1 % right").arg(kEasyAbovePercent);
    case ItemFlag::None:
        break;
    }
    return {};
}

// Lays the report out from the top of page 1 on, and draws it where `draw`
// is set; the first run only counts the pages, so that each foot can say
// "Page 1 of 3".
class ReportPages {
public:
    ReportPages(Paper& paper, bool draw, int pageCount, std::function<void()> newPage)
        : paper_(paper), draw_(draw), pageCount_(pageCount), newPage_(std::move(newPage)) {}

    int pages() const { return page_ + 1; }

    void run(const ClassReport& report) {
        startPage();
        text({0, y_, paper_.width(), kTitle}, Texts::tr("Class report"), sheetFont(16, true),
             Qt::AlignLeft | Qt::AlignVCenter);
        y_ += kTitle;
        const int pupils = static_cast<int>(report.pupils.size());
        const int items = static_cast<int>(report.items.size());
        text({0, y_, paper_.width(), kLine},
             Texts::tr("%1, %2").arg(Texts::tr("%Ln pupil(s)", nullptr, pupils),
                                     Texts::tr("%Ln item(s)", nullptr, items)),
             sheetFont(10.5), Qt::AlignLeft | Qt::AlignVCenter);
        y_ += kLine;
        for (const LeftOutFile& file : report.leftOut) {
            room(kLine);
            text({0, y_, paper_.width(), kLine},
                 Texts::tr("Left out: %1 (%2)")
                     .arg(QString::fromStdString(file.name), leftOutText(file)),
                 sheetFont(10), Qt::AlignLeft | Qt::AlignVCenter);
            y_ += kLine;
        }

        heading(Texts::tr("Pupils"), kRow * 2);
        tableHead(kPupilColumns);
        for (std::size_t p = 0; p < report.pupils.size(); ++p) {
            const PupilFigures& pupil = report.pupils[p];
            const QLocale locale;
            row(kPupilColumns, p,
                {QString::fromStdString(pupil.name), locale.toString(pupil.right),
                 locale.toString(pupil.wrong), locale.toString(pupil.unanswered),
                 percent(pupil.scorePercent), clockText(pupil.secondsUsed),
                 seconds(pupil.medianSeconds)});
        }

        heading(Texts::tr("Right answers per item"), kChart);
        chart(report);

        heading(Texts::tr("Items"), kRow * 2);
        tableHead(kItemColumns);
        for (std::size_t i = 0; i < report.items.size(); ++i) {
            const ItemFigures& item = report.items[i];
            row(kItemColumns, i,
                {QLocale().toString(static_cast<qulonglong>(i + 1)), recipeTitle(item.recipe),
                 letterOf(item.correct), percent(item.percentRight), letterOf(item.commonWrong),
                 seconds(item.medianSeconds), noteOf(item.flag)});
        }
    }

private:
    double bottom() const { return paper_.height() - kFooterHeight; }

    void startPage() {
        if (page_ >= 0 && draw_)
            newPage_();
        ++page_;
        y_ = 0;
        if (draw_)
            paper_.text({0, paper_.height() - kFooterHeight, paper_.width(), kFooterHeight},
                        Texts::tr("Page %L1 of %L2").arg(page_ + 1).arg(pageCount_), sheetFont(9),
                        Qt::AlignHCenter | Qt::AlignBottom);
    }

    // Starts a new page unless height fits below what is there.
    bool room(double height) {
        if (y_ + height <= bottom())
            return false;
        startPage();
        return true;
    }

    void text(const QRectF& mm, const QString& text, const QFont& font, int flags) {
        if (draw_)
            paper_.text(mm, text, font, flags);
    }

    // A section's heading, on the page that also has room for `following`.
    void heading(const QString& title, double following) {
        room(kHeading + following);
        text({0, y_ + 3, paper_.width(), kHeading - 3}, title, sheetFont(12, true),
             Qt::AlignLeft | Qt::AlignVCenter);
        y_ += kHeading;
    }

    template <std::size_t N> void tableHead(const Column (&columns)[N]) {
        double x = 0;
        for (const Column& c : columns) {
            const double width = c.share * paper_.width();
            text({x + 1, y_, width - 2, kRow}, Texts::tr(c.heading), sheetFont(8.5, true),
                 static_cast<int>(c.alignment | Qt::AlignVCenter));
            x += width;
        }
        if (draw_)
            paper_.line({0, y_ + kRow}, {paper_.width(), y_ + kRow}, Qt::black, 0.3);
        y_ += kRow;
        head_ = [this, &columns] { tableHead(columns); };
    }

    // A row of the table; on a new page the table's head comes again.
    template <std::size_t N>
    void row(const Column (&columns)[N], std::size_t index, const std::array<QString, N>& cells) {
        if (room(kRow))
            head_();
        if (draw_ && index % 2 == 1)
            paper_.box({0, y_, paper_.width(), kRow}, {}, 0, kStripeColor);
        double x = 0;
        for (std::size_t k = 0; k < N; ++k) {
            const double width = columns[k].share * paper_.width();
            text({x + 1, y_, width - 2, kRow}, cells[k], sheetFont(9),
                 static_cast<int>(columns[k].alignment | Qt::AlignVCenter));
            x += width;
        }
        y_ += kRow;
    }

    // Each item's share of right answers as a bar, the flagged shares in
    // other greys, over lines at every 20 % and at the two flags' limits.
    void chart(const ClassReport& report) {
        const double top = y_ + 2, height = kChart - kChartFoot - 4;
        const double left = kChartAxis, width = paper_.width() - kChartAxis;
        const auto yOf = [&](double share) { return top + height * (1 - share / 100); };
        y_ += kChart;
        if (!draw_)
            return;
        for (int share = 0; share <= 100; share += 20) {
            paper_.line({left, yOf(share)}, {left + width, yOf(share)}, kRuleColor, 0.15);
            paper_.text({0, yOf(share) - 2.5, kChartAxis - 2, 5}, percent(share), sheetFont(8),
                        Qt::AlignRight | Qt::AlignVCenter);
        }
        const std::size_t n = report.items.size();
        const double slot = n == 0 ? width : width / static_cast<double>(n);
        // Every item's number where there is room, else every few.
        const std::size_t every =
            std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(7.0 / slot)));
        for (std::size_t i = 0; i < n; ++i) {
            const ItemFigures& item = report.items[i];
            const double x = left + slot * static_cast<double>(i);
            if (std::isfinite(item.percentRight) && item.percentRight > 0) {
                const QColor color = item.flag == ItemFlag::Hard   ? kHardBarColor
                                     : item.flag == ItemFlag::Easy ? kEasyBarColor
                                                                   : kBarColor;
                paper_.box({x + slot * 0.15, yOf(item.percentRight), slot * 0.7,
                            yOf(0) - yOf(item.percentRight)},
                           Qt::black, 0.1, color);
            }
            if ((i + 1) % every == 0 || every == 1)
                paper_.text({x - 4, yOf(0) + 1, slot + 8, kChartFoot - 2},
                            QLocale().toString(static_cast<qulonglong>(i + 1)), sheetFont(7.5),
                            Qt::AlignHCenter | Qt::AlignTop);
        }
        for (double limit : {kHardBelowPercent, kEasyAbovePercent}) {
            QPen pen(Qt::black, paper_.Units(0.25), Qt::DashLine);
            paper_.painter.setPen(pen);
            paper_.painter.drawLine(QPointF(paper_.Units(left), paper_.Units(yOf(limit))),
                                    QPointF(paper_.Units(left + width), paper_.Units(yOf(limit))));
        }
        paper_.text({left, yOf(0) + kChartFoot - 2, width, 4.5},
                    Texts::tr("Item number; dashed: %1 and %2; dark bars: under %1, light bars: "
                              "over %2")
                        .arg(percent(kHardBelowPercent), percent(kEasyAbovePercent)),
                    sheetFont(8), Qt::AlignLeft | Qt::AlignVCenter);
    }

    Paper& paper_;
    bool draw_;
    int pageCount_;
    std::function<void()> newPage_;
    int page_ = -1;
    double y_ = 0;
    std::function<void()> head_;
};

} // namespace

QString leftOutText(const LeftOutFile& file) {
    switch (file.reason) {
    case LeftOutReason::Unreadable:
        return Texts::tr("not a series file, or it cannot be read");
    case LeftOutReason::NoAnswers:
        return Texts::tr("no Cube is answered: not a results file");
    case LeftOutReason::SeveralPicks:
        return Texts::tr("Cube %L1 has more than one answer picked").arg(file.cube + 1);
    case LeftOutReason::ForeignCube:
        return Texts::tr("Cube %L1 is not in the original series").arg(file.cube + 1);
    }
    return {};
}

void setUpReportPage(QPagedPaintDevice& device) {
    device.setPageLayout(portraitPage(QPageSize(QPageSize::A4)));
}

bool printClassReport(QPagedPaintDevice& device, const ClassReport& report) {
    return paintPages(device, [&](Paper& paper) {
        ReportPages counting(paper, false, 0, [] {});
        counting.run(report);
        ReportPages pages(paper, true, counting.pages(), [&device] { device.newPage(); });
        pages.run(report);
    });
}

} // namespace vexlor
