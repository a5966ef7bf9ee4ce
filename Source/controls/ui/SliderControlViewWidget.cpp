#include "controls/ui/SliderControlViewWidget.h"

#include "controls/StripPresenters.h"
#include "controls/ui/ReadingStripsArt.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace qor {

namespace {

using stripart::Glyph;

constexpr int kHeight = static_cast<int>(strips::kSliderHeight);

Glyph glyphOf(SliderControlView::Button b)
{
    switch (b) {
    case SliderControlView::Button::Stop: return Glyph::Stop;
    case SliderControlView::Button::Play: return Glyph::Play;
    case SliderControlView::Button::PageBack: return Glyph::PageBack;
    case SliderControlView::Button::PageForward: return Glyph::PageForward;
    case SliderControlView::Button::WordBack: return Glyph::WordBack;
    case SliderControlView::Button::WordForward: return Glyph::WordForward;
    case SliderControlView::Button::SetBookmark: return Glyph::SetBookmark;
    case SliderControlView::Button::GotoBookmark: return Glyph::GotoBookmark;
    }
    return Glyph::Play;
}

QRect buttonGeometry(SliderControlView::Button b)
{
    // Play and stop left of the track; steps and bookmarks after the
    // percentage, in pairs.
    switch (b) {
    case SliderControlView::Button::Stop: return {6, 5, 25, 25};
    case SliderControlView::Button::Play: return {34, 5, 25, 25};
    case SliderControlView::Button::PageBack: return {446, 5, 27, 25};
    case SliderControlView::Button::PageForward: return {475, 5, 27, 25};
    case SliderControlView::Button::WordBack: return {510, 5, 27, 25};
    case SliderControlView::Button::WordForward: return {539, 5, 27, 25};
    case SliderControlView::Button::SetBookmark: return {574, 5, 27, 25};
    case SliderControlView::Button::GotoBookmark: return {603, 5, 27, 25};
    }
    return {};
}

}  // namespace

SliderControlViewWidget::SliderControlViewWidget(std::unique_ptr<SliderControlView> view, QWidget* parent)
    : QWidget(parent), m_view(std::move(view))
{
    setObjectName("sliderControlView");
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(kHeight);
    setMinimumWidth(kMinimumWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_percent = new QLabel(this);
    m_percent->setObjectName("mPercentRo");
    m_percent->setGeometry(394, 7, 42, 21);
    m_percent->setAlignment(Qt::AlignCenter);
    m_percent->setFocusPolicy(Qt::NoFocus);
    QFont f = m_percent->font();
    f.setPixelSize(12);
    f.setBold(true);
    m_percent->setFont(f);
    m_percent->setStyleSheet("color: rgb(236,236,240); background: rgb(22,22,25);");

    const auto& buttons = SliderControlView::buttons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        const SliderControlView::Button b = buttons[i].button;
        auto* button = new stripart::StripButton(glyphOf(b), QString(), this);
        button->setObjectName(buttons[i].outlet);
        button->setGeometry(buttonGeometry(b));
        SliderControlView* core = m_view.get();
        connect(button, &QAbstractButton::clicked, this, [core, b] { core->press(b); });
        m_buttons[i] = button;
    }

    m_view->setChanged([this] { refresh(); });
    refresh();
}

SliderControlViewWidget::~SliderControlViewWidget() { m_view->setChanged(nullptr); }

double SliderControlViewWidget::stripY(double widgetY) const { return kHeight - widgetY; }

void SliderControlViewWidget::refresh()
{
    m_percent->setText(QString::fromStdString(m_view->percentText()) + QLatin1Char('%'));
    const auto& buttons = SliderControlView::buttons();
    for (size_t i = 0; i < buttons.size(); ++i)
        m_buttons[i]->setToolTip(QString::fromStdString(m_view->tooltip(buttons[i].button)));
    update();
}

void SliderControlViewWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    stripart::paintStripBackground(p, *this);
    stripart::frameReadOut(p, m_percent->geometry());
    const double y = kHeight / 2.0;
    stripart::paintTrack(p, strips::kSliderLeft, m_view->knobX(), strips::kSliderRight, y);
    stripart::paintKnob(p, m_view->knobX(), y, 21);
}

void SliderControlViewWidget::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_view->mouseDown(e->position().x(), stripY(e->position().y()), height());
    QWidget::mousePressEvent(e);
}

void SliderControlViewWidget::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton)
        m_view->mouseDragged(e->position().x(), stripY(e->position().y()));
    QWidget::mouseMoveEvent(e);
}

void SliderControlViewWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_view->mouseUp(e->position().x(), stripY(e->position().y()));
    QWidget::mouseReleaseEvent(e);
}

}  // namespace qor
