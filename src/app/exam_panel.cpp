#include "exam_panel.h"

#include "app/window_commands.h"

#include <QLabel>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace vexlor {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, int x, int y, int w, int h, int pixels) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(x, y, w, h);
    QFont font = label->font();
    font.setPixelSize(pixels);
    label->setFont(font);
    return label;
}

// Where the last ten seconds are each spoken; before that, each minute.
constexpr int kSpokenSeconds = 10;

} // namespace

ExamPanel::ExamPanel(QWidget* parent)
    : QGroupBox(tr("Exam"), parent), item_(makeLabel(this, "examItem", 8, 24, 345, 24, 21)),
      answered_(makeLabel(this, "examAnswered", 8, 48, 345, 24, 21)),
      timeCaption_(makeLabel(this, "examTimeCaption", 8, 82, 150, 40, 21)),
      countdown_(makeLabel(this, "examCountdown", 150, 72, 203, 56, 44)),
      hint_(makeLabel(this, "examHint", 8, 132, 345, 40, 13)) {
    setObjectName(QStringLiteral("examPanel"));
    countdown_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hint_->setWordWrap(true);
    hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString ExamPanel::clockText(double seconds) {
    const long total = std::lround(std::max(0.0, seconds));
    return QStringLiteral("%1:%2")
        .arg(QLocale().toString(static_cast<qlonglong>(total / 60)))
        .arg(total % 60, 2, 10, QLatin1Char('0'));
}

void ExamPanel::setFigures(const Figures& f) {
    const QLocale locale;
    item_->setText(
        !f.started ? tr("Press Start (0) to begin.")
        : f.item < 0
            ? QString()
            : tr("Item %1 of %2").arg(locale.toString(f.item + 1), locale.toString(f.count)));
    answered_->setText(
        tr("Answered: %1 of %2").arg(locale.toString(f.answered), locale.toString(f.count)));
    timeCaption_->setText(f.limited ? tr("Time left:") : tr("Time used:"));
    // The time left is shown rounded up, so that 0:00 means the end.
    const double shown = f.limited ? std::ceil(f.secondsLeft) : std::floor(f.secondsUsed);
    countdown_->setText(clockText(shown));
    hint_->setText(f.started && !f.ended
                       ? tr("%1 ends the exam early.")
                             .arg(QKeySequence(kEndExamKey).toString(QKeySequence::NativeText))
                       : QString());
    if (f.limited && f.started && !f.ended)
        speak(f.secondsLeft);
    else if (!f.limited)
        countdown_->setAccessibleName(tr("Time used: %1").arg(clockText(shown)));
}

void ExamPanel::speak(double secondsLeft) {
    const int left = static_cast<int>(std::ceil(std::max(0.0, secondsLeft)));
    // The minutes left rounded up change exactly as a whole minute begins.
    const int minutes = (left + 59) / 60;
    const int mark = left <= kSpokenSeconds ? left : kSpokenSeconds + minutes;
    if (mark == lastSpoken_ || left == 0)
        return;
    lastSpoken_ = mark;
    countdown_->setAccessibleName(left <= kSpokenSeconds
                                      ? tr("%n second(s) left", nullptr, left)
                                      : tr("%n minute(s) left", nullptr, minutes));
}

} // namespace vexlor
