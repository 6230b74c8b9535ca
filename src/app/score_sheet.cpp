#include "score_sheet.h"

#include "app/series_commands.h"
#include "render/palette.h"
#include "series/results_file.h"
#include "series/series_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vexlor {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QTableWidget* makeTable(QWidget* parent, const char* name, const QStringList& headings,
                        const std::vector<QStringList>& rows) {
    auto* table =
        new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headings.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
            table->setItem(r, c, new QTableWidgetItem(rows[static_cast<std::size_t>(r)].value(c)));
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

ScoreSheet::ScoreSheet(ExamSheet sheet, std::vector<Cube> items, Dialogs& dialogs, QString folder,
                       const QString& savedPath, QWidget* parent)
    : QDialog(parent), sheet_(std::move(sheet)), items_(std::move(items)), dialogs_(dialogs),
      folder_(std::move(folder)) {
    setObjectName(QStringLiteral("scoreSheet"));
    setWindowTitle(scoreSheetTitle(sheet_));
    setModal(false);

    auto* title = makeLabel(this, "scoreTitle", scoreSheetTitle(sheet_));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title->setFont(bold);
    auto* subtitle = makeLabel(this, "scoreSubtitle", scoreSheetSubtitle(sheet_));
    auto* summary =
        makeLabel(this, "scoreSummary", scoreSheetSummary(sheet_).join(QLatin1Char('\n')));
    saved_ = makeLabel(this, "scoreSaved", QString());
    saved_->setVisible(false);

    std::vector<QStringList> rows;
    for (int i = 0; i < sheet_.score.count; ++i)
        rows.push_back(itemCells(sheet_, i));
    itemTable_ = makeTable(this, "scoreItems", itemHeadings(), rows);
    const QColor wrongBackground(kWeakRecipeBackground);
    for (int i = 0; i < sheet_.score.count; ++i) {
        const ExamItemResult& r = sheet_.score.items[static_cast<std::size_t>(i)];
        if (r.answer < 0 || r.right)
            continue;
        // A wrong row tells itself apart in colour and in words.
        for (int c = 0; c < itemTable_->columnCount(); ++c) {
            itemTable_->item(i, c)->setBackground(wrongBackground);
            itemTable_->item(i, c)->setToolTip(tr("Wrong: Enter or a double-click explains it"));
        }
        QTableWidgetItem* answer = itemTable_->item(i, 2);
        answer->setData(Qt::AccessibleTextRole, tr("%1, wrong").arg(answer->text()));
    }
    connect(itemTable_, &QTableWidget::cellActivated, this,
            [this](int row, int) { itemActivated(row); });

    auto* recipes = makeTable(this, "scoreRecipes", recipeHeadings(), recipeRows(sheet_));
    auto* comparison = makeLabel(this, "scoreComparison", comparisonText(sheet_));

    auto* save = new QPushButton(tr("&Save results\u2026"), this);
    save->setObjectName(QStringLiteral("scoreSave"));
    auto* print = new QPushButton(tr("&Print\u2026"), this);
    print->setObjectName(QStringLiteral("scorePrint"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("scoreClose"));
    for (QPushButton* button : {save, print, close})
        button->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &ScoreSheet::saveResults);
    connect(print, &QPushButton::clicked, this, &ScoreSheet::print);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addWidget(summary);
    layout->addWidget(saved_);
    layout->addWidget(itemTable_, 2);
    layout->addWidget(makeLabel(this, "scorePerRecipe", tr("Per recipe")));
    layout->addWidget(recipes, 1);
    layout->addWidget(comparison);
    layout->addLayout(buttons);
    resize(720, 640);
    if (!savedPath.isEmpty())
        showSaved(savedPath);
}

void ScoreSheet::itemActivated(int row) {
    if (row < 0 || row >= static_cast<int>(items_.size()))
        return;
    const ExamItemResult& r = sheet_.score.items[static_cast<std::size_t>(row)];
    if (r.answer >= 0 && !r.right)
        emit explainRequested(items_[static_cast<std::size_t>(row)], r.answer);
}

void ScoreSheet::showSaved(const QString& path) {
    saved_->setText(tr("Results saved as %1").arg(QDir::toNativeSeparators(path)));
    saved_->setVisible(true);
}

void ScoreSheet::saveResults() {
    const QString base = resultsBaseName(sheet_.name, sheet_.title, sheet_.startedAt.date());
    const auto path =
        dialogs_.saveFile({tr("Save the results:"), text::kFilter, text::kSuffix, folder_,
                           QFileInfo(freeResultsPath(folder_, base)).fileName(), true});
    if (!path)
        return;
    const QFileInfo chosen(*path);
    folder_ = chosen.absolutePath();
    QString saved;
    QString reason;
    const WriteResult result = saveResultsFile(
        folder_, chosen.completeBaseName(), Series(items_.begin(), items_.end()), &saved, &reason);
    if (const char* message = saveMessage(result); message != nullptr && *message != '\0') {
        dialogs_.showError(QCoreApplication::translate("SeriesFile", message), reason);
        return;
    }
    showSaved(saved);
}

void ScoreSheet::print() {
    dialogs_.previewScoreSheet(sheet_);
}

} // namespace vexlor
