#pragma once

// Small controls of the main window that Qt has no exact match for: the
// separator lines, the value labels, the clickable "Next" label, and the rule
// by which a press and a release make one click.

#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace vexlor {

// A separator line along the top or the left edge of its rectangle.
class Separator final : public QWidget {
public:
    enum class Edge { Top, Left };
    Separator(Edge edge, QWidget* parent) : QWidget(parent), edge_(edge) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Edge edge_;
};

// A right-aligned value of a panel. It sizes itself to its text but keeps
// its right edge, so a growing value grows to the left, away from the
// panel's border. A screen reader hears the caption with the value.
class ValueLabel final : public QLabel {
    Q_OBJECT
public:
    ValueLabel(const QString& caption, const QString& text, const QRect& geometry, QWidget* parent);
    void setValue(const QString& text);

private:
    QString caption_;
    int rightEdge_;
};

// Tells the releases that make a click: of the left button, over the
// control, and not ending the second press of a double-click. A double-click
// is one click, so that a quick second press never picks an answer of a Cube
// the user has not yet seen.
class SingleClicks {
public:
    // The second press of a double-click arrived.
    void doubleClicked() { inDoubleClick_ = true; }
    // A button was released: true when this release completes a click.
    bool released(const QMouseEvent& event, const QRect& area);

private:
    bool inDoubleClick_ = false;
};

// A label that reports clicks.
class ClickLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    SingleClicks clicks_;
};

} // namespace vexlor
