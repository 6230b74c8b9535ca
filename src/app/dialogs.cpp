#include "dialogs.h"

#include "app/print_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vexlor {

bool QtDialogs::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::showError(const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, parent_);
    box.setInformativeText(detail);
    box.exec();
}

std::optional<QString> QtDialogs::inputBox(const QString& caption, const QString& prompt,
                                           const QString& text) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

namespace {

QStringList runFileDialog(QWidget* parent, const Dialogs::FileRequest& request,
                          QFileDialog::AcceptMode mode, QFileDialog::FileMode files) {
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
    dialog.setObjectName(mode == QFileDialog::AcceptOpen ? QStringLiteral("finder")
                                                         : QStringLiteral("saver"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(files);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // A save dialog asks before overwriting (QFileDialog's default).
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

std::optional<QString> firstOf(const QStringList& files) {
    if (files.isEmpty())
        return std::nullopt;
    return files.constFirst();
}

} // namespace

std::optional<QString> QtDialogs::openFile(const FileRequest& request) {
    return firstOf(
        runFileDialog(parent_, request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile));
}

std::optional<QString> QtDialogs::saveFile(const FileRequest& request) {
    return firstOf(runFileDialog(parent_, request, QFileDialog::AcceptSave, QFileDialog::AnyFile));
}

std::vector<QString> QtDialogs::openFiles(const FileRequest& request) {
    const QStringList files =
        runFileDialog(parent_, request, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
    return {files.begin(), files.end()};
}

std::optional<Dialogs::PrintChoice>
QtDialogs::askPrint(const std::array<int, kSeriesCount>& counts) {
    PrintDialog dialog(counts, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void QtDialogs::previewPrint(const std::vector<SheetPrint>& sheets) {
    QPrinter printer(QPrinter::HighResolution);
    const auto preview = makePrintPreview(printer, sheets, parent_);
    preview->exec();
}

void QtDialogs::previewReport(const ClassReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    const auto preview = makeReportPreview(printer, report, parent_);
    preview->exec();
}

} // namespace vexlor
