#include "score_sheet_print.h"

#include "printing/class_report_print.h"
#include "printing/paper.h"
#include "printing/worksheet.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <string>

namespace vexlor {

namespace {

// The sheet's texts, translated under one name for the window and the paper.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(ScoreSheet)
};

const QString kNone = QStringLiteral("\u2013");

QString percentText(double value) {
    return Texts::tr("%L1 %").arg(std::lround(value));
}

QString secondsText(double value) {
    if (!std::isfinite(value))
        return kNone;
    return Texts::tr("%L1 s").arg(value, 0, 'f', 1);
}

QString unansweredText(const ExamScore& score) {
    const int n = score.unanswered();
    switch (score.end) {
    case ExamEnd::TimeUp:
        return Texts::tr("The time ran out with %Ln Cube(s) unanswered: they count as "
                         "unanswered, not as wrong.",
                         nullptr, n);
    case ExamEnd::EndedEarly:
        return Texts::tr("The exam was ended early with %Ln Cube(s) unanswered: they count as "
                         "unanswered, not as wrong.",
                         nullptr, n);
    case ExamEnd::AllAnswered:
    case ExamEnd::None:
        break;
    }
    return Texts::tr("Unanswered: %Ln Cube(s).", nullptr, n);
}

QString htmlRow(const QStringList& cells, const QString& tag) {
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        row += QStringLiteral("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
    return row + QStringLiteral("</tr>");
}

QString htmlTable(const QStringList& headings, const std::vector<QStringList>& rows) {
    QString table =
        QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">");
    table += htmlRow(headings, QStringLiteral("th"));
    for (const QStringList& row : rows)
        table += htmlRow(row, QStringLiteral("td"));
    return table + QStringLiteral("</table>");
}

} // namespace

QString scoreSheetTitle(const ExamSheet& sheet) {
    return Texts::tr("Score sheet: %1").arg(sheet.title);
}

QString scoreSheetSubtitle(const ExamSheet& sheet) {
    const QString when =
        QLocale().toString(sheet.startedAt, Texts::tr("d MMM yyyy, HH:mm", "date and time"));
    return sheet.name.isEmpty() ? when : Texts::tr("%1, %2", "name, date").arg(sheet.name, when);
}

QStringList scoreSheetSummary(const ExamSheet& sheet) {
    const ExamScore& s = sheet.score;
    QStringList lines;
    lines << Texts::tr("Score: %L1 of %L2 right (%3); of those answered, %L4 of %L5 right (%6).")
                 .arg(s.right)
                 .arg(s.count)
                 .arg(percentText(s.percentRight()))
                 .arg(s.right)
                 .arg(s.answered)
                 .arg(percentText(s.percentOfAnswered()));
    if (s.unanswered() > 0)
        lines << unansweredText(s);
    lines << (s.limitSeconds == kNoLimit
                  ? Texts::tr("Time used: %1 (no limit).").arg(clockText(s.secondsUsed))
                  : Texts::tr("Time used: %1 of %2.")
                        .arg(clockText(s.secondsUsed), clockText(s.limitSeconds)));
    lines << Texts::tr("Median time per answered Cube: %1.").arg(secondsText(s.medianSeconds));
    lines << (s.timesLeft == 0 ? Texts::tr("The window was not left during the exam.")
                               : Texts::tr("The window was left %Ln time(s), for %1 in all.",
                                           nullptr, s.timesLeft)
                                     .arg(clockText(s.secondsAway)));
    return lines;
}

QStringList itemHeadings() {
    return {Texts::tr("Item"), Texts::tr("Recipe"), Texts::tr("Your answer"),
            Texts::tr("Right answer"), Texts::tr("Time")};
}

QStringList itemCells(const ExamSheet& sheet, int item) {
    const ExamItemResult& r = sheet.score.items.at(static_cast<std::size_t>(item));
    return {QLocale().toString(item + 1), recipeTitle(r.recipe),
            r.answer < 0 ? Texts::tr("unanswered") : QString(answerLetter(r.answer)),
            QString(answerLetter(r.correct)), secondsText(r.seconds)};
}

QStringList recipeHeadings() {
    return {Texts::tr("Recipe"), Texts::tr("Right of all"), Texts::tr("Median time"),
            Texts::tr("Median in practice")};
}

std::vector<QStringList> recipeRows(const ExamSheet& sheet) {
    std::vector<QStringList> rows;
    for (int k = 0; k < kRecipeCount; ++k) {
        const RecipeScore& r = sheet.score.recipes[static_cast<std::size_t>(k)];
        if (r.items == 0)
            continue;
        const double practice = sheet.comparison.known
                                    ? sheet.comparison.practiceMedians[static_cast<std::size_t>(k)]
                                    : std::nan("");
        rows.push_back({recipeTitle(k), Texts::tr("%L1 of %L2").arg(r.right).arg(r.items),
                        secondsText(r.medianSeconds), secondsText(practice)});
    }
    return rows;
}

QString comparisonText(const ExamSheet& sheet) {
    const ExamComparison& c = sheet.comparison;
    if (!c.known)
        return Texts::tr("Earlier exams cannot be compared: the history cannot be read.");
    const QString score = percentText(sheet.score.percentRight());
    if (c.earlierScores.empty())
        return Texts::tr("This exam: %1. It is your first exam.").arg(score);
    const double best = *std::max_element(c.earlierScores.begin(), c.earlierScores.end());
    return Texts::tr("This exam: %1. Earlier exams: %Ln, the last %2, the best %3.", nullptr,
                     static_cast<int>(c.earlierScores.size()))
        .arg(score, percentText(c.earlierScores.back()), percentText(best));
}

void setUpScoreSheetPage(QPagedPaintDevice& device) {
    setUpReportPage(device);
}

bool printScoreSheet(QPagedPaintDevice& device, const ExamSheet& sheet) {
    QString html =
        QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p>")
            .arg(scoreSheetTitle(sheet).toHtmlEscaped(), scoreSheetSubtitle(sheet).toHtmlEscaped(),
                 scoreSheetSummary(sheet)
                     .join(QLatin1Char('\n'))
                     .toHtmlEscaped()
                     .replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    std::vector<QStringList> items;
    for (int i = 0; i < sheet.score.count; ++i)
        items.push_back(itemCells(sheet, i));
    html += QStringLiteral("<h3>%1</h3>").arg(Texts::tr("Items").toHtmlEscaped()) +
            htmlTable(itemHeadings(), items);
    html += QStringLiteral("<h3>%1</h3>").arg(Texts::tr("Per recipe").toHtmlEscaped()) +
            htmlTable(recipeHeadings(), recipeRows(sheet));
    html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                .arg(Texts::tr("Compared with your history").toHtmlEscaped(),
                     comparisonText(sheet).toHtmlEscaped());
    QTextDocument document;
    document.setDefaultFont(sheetFont(10));
    document.setHtml(html);
    if (device.pageLayout().paintRect(QPageLayout::Millimeter).isEmpty())
        return false;
    document.print(&device);
    return true;
}

} // namespace vexlor
