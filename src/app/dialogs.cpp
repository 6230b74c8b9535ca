#include "dialogs.h"

#include "app/exam_dialog.h"
#include "app/practice_dialog.h"
#include "app/print_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vexlor {

namespace {

// Gives the focus back to the window a box opened over, once the box is
// closed: the window system would give it to the box's parent's window,
// which for a box asked for from the Progress window is the main window.
class ReturnFocus {
public:
    explicit ReturnFocus(QWidget* window) : window_(window) {}
    ~ReturnFocus() {
        if (window_ != nullptr && window_->isVisible())
            window_->activateWindow();
    }
    ReturnFocus(const ReturnFocus&) = delete;
    ReturnFocus& operator=(const ReturnFocus&) = delete;

private:
    QPointer<QWidget> window_;
};

} // namespace

QWidget* QtDialogs::owner() const {
    QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active : home_;
}

bool QtDialogs::askYesNo(const QString& text) {
    const ReturnFocus back(owner());
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Yes | QMessageBox::No,
                    owner());
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::showError(const QString& text, const QString& detail) {
    const ReturnFocus back(owner());
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, owner());
    box.setInformativeText(detail);
    box.exec();
}

std::optional<QString> QtDialogs::inputBox(const QString& caption, const QString& prompt,
                                           const QString& text) {
    const ReturnFocus back(owner());
    bool ok = false;
    const QString answer =
        QInputDialog::getText(owner(), caption, prompt, QLineEdit::Normal, text, &ok);
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
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, request.keepsExisting);
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
    const ReturnFocus back(owner());
    return firstOf(
        runFileDialog(owner(), request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile));
}

std::optional<QString> QtDialogs::saveFile(const FileRequest& request) {
    const ReturnFocus back(owner());
    return firstOf(runFileDialog(owner(), request, QFileDialog::AcceptSave, QFileDialog::AnyFile));
}

std::vector<QString> QtDialogs::openFiles(const FileRequest& request) {
    const ReturnFocus back(owner());
    const QStringList files =
        runFileDialog(owner(), request, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
    return {files.begin(), files.end()};
}

std::optional<Dialogs::PrintChoice>
QtDialogs::askPrint(const std::array<int, kSeriesCount>& counts) {
    const ReturnFocus back(owner());
    PrintDialog dialog(counts, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<Dialogs::PracticeChoice> QtDialogs::askPractice(const PracticeRequest& request) {
    const ReturnFocus back(owner());
    PracticeDialog dialog(request, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void QtDialogs::previewPrint(const std::vector<SheetPrint>& sheets) {
    const ReturnFocus back(owner());
    QPrinter printer(QPrinter::HighResolution);
    const auto preview = makePrintPreview(printer, sheets, owner());
    preview->exec();
}

void QtDialogs::previewReport(const ClassReport& report) {
    const ReturnFocus back(owner());
    QPrinter printer(QPrinter::HighResolution);
    const auto preview = makeReportPreview(printer, report, owner());
    preview->exec();
}

std::optional<Dialogs::ExamChoice> QtDialogs::askExam(int currentCount) {
    const ReturnFocus back(owner());
    ExamDialog dialog(currentCount, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void QtDialogs::previewScoreSheet(const ExamSheet& sheet) {
    const ReturnFocus back(owner());
    QPrinter printer(QPrinter::HighResolution);
    const auto preview = makeScoreSheetPreview(printer, sheet, owner());
    preview->exec();
}

} // namespace vexlor
