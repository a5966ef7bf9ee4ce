#include "display/ui/BorderViewWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

namespace qor {

BorderViewWidget::BorderViewWidget(BorderView& border, QWidget* parent) : QWidget(parent), m_border(border)
{
    setMouseTracking(true);
}

void BorderViewWidget::resizeEvent(QResizeEvent* event)
{
    m_border.setStripWidth(static_cast<float>(width()));
    QWidget::resizeEvent(event);
}

void BorderViewWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 120));
    // Two small downward triangles over the column's edges.
    for (float c : {m_border.leftMarkerCentre(), m_border.rightMarkerCentre()}) {
        QPolygonF marker;
        marker << QPointF(c - 6, 4) << QPointF(c + 6, 4) << QPointF(c, 16);
        p.drawPolygon(marker);
    }
}

void BorderViewWidget::mousePressEvent(QMouseEvent* event)
{
    if (m_border.mouseDown(static_cast<float>(event->position().x()), static_cast<float>(event->position().y())))
        update();
}

void BorderViewWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_border.tracking() && (event->buttons() & Qt::LeftButton)) {
        m_border.mouseDragged(static_cast<float>(event->position().x()));
        update();
    }
}

void BorderViewWidget::mouseReleaseEvent(QMouseEvent*)
{
    m_border.mouseUp();
}

}  // namespace qor
