#include "display/ui/MainViewWidget.h"

#include "display/ui/QtImageLoader.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace qor {

QColor paintColor(const QorColor& c)
{
    auto f = [](int32_t v) { return std::clamp(v, 0, 65535) / 65535.0; };
    return QColor::fromRgbF(static_cast<float>(f(c.red)), static_cast<float>(f(c.green)), static_cast<float>(f(c.blue)), 1.0f);
}

MainViewWidget::MainViewWidget(MainView& view, QtTextMeasurer& measurer, QWidget* parent)
    : QWidget(parent), m_view(view), m_measurer(measurer)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MainViewWidget::updateIfNeeded()
{
    if (m_view.needsDisplay()) {
        m_view.clearNeedsDisplay();
        update();
    }
}

void MainViewWidget::paintNowIfNeeded()
{
    if (m_view.needsDisplay()) {
        m_view.clearNeedsDisplay();
        if (isVisible())
            repaint();
        else
            update();
    }
}

void MainViewWidget::resizeEvent(QResizeEvent* event)
{
    m_view.setViewSize(static_cast<float>(event->size().width()), static_cast<float>(event->size().height()));
    QWidget::resizeEvent(event);
}

void MainViewWidget::paintEvent(QPaintEvent*)
{
    m_view.frame(m_frame);
    QPainter p(this);
    p.fillRect(rect(), paintColor(m_frame.background));
    if (m_frame.picture) {
        if (auto* img = dynamic_cast<const QtSequenceImage*>(m_frame.picture->image.get()))
            p.drawImage(QPointF(m_frame.pictureX, m_frame.pictureY), img->image());
        return;
    }
    const FontTrait& font = m_view.fontAttribute();
    const QFontMetricsF& fm = m_measurer.metrics();
    p.setFont(m_measurer.font());
    const float lineH = m_measurer.lineHeight();
    for (const DrawText& t : m_frame.texts) {
        const QString s = QtTextMeasurer::toQString(t.bytes);
        if (t.highlight) {
            p.fillRect(QRectF(t.x, t.y, fm.horizontalAdvance(s), lineH), paintColor(font.highlightBackgroundColor));
            p.setPen(paintColor(font.highlightFontColor));
        } else {
            p.setPen(paintColor(font.fontColor));
        }
        p.drawText(QPointF(t.x, t.y + fm.ascent()), s);
    }
}

}  // namespace qor
