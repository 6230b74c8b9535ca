#include "dialogs.h"

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

std::optional<QString> runFileDialog(QWidget* parent, const Dialogs::FileRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
    dialog.setObjectName(mode == QFileDialog::AcceptOpen ? QStringLiteral("finder")
                                                         : QStringLiteral("saver"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // A save dialog asks before overwriting (QFileDialog's default).
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtDialogs::openFile(const FileRequest& request) {
    const ReturnFocus back(owner());
    return runFileDialog(owner(), request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFile(const FileRequest& request) {
    const ReturnFocus back(owner());
    return runFileDialog(owner(), request, QFileDialog::AcceptSave);
}

std::optional<Dialogs::PrintChoice>
QtDialogs::askPrint(const std::array<int, kSeriesCount>& counts) {
    const ReturnFocus back(owner());
    PrintDialog dialog(counts, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void QtDialogs::previewPrint(const std::vector<Cube>& cubes, const SheetOptions& options) {
    const ReturnFocus back(owner());
    QPrinter printer(QPrinter::HighResolution);
    const auto preview = makePrintPreview(printer, cubes, options, owner());
    preview->exec();
}

} // namespace vexlor
