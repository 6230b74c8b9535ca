#pragma once

// Printing a series from the window: the small dialog that asks what to
// print, and Qt's print preview over the worksheet layout the command-line
// tool prints with.

#include "app/dialogs.h"

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPrinter;
class QPrintPreviewDialog;
class QSpinBox;

namespace vexlor {

// Which series (an empty one cannot be chosen; Current is chosen unless it
// is empty) and which of its Cubes, how many versions, items per page, the
// title, the key or not, the answer grid or not, black and white.
class PrintDialog final : public QDialog {
    Q_OBJECT

public:
    // counts: the Cubes of each series, in SeriesId order.
    PrintDialog(const std::array<int, kSeriesCount>& counts, QWidget* parent = nullptr);

    Dialogs::PrintChoice choice() const;

private:
    // The first item and the count follow the series chosen: every Cube of
    // it at first, and a count that reaches the end stays at the end.
    void seriesChosen(int index);
    void firstChosen(int first);

    std::array<int, kSeriesCount> counts_;
    QComboBox* series_;
    QSpinBox* first_;
    QSpinBox* count_;
    QSpinBox* versions_;
    QSpinBox* itemsPerPage_;
    QLineEdit* title_;
    QCheckBox* key_;
    QCheckBox* answerGrid_;
    QCheckBox* mono_;
    QDialogButtonBox* buttons_;
};

// The preview of the sheets on printer, one after another, which starts on
// the sheets' page in the printer's paper size; each page the preview or a
// print asks for is drawn anew by the worksheet layout, on the page as it is
// then set up (landscape too). The dialog keeps its own copy of the Cubes.
std::unique_ptr<QPrintPreviewDialog> makePrintPreview(QPrinter& printer,
                                                      const std::vector<SheetPrint>& sheets,
                                                      QWidget* parent = nullptr);

// The preview of a class report on printer, drawn as makePrintPreview draws
// a sheet. The dialog keeps its own copy of the report.
std::unique_ptr<QPrintPreviewDialog> makeReportPreview(QPrinter& printer, const ClassReport& report,
                                                       QWidget* parent = nullptr);

// The preview of an exam's score sheet on printer. The dialog keeps its own
// copy of the sheet.
std::unique_ptr<QPrintPreviewDialog>
makeScoreSheetPreview(QPrinter& printer, const ExamSheet& sheet, QWidget* parent = nullptr);

} // namespace vexlor
