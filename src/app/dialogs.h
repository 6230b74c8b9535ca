#pragma once

// The program's modal boxes: message boxes, the input box, the file
// dialogs and printing, behind one interface so that tests can script the
// answers.

#include "cube/cube.h"
#include "printing/score_sheet_print.h"
#include "printing/worksheet.h"
#include "series/class_report.h"
#include "series/series_store.h"
#include "series/weighted_series.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

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
    // file, nothing when cancelled. The save dialog asks before overwriting
    // unless the save keeps existing files.
    struct FileRequest {
        QString title;
        QString filter;        // e.g. "Series (*.srs)"
        QString defaultSuffix; // e.g. "srs"
        QString folder;
        QString fileName{}; // the name a save dialog offers; empty for none
        // The save will not replace a file of the name chosen (it takes the
        // next free name), so the dialog does not ask about replacing.
        bool keepsExisting = false;
    };
    virtual std::optional<QString> openFile(const FileRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileRequest& request) = 0;
    // An open dialog in which several files can be chosen at once; the full
    // paths of those chosen, none when cancelled.
    virtual std::vector<QString> openFiles(const FileRequest& request) = 0;

    // What to print: a series, Current unless that is empty (an empty one
    // cannot be chosen), which of its Cubes, and the sheet's options. counts
    // holds the Cubes of each series in SeriesId order. Nothing when
    // cancelled.
    struct PrintChoice {
        SeriesId series = SeriesId::Current;
        int itemsPerPage = 2;
        QString title;
        bool key = true;
        bool mono = false;
        int versions = 1; // 1 to kMaxVersions, each with the answers in another order
        int first = 0;    // the index of the first Cube printed
        int count = 0;    // how many; 0 for every Cube from first on
        bool answerGrid = false;
    };
    virtual std::optional<PrintChoice> askPrint(const std::array<int, kSeriesCount>& counts) = 0;

    // What "Practise weakest recipes" asks: the number of Cubes (offered as
    // count, returned as typed, for the command to check) and the mix, with
    // the recipes ticked for "recipes I choose". due is how many Cubes are
    // due for review. Nothing when cancelled.
    struct PracticeRequest {
        QString count;
        PracticeMix mix = PracticeMix::AsToday;
        RecipeChoice recipes{};
        int due = 0;
    };
    struct PracticeChoice {
        QString count;
        PracticeMix mix = PracticeMix::AsToday;
        RecipeChoice recipes{};
    };
    virtual std::optional<PracticeChoice> askPractice(const PracticeRequest& request) = 0;

    // Qt's print preview of the sheets, one after another, from which the
    // user prints to a printer or to a PDF; returns once it is closed.
    virtual void previewPrint(const std::vector<SheetPrint>& sheets) = 0;

    // Qt's print preview of a class report; returns once it is closed.
    virtual void previewReport(const ClassReport& report) = 0;

    // What an exam is taken on: the Current series (which holds
    // currentCount Cubes; when it is empty it cannot be chosen) or a new
    // random series, the minutes allowed, and the name on the results.
    // Nothing when cancelled.
    struct ExamChoice {
        bool fromCurrent = true;
        int count = 20;   // the Cubes of a new random series, 1 to 500
        int minutes = 20; // 1 to 600; 0 for no limit
        QString name;     // may be empty
    };
    virtual std::optional<ExamChoice> askExam(int currentCount) = 0;

    // Qt's print preview of an exam's score sheet; returns once it is closed.
    virtual void previewScoreSheet(const ExamSheet& sheet) = 0;
};

// The real boxes. Each opens over the window the user is in (the main
// window, or the Progress window that asked for it), and the focus goes back
// to that window when the box closes.
class QtDialogs final : public Dialogs {
public:
    // home: where a box opens when no window of the program is active yet
    // (a start-up file's message); may be set once the window is made.
    explicit QtDialogs(QWidget* home = nullptr) : home_(home) {}
    void setHome(QWidget* home) { home_ = home; }

    using Dialogs::showError;
    bool askYesNo(const QString& text) override;
    void showError(const QString& text, const QString& detail) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& text) override;
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;
    std::vector<QString> openFiles(const FileRequest& request) override;
    std::optional<PrintChoice> askPrint(const std::array<int, kSeriesCount>& counts) override;
    std::optional<PracticeChoice> askPractice(const PracticeRequest& request) override;
    void previewPrint(const std::vector<SheetPrint>& sheets) override;
    void previewReport(const ClassReport& report) override;
    std::optional<ExamChoice> askExam(int currentCount) override;
    void previewScoreSheet(const ExamSheet& sheet) override;

private:
    // The window a box opens over: the active one, else home.
    QWidget* owner() const;

    QWidget* home_;
};

} // namespace vexlor
