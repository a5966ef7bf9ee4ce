#pragma once
// The margin strip on screen: draws the two markers and forwards the mouse
// to BorderView's rules.

#include "display/BorderView.h"

#include <QWidget>

namespace qor {

class BorderViewWidget : public QWidget {
    Q_OBJECT
public:
    explicit BorderViewWidget(BorderView& border, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    BorderView& m_border;
};

}  // namespace qor
