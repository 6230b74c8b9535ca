#pragma once

// A picture of the window: shows the persistent image behind a canvas and
// reports clicks. What is drawn into the canvas shows at the next repaint.

#include "app/controls.h"
#include "printing/image_canvas.h"

#include <QMouseEvent>
#include <QWidget>

namespace vexlor {

class PictureWidget final : public QWidget {
    Q_OBJECT

public:
    PictureWidget(int width, int height, QWidget* parent);

    ImageCanvas& canvas() { return canvas_; }
    const ImageCanvas& canvas() const { return canvas_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ImageCanvas canvas_;
    SingleClicks clicks_;
};

} // namespace vexlor
