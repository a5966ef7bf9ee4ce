#include "controls/ui/SpeedControlViewWidget.h"

#include "controls/StripPresenters.h"
#include "controls/ui/ReadingStripsArt.h"

#include <QMouseEvent>
#include <QPainter>

namespace qor {

SpeedControlViewWidget::SpeedControlViewWidget(std::unique_ptr<SpeedControlView> view, QWidget* parent)
    : QWidget(parent), m_view(std::move(view))
{
    setObjectName("speedControlView");
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kWidth, kHeight);

    const auto& buttons = SpeedControlView::buttons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        const SpeedControlView::Button b = buttons[i].button;
        const bool down = b == SpeedControlView::Button::SpeedDown;
        auto* button = new stripart::StripButton(down ? stripart::Glyph::SpeedDown : stripart::Glyph::SpeedUp,
                                                 QString(), this);
        button->setObjectName(buttons[i].outlet);
        button->setGeometry(down ? QRect(0, 2, 20, 20) : QRect(kWidth - 20, 2, 20, 20));
        SpeedControlView* core = m_view.get();
        connect(button, &QAbstractButton::clicked, this, [core, b] { core->press(b); });
        m_buttons[i] = button;
    }

    m_view->setChanged([this] { refresh(); });
    refresh();
}

SpeedControlViewWidget::~SpeedControlViewWidget() { m_view->setChanged(nullptr); }

void SpeedControlViewWidget::refresh()
{
    const auto& buttons = SpeedControlView::buttons();
    for (size_t i = 0; i < buttons.size(); ++i)
        m_buttons[i]->setToolTip(QString::fromStdString(m_view->tooltip(buttons[i].button)));
    update();
}

void SpeedControlViewWidget::paintEvent(QPaintEvent*)
{
    // The slider sits inside the control strip, whose background shows
    // through; a slider of its own gets the strips' frame.
    QPainter p(this);
    if (!parentWidget() || parentWidget()->objectName() != QLatin1String("controlView"))
        stripart::paintStripBackground(p, *this);
    const double y = kHeight / 2.0;
    stripart::paintTrack(p, strips::kSpeedLeft, m_view->knobX(), strips::kSpeedRight, y);
    stripart::paintKnob(p, m_view->knobX(), y, 18);
}

void SpeedControlViewWidget::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_view->mouseDown(e->position().x(), kHeight - e->position().y());
    QWidget::mousePressEvent(e);
}

void SpeedControlViewWidget::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton)
        m_view->mouseDragged(e->position().x(), kHeight - e->position().y());
    QWidget::mouseMoveEvent(e);
}

void SpeedControlViewWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_view->mouseUp(e->position().x(), kHeight - e->position().y());
    QWidget::mouseReleaseEvent(e);
}

}  // namespace qor
