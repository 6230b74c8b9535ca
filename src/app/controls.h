#pragma once

// Small controls of the main window that Qt has no exact match for: the
// separator lines and the clickable "Next" label.

#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace vexlor {

// A separator line along the top or the left edge of its rectangle.
class Bevel final : public QWidget {
public:
    enum class Edge { Top, Left };
    Bevel(Edge edge, QWidget* parent) : QWidget(parent), edge_(edge) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Edge edge_;
};

// A label that reports clicks.
class ClickLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vexlor
