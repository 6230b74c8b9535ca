#include "usage.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace vexlor::tool {

namespace {

// Lines no wider than a terminal's 80 columns, as Qt writes its own help.
constexpr qsizetype kHelpWidth = 79;

// The text cut into words at its spaces, keeping a bracketed group such as
// "[--seed SECONDS]" whole, so that a synopsis breaks only between groups.
QStringList wordsOf(const QString& text) {
    QStringList words{QString()};
    int depth = 0;
    for (const QChar c : text) {
        depth += c == QLatin1Char('[') ? 1 : c == QLatin1Char(']') ? -1 : 0;
        if (c == QLatin1Char(' ') && depth == 0) {
            if (!words.back().isEmpty())
                words << QString();
            continue;
        }
        words.back() += c;
    }
    return words;
}

// The text broken into lines, the first after firstIndent spaces, the rest
// after indent.
QString wrapped(const QString& text, qsizetype firstIndent, qsizetype indent) {
    QString lines;
    QString line(firstIndent, QLatin1Char(' '));
    bool empty = true;
    for (const QString& word : wordsOf(text)) {
        if (!empty && line.size() + 1 + word.size() > kHelpWidth) {
            lines += line + QLatin1Char('\n');
            line = QString(indent, QLatin1Char(' '));
            empty = true;
        }
        line += (empty ? QString() : QStringLiteral(" ")) + word;
        empty = false;
    }
    return lines + line + QLatin1Char('\n');
}

// "-o, --output <FILE>", as Qt's help names an option.
QString namesOf(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        text += QStringLiteral(" <%1>").arg(option.valueName());
    return text;
}

} // namespace

QString generalHelp(std::span<const Usage> usages) {
    QString text = QStringLiteral("Makes, lists, checks and draws Vexlor series files (.srs).\n\n");
    for (const Usage& u : usages)
        text +=
            wrapped(QLatin1String(u.synopsis), 2, 8) + wrapped(QLatin1String(u.description), 6, 6);
    text += wrapped(QStringLiteral("help [COMMAND]"), 2, 8) +
            wrapped(QStringLiteral("This help, or the command's own: its options and its exit "
                                   "codes (as COMMAND --help shows them)."),
                    6, 6);
    return text + QLatin1Char('\n') +
           wrapped(QStringLiteral("A FILE of - reads the series from standard input, and -o - "
                                  "writes generate's series, render's PNG or sheet's PDF to "
                                  "standard output; an output that is the file being read is "
                                  "refused."),
                   2, 2) +
           QStringLiteral("\nExit codes: 0 success, 1 a check failed, 2 bad input.");
}

QString commandHelp(const Usage& usage) {
    std::vector<std::pair<QString, QString>> rows;
    for (const QCommandLineOption* o : usage.options)
        rows.emplace_back(namesOf(*o), o->description());
    rows.emplace_back(QStringLiteral("-h, --help"), QStringLiteral("Shows this help."));
    qsizetype width = 0;
    for (const auto& [names, description] : rows)
        width = std::max(width, names.size());
    const qsizetype column = 2 + width + 2;

    QString text =
        wrapped(QStringLiteral("Usage: vexlor-series %1").arg(QLatin1String(usage.synopsis)), 0,
                8) +
        QLatin1Char('\n') + wrapped(QLatin1String(usage.description), 0, 0) +
        QStringLiteral("\nOptions:\n");
    for (const auto& [names, description] : rows)
        text += QStringLiteral("  ") + names.leftJustified(width + 2) +
                wrapped(description, column, column).mid(column);
    return text + QLatin1Char('\n') +
           wrapped(QStringLiteral("Exit codes: %1").arg(QLatin1String(usage.exitCodes)), 0, 0);
}

} // namespace vexlor::tool
