#pragma once

// The program's modal boxes: message boxes, the input box and the file
// dialogs, behind one interface so that tests can script the answers.

#include <QString>

#include <optional>

class QWidget;

namespace vexlor {

// The caption of every box: the application's title.
inline const QString kAppTitle = QStringLiteral("Vexlor");

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Yes and No, no icon, caption "Vexlor". True only when Yes was pressed;
    // closing the box any other way counts as No.
    virtual bool askYesNo(const QString& text) = 0;

    // One OK button, no icon, caption "Vexlor". A detail, where there is
    // one, is what the system said of the failure, shown under the text.
    virtual void showError(const QString& text, const QString& detail) = 0;
    void showError(const QString& text) { showError(text, QString()); }

    // An input box with OK and Cancel. Returns the text on OK, nothing on
    // Cancel.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& text) = 0;

    // A file dialog opened in folder; returns the full path of the chosen
    // file, nothing when cancelled. The save dialog asks before overwriting.
    struct FileRequest {
        QString title;
        QString filter;        // e.g. "Series (*.srs)"
        QString defaultSuffix; // e.g. "srs"
        QString folder;
    };
    virtual std::optional<QString> openFile(const FileRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileRequest& request) = 0;
};

// The real boxes, parented to a window.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}

    using Dialogs::showError;
    bool askYesNo(const QString& text) override;
    void showError(const QString& text, const QString& detail) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& text) override;
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;

private:
    QWidget* parent_;
};

} // namespace vexlor
