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
// is empty), items per page, the title, the key or not, black and white.
class PrintDialog final : public QDialog {
    Q_OBJECT

public:
    // counts: the Cubes of each series, in SeriesId order.
    PrintDialog(const std::array<int, kSeriesCount>& counts, QWidget* parent = nullptr);

    Dialogs::PrintChoice choice() const;

private:
    QComboBox* series_;
    QSpinBox* itemsPerPage_;
    QLineEdit* title_;
    QCheckBox* key_;
    QCheckBox* mono_;
    QDialogButtonBox* buttons_;
};

// The preview of the sheet of cubes on printer, which starts on the sheet's
// page in the printer's paper size; each page the preview or a print asks
// for is drawn anew by the worksheet layout. The dialog keeps its own copy
// of the Cubes.
std::unique_ptr<QPrintPreviewDialog> makePrintPreview(QPrinter& printer,
                                                      const std::vector<Cube>& cubes,
                                                      const SheetOptions& options,
                                                      QWidget* parent = nullptr);

} // namespace vexlor
