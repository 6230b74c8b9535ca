#pragma once

// The question before an exam: which Cubes (the Current series or a new
// random series), the time allowed, and the name to put on the results.

#include "app/dialogs.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace vexlor {

class ExamDialog final : public QDialog {
    Q_OBJECT

public:
    // The most minutes an exam may have, and the most Cubes of a random one.
    static constexpr int kMaxMinutes = 600;
    static constexpr int kMaxRandomCubes = 500;

    // currentCount: the Cubes of Current; an empty Current cannot be chosen.
    explicit ExamDialog(int currentCount, QWidget* parent = nullptr);

    Dialogs::ExamChoice choice() const;

private:
    // The minutes follow the Cubes chosen, one a Cube, until the user sets
    // them.
    void cubesChosen();

    int currentCount_;
    QRadioButton* current_;
    QRadioButton* random_;
    QSpinBox* count_;
    QSpinBox* minutes_;
    QCheckBox* noLimit_;
    QLineEdit* name_;
    QDialogButtonBox* buttons_;
    bool minutesSet_ = false;
};

} // namespace vexlor
