#include "exam_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace vexlor {

ExamDialog::ExamDialog(int currentCount, QWidget* parent)
    : QDialog(parent), currentCount_(currentCount),
      current_(new QRadioButton(currentCount > 0
                                    ? tr("The Current series (%Ln Cube(s))", nullptr, currentCount)
                                    : tr("The Current series (empty)"),
                                this)),
      random_(new QRadioButton(tr("A new random series of"), this)), count_(new QSpinBox(this)),
      minutes_(new QSpinBox(this)), noLimit_(new QCheckBox(tr("No limit"), this)),
      name_(new QLineEdit(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("examDialog"));
    setWindowTitle(tr("Exam"));
    current_->setObjectName(QStringLiteral("examCurrent"));
    random_->setObjectName(QStringLiteral("examRandom"));
    count_->setObjectName(QStringLiteral("examCount"));
    minutes_->setObjectName(QStringLiteral("examMinutes"));
    noLimit_->setObjectName(QStringLiteral("examNoLimit"));
    name_->setObjectName(QStringLiteral("examName"));
    buttons_->setObjectName(QStringLiteral("examButtons"));
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("Begin"));

    current_->setEnabled(currentCount > 0);
    (currentCount > 0 ? current_ : random_)->setChecked(true);
    count_->setRange(1, kMaxRandomCubes);
    count_->setValue(20);
    count_->setAccessibleName(tr("Cubes of the new random series"));
    minutes_->setRange(1, kMaxMinutes);
    minutes_->setSuffix(tr(" min"));
    minutes_->setAccessibleName(tr("Minutes in all"));
    name_->setPlaceholderText(tr("optional"));
    name_->setMaxLength(80);
    cubesChosen();

    auto* cubes = new QHBoxLayout;
    cubes->addWidget(random_);
    cubes->addWidget(count_);
    cubes->addWidget(new QLabel(tr("Cubes"), this));
    cubes->addStretch();
    auto* time = new QHBoxLayout;
    time->addWidget(minutes_);
    time->addWidget(noLimit_);
    time->addStretch();
    auto* hint = new QLabel(tr("The exam starts with Start (0). A pick shows no right or wrong; "
                               "+ puts a Cube to the end. The score sheet follows at the end."),
                            this);
    hint->setWordWrap(true);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Cubes:"), current_);
    form->addRow(QString(), cubes);
    form->addRow(tr("Time:"), time);
    form->addRow(tr("Name on the results:"), name_);
    form->addRow(hint);
    form->addRow(buttons_);

    connect(current_, &QRadioButton::toggled, this, &ExamDialog::cubesChosen);
    connect(count_, &QSpinBox::valueChanged, this, [this] {
        random_->setChecked(true);
        cubesChosen();
    });
    connect(minutes_, &QSpinBox::valueChanged, this, [this] { minutesSet_ = true; });
    connect(noLimit_, &QCheckBox::toggled, minutes_, &QSpinBox::setDisabled);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // What is most often typed: Enter then begins the exam.
    name_->setFocus();
}

void ExamDialog::cubesChosen() {
    if (minutesSet_)
        return;
    const int cubes = current_->isChecked() ? currentCount_ : count_->value();
    const QSignalBlocker blocker(minutes_);
    minutes_->setValue(std::clamp(cubes, 1, kMaxMinutes));
}

Dialogs::ExamChoice ExamDialog::choice() const {
    Dialogs::ExamChoice choice;
    choice.fromCurrent = current_->isChecked();
    choice.count = count_->value();
    choice.minutes = noLimit_->isChecked() ? 0 : minutes_->value();
    choice.name = name_->text().simplified();
    return choice;
}

} // namespace vexlor
