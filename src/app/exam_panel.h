#pragma once

// The main window's panel during an exam, in the Statistics panel's place:
// the item on show, the Cubes answered, and the countdown (or, without a
// limit, the time used). A screen reader hears the time left at Start, at
// each whole minute and each of the last ten seconds: the countdown's
// accessible name changes then, and only then.

#include <QGroupBox>

class QLabel;

namespace vexlor {

class ExamPanel final : public QGroupBox {
    Q_OBJECT

public:
    explicit ExamPanel(QWidget* parent);

    struct Figures {
        bool started = false;
        bool ended = false;
        int item = -1; // on show, from 0; -1 for none
        int count = 0;
        int answered = 0;
        bool limited = true;
        double secondsLeft = 0;
        double secondsUsed = 0;
    };
    void setFigures(const Figures& figures);

    // The time as the countdown shows it: 12:05.
    static QString clockText(double seconds);

private:
    // Tells a screen reader the time left where a minute or one of the last
    // ten seconds has just begun.
    void speak(double secondsLeft);

    QLabel* item_;
    QLabel* answered_;
    QLabel* timeCaption_;
    QLabel* countdown_;
    QLabel* hint_;
    int lastSpoken_ = -1;
};

} // namespace vexlor
