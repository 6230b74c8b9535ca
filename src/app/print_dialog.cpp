#include "print_dialog.h"

#include "cube/answer_order.h"
#include "printing/class_report_print.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>

#include <functional>

namespace vexlor {

PrintDialog::PrintDialog(const std::array<int, kSeriesCount>& counts, QWidget* parent)
    : QDialog(parent), counts_(counts), series_(new QComboBox(this)), first_(new QSpinBox(this)),
      count_(new QSpinBox(this)), versions_(new QSpinBox(this)), itemsPerPage_(new QSpinBox(this)),
      title_(new QLineEdit(defaultSheetTitle(), this)), key_(new QCheckBox(tr("Answer key"), this)),
      answerGrid_(new QCheckBox(tr("Answer grid"), this)),
      mono_(new QCheckBox(tr("Black and white"), this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("printDialog"));
    setWindowTitle(tr("Print a worksheet"));
    series_->setObjectName(QStringLiteral("printSeries"));
    first_->setObjectName(QStringLiteral("printFirst"));
    count_->setObjectName(QStringLiteral("printCount"));
    versions_->setObjectName(QStringLiteral("printVersions"));
    itemsPerPage_->setObjectName(QStringLiteral("printItemsPerPage"));
    title_->setObjectName(QStringLiteral("printTitle"));
    key_->setObjectName(QStringLiteral("printKey"));
    answerGrid_->setObjectName(QStringLiteral("printAnswerGrid"));
    answerGrid_->setToolTip(tr("A page on which pupils mark the letter of every item"));
    mono_->setObjectName(QStringLiteral("printMono"));
    buttons_->setObjectName(QStringLiteral("printButtons"));

    const QString names[kSeriesCount] = {tr("Current"), tr("Skipped"), tr("Mistakes"),
                                         tr("Custom")};
    int chosen = -1;
    for (int k = 0; k < kSeriesCount; ++k) {
        const int n = counts[static_cast<std::size_t>(k)];
        series_->addItem(n == 0 ? tr("%1 (empty)").arg(names[k])
                                : tr("%1 (%Ln Cube(s))", nullptr, n).arg(names[k]));
        // An empty series has nothing to print, so it cannot be chosen.
        if (auto* model = qobject_cast<QStandardItemModel*>(series_->model()))
            model->item(k)->setEnabled(n > 0);
        if (n > 0 && chosen < 0)
            chosen = k;
    }
    series_->setCurrentIndex(std::max(chosen, 0));
    seriesChosen(series_->currentIndex());
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("printPreviewButton"));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("printCancelButton"));
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("Preview"));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(chosen >= 0);

    itemsPerPage_->setRange(1, kMaxItemsPerPage);
    itemsPerPage_->setValue(2);
    versions_->setRange(1, kMaxVersions);
    versions_->setValue(1);
    versions_->setToolTip(tr("Each version puts the answers in another order and has its own "
                             "key"));
    key_->setChecked(true);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Series:"), series_);
    form->addRow(tr("First item:"), first_);
    form->addRow(tr("Number of items:"), count_);
    form->addRow(tr("Versions:"), versions_);
    form->addRow(tr("Items per page:"), itemsPerPage_);
    form->addRow(tr("Title:"), title_);
    form->addRow(key_);
    form->addRow(answerGrid_);
    form->addRow(mono_);
    form->addRow(buttons_);
    connect(series_, &QComboBox::currentIndexChanged, this, &PrintDialog::seriesChosen);
    connect(first_, &QSpinBox::valueChanged, this, &PrintDialog::firstChosen);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PrintDialog::seriesChosen(int index) {
    const int n =
        std::max(1, counts_[static_cast<std::size_t>(std::clamp(index, 0, kSeriesCount - 1))]);
    const QSignalBlocker blocker(first_);
    first_->setRange(1, n);
    first_->setValue(1);
    count_->setRange(1, n);
    count_->setValue(n);
}

void PrintDialog::firstChosen(int first) {
    const bool toTheEnd = count_->value() == count_->maximum();
    const int n = counts_[static_cast<std::size_t>(series_->currentIndex())];
    count_->setMaximum(std::max(1, n - first + 1));
    if (toTheEnd)
        count_->setValue(count_->maximum());
}

Dialogs::PrintChoice PrintDialog::choice() const {
    const QString title = title_->text().trimmed();
    Dialogs::PrintChoice choice{
        static_cast<SeriesId>(series_->currentIndex()), itemsPerPage_->value(),
        title.isEmpty() ? defaultSheetTitle() : title, key_->isChecked(), mono_->isChecked()};
    choice.versions = versions_->value();
    choice.first = first_->value() - 1;
    choice.count = count_->value();
    choice.answerGrid = answerGrid_->isChecked();
    return choice;
}

namespace {

// The preview's dialog on printer, which draws each page the preview or a
// print asks for with `print`.
std::unique_ptr<QPrintPreviewDialog>
makePreview(QPrinter& printer, QWidget* parent,
            const std::function<void(QPagedPaintDevice&)>& print) {
    auto preview = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    preview->setObjectName(QStringLiteral("printPreview"));
    preview->setWindowTitle(PrintDialog::tr("Print preview"));
    QObject::connect(preview.get(), &QPrintPreviewDialog::paintRequested, preview.get(),
                     [print](QPrinter* target) { print(*target); });
    // The preview prints from a tool button that Tab never reaches; the
    // platform's Print key (Ctrl+P) does what the button does: asks for the
    // printer, prints, and closes the preview.
    auto* printAction = new QAction(PrintDialog::tr("Print"), preview.get());
    printAction->setObjectName(QStringLiteral("printFromPreview"));
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Print);
    if (const QKeySequence ctrlP(Qt::CTRL | Qt::Key_P); !keys.contains(ctrlP))
        keys << ctrlP;
    printAction->setShortcuts(keys);
    preview->addAction(printAction);
    QObject::connect(printAction, &QAction::triggered, preview.get(), [dialog = preview.get()] {
        QPrintDialog ask(dialog->printer(), dialog);
        if (ask.exec() != QDialog::Accepted)
            return;
        if (auto* pages = dialog->findChild<QPrintPreviewWidget*>())
            pages->print();
        dialog->accept();
    });
    return preview;
}

} // namespace

std::unique_ptr<QPrintPreviewDialog>
makePrintPreview(QPrinter& printer, const std::vector<SheetPrint>& sheets, QWidget* parent) {
    std::vector<SheetPrint> copies = sheets;
    SheetOptions first = copies.empty() ? SheetOptions{} : copies.front().options;
    const QPageSize::PageSizeId paper = printer.pageLayout().pageSize().id();
    if (paper != QPageSize::Custom)
        first.pageSize = paper;
    setUpSheetPage(printer, first);
    printer.setDocName(first.title);
    printer.setColorMode(first.mono ? QPrinter::GrayScale : QPrinter::Color);
    return makePreview(printer, parent,
                       [copies](QPagedPaintDevice& device) { printSheets(device, copies); });
}

std::unique_ptr<QPrintPreviewDialog> makeReportPreview(QPrinter& printer, const ClassReport& report,
                                                       QWidget* parent) {
    setUpReportPage(printer);
    printer.setDocName(PrintDialog::tr("Class report"));
    return makePreview(printer, parent,
                       [report](QPagedPaintDevice& device) { printClassReport(device, report); });
}

std::unique_ptr<QPrintPreviewDialog>
makeScoreSheetPreview(QPrinter& printer, const ExamSheet& sheet, QWidget* parent) {
    setUpScoreSheetPage(printer);
    printer.setDocName(scoreSheetTitle(sheet));
    return makePreview(printer, parent,
                       [sheet](QPagedPaintDevice& device) { printScoreSheet(device, sheet); });
}

} // namespace vexlor
