#include "print_dialog.h"

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
#include <QSpinBox>
#include <QStandardItemModel>

namespace vexlor {

PrintDialog::PrintDialog(const std::array<int, kSeriesCount>& counts, QWidget* parent)
    : QDialog(parent), series_(new QComboBox(this)), itemsPerPage_(new QSpinBox(this)),
      title_(new QLineEdit(defaultSheetTitle(), this)), key_(new QCheckBox(tr("Answer key"), this)),
      mono_(new QCheckBox(tr("Black and white"), this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("printDialog"));
    setWindowTitle(tr("Print a worksheet"));
    series_->setObjectName(QStringLiteral("printSeries"));
    itemsPerPage_->setObjectName(QStringLiteral("printItemsPerPage"));
    title_->setObjectName(QStringLiteral("printTitle"));
    key_->setObjectName(QStringLiteral("printKey"));
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
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("printPreviewButton"));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("printCancelButton"));
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("Preview"));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(chosen >= 0);

    itemsPerPage_->setRange(1, kMaxItemsPerPage);
    itemsPerPage_->setValue(2);
    key_->setChecked(true);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Series:"), series_);
    form->addRow(tr("Items per page:"), itemsPerPage_);
    form->addRow(tr("Title:"), title_);
    form->addRow(key_);
    form->addRow(mono_);
    form->addRow(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

Dialogs::PrintChoice PrintDialog::choice() const {
    const QString title = title_->text().trimmed();
    return {static_cast<SeriesId>(series_->currentIndex()), itemsPerPage_->value(),
            title.isEmpty() ? defaultSheetTitle() : title, key_->isChecked(), mono_->isChecked()};
}

std::unique_ptr<QPrintPreviewDialog> makePrintPreview(QPrinter& printer,
                                                      const std::vector<Cube>& cubes,
                                                      const SheetOptions& options,
                                                      QWidget* parent) {
    SheetOptions sheet = options;
    const QPageSize::PageSizeId paper = printer.pageLayout().pageSize().id();
    if (paper != QPageSize::Custom)
        sheet.pageSize = paper;
    setUpSheetPage(printer, sheet);
    printer.setDocName(sheet.title);
    printer.setColorMode(sheet.mono ? QPrinter::GrayScale : QPrinter::Color);
    auto preview = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    preview->setObjectName(QStringLiteral("printPreview"));
    preview->setWindowTitle(PrintDialog::tr("Print preview"));
    QObject::connect(preview.get(), &QPrintPreviewDialog::paintRequested, preview.get(),
                     [cubes, sheet](QPrinter* target) { printSheet(*target, cubes, sheet); });
    // The preview prints from a tool button that Tab never reaches; the
    // platform's Print key (Ctrl+P) does what the button does: asks for the
    // printer, prints, and closes the preview.
    auto* print = new QAction(PrintDialog::tr("Print"), preview.get());
    print->setObjectName(QStringLiteral("printFromPreview"));
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Print);
    if (const QKeySequence ctrlP(Qt::CTRL | Qt::Key_P); !keys.contains(ctrlP))
        keys << ctrlP;
    print->setShortcuts(keys);
    preview->addAction(print);
    QObject::connect(print, &QAction::triggered, preview.get(), [dialog = preview.get()] {
        QPrintDialog ask(dialog->printer(), dialog);
        if (ask.exec() != QDialog::Accepted)
            return;
        if (auto* pages = dialog->findChild<QPrintPreviewWidget*>())
            pages->print();
        dialog->accept();
    });
    return preview;
}

} // namespace vexlor
