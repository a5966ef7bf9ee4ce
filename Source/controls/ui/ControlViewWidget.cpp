#include "controls/ui/ControlViewWidget.h"

#include "controls/StripPresenters.h"
#include "controls/ui/ReadingStripsArt.h"
#include "controls/ui/SpeedControlViewWidget.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace qor {

namespace {

using stripart::Glyph;
using stripart::StripButton;

constexpr int kHeight = static_cast<int>(strips::kControlHeight);

// Strip coordinates (origin bottom left) to the widget's.
double toWidgetY(double y) { return kHeight - y; }

struct ButtonLook {
    Glyph glyph;
    const char* caption;
};

ButtonLook lookOf(ControlView::Button b)
{
    switch (b) {
    case ControlView::Button::ManualForward: return {Glyph::StepForward, "Step"};
    case ControlView::Button::ManualBack: return {Glyph::StepBack, "Step back"};
    case ControlView::Button::BurstRepeat: return {Glyph::BurstRepeat, "Repeat burst"};
    case ControlView::Button::BurstForward: return {Glyph::BurstForward, "Next burst"};
    case ControlView::Button::Wizard: return {Glyph::Launcher, "Launcher"};
    case ControlView::Button::ResetTimer: return {Glyph::TimerReset, ""};
    case ControlView::Button::ResetActualWPM: return {Glyph::ResetAverage, "Reset average"};
    case ControlView::Button::StartTimer: return {Glyph::TimerStart, ""};
    case ControlView::Button::StopTimer: return {Glyph::TimerStop, ""};
    }
    return {Glyph::Play, ""};
}

// Where each button sits; the right field stretches with the strip.
QRect buttonGeometry(ControlView::Button b, int width)
{
    // The right field's buttons keep a comfortable size however wide the
    // strip grows.
    const int right = std::min(width - 10, 338 + 2 * 110 + 8);
    const int half = (right - 338 - 8) / 2;
    switch (b) {
    case ControlView::Button::BurstRepeat: return {338, 12, half, 44};
    case ControlView::Button::BurstForward: return {338 + half + 8, 12, half, 44};
    case ControlView::Button::ManualBack: return {338, 66, half, 44};
    case ControlView::Button::ManualForward: return {338 + half + 8, 66, half, 44};
    case ControlView::Button::Wizard: return {338, 158, right - 338 - 36, 52};
    case ControlView::Button::StartTimer: return {264, 30, 19, 24};
    case ControlView::Button::StopTimer: return {284, 30, 19, 24};
    case ControlView::Button::ResetTimer: return {304, 30, 19, 24};
    case ControlView::Button::ResetActualWPM: return {197, 197, 126, 20};
    }
    return {};
}

// The statistics rows of the middle field: caption and read-out.
struct StatRow {
    const char* caption;
    int y;
};
constexpr StatRow kLastRow{"LAST WPM", 78};
constexpr StatRow kTraditionalRow{"\xc3\x97 250 WPM", 107};
constexpr StatRow kAverageRow{"AVERAGE", 136};
constexpr StatRow kEtaRow{"TIME LEFT", 165};

}  // namespace

ControlViewWidget::ControlViewWidget(std::unique_ptr<ControlView> view, SpeedControlViewWidget* speedSlider,
                                     QWidget* parent)
    : QWidget(parent), m_view(std::move(view))
{
    setObjectName("controlView");
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(kHeight);
    setMinimumWidth(kMinimumWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_targetSpeed = readOut("mTargetSpeedRo", {96, 12, 80, 30}, 22, Qt::AlignRight);
    m_lowLimit = readOut("mSpeedLowLimitText", {14, 121, 70, 14}, 10, Qt::AlignLeft);
    m_highLimit = readOut("mSpeedHighLimitText", {106, 121, 70, 14}, 10, Qt::AlignRight);
    for (QLabel* limit : {m_lowLimit, m_highLimit})
        limit->setStyleSheet("color: rgb(170,170,178); background: transparent;");
    m_readTimer = readOut("mReadTimerRo", {197, 30, 60, 24}, 15, Qt::AlignCenter);
    m_lastActual = readOut("mLastActualWPMRo", {266, kLastRow.y, 56, 22}, 13, Qt::AlignRight);
    m_lastTraditional = readOut("mLastTraditionalRo", {266, kTraditionalRow.y, 56, 22}, 13, Qt::AlignRight);
    m_averageActual = readOut("mAverageActualWPMRo", {266, kAverageRow.y, 56, 22}, 13, Qt::AlignRight);
    m_completionETA = readOut("mCompletionETARo", {266, kEtaRow.y, 56, 22}, 13, Qt::AlignRight);

    const auto& buttons = ControlView::buttons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        const ControlView::Button b = buttons[i].button;
        const ButtonLook look = lookOf(b);
        auto* button = new StripButton(look.glyph, QString::fromUtf8(look.caption), this);
        button->setObjectName(buttons[i].outlet);
        ControlView* core = m_view.get();
        connect(button, &QAbstractButton::clicked, this, [core, b] { core->press(b); });
        m_buttons[i] = button;
    }

    if (speedSlider) {
        speedSlider->setParent(this);
        speedSlider->move(11, 176);
    }

    m_view->setChanged([this] { refresh(); });
    layoutButtons();
    refresh();
}

ControlViewWidget::~ControlViewWidget() { m_view->setChanged(nullptr); }

QLabel* ControlViewWidget::readOut(const char* name, const QRect& geometry, int pixelSize, Qt::Alignment align)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setFocusPolicy(Qt::NoFocus);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    QFont f = label->font();
    f.setPixelSize(pixelSize);
    f.setBold(true);
    label->setFont(f);
    label->setContentsMargins(3, 0, 3, 0);
    label->setStyleSheet("color: rgb(236,236,240); background: rgb(22,22,25);");
    return label;
}

QRect ControlViewWidget::speedBarRect() const
{
    const strips::StripRect& f = strips::kSpeedBarFrame;
    return QRect(static_cast<int>(f.x), static_cast<int>(toWidgetY(f.y + f.height)), static_cast<int>(f.width),
                 static_cast<int>(f.height));
}

void ControlViewWidget::refresh()
{
    m_targetSpeed->setText(QString::fromStdString(m_view->targetSpeedText()));
    m_lastActual->setText(QString::fromStdString(m_view->lastActualText()));
    m_lastTraditional->setText(QString::fromStdString(m_view->lastTraditionalText()));
    m_averageActual->setText(QString::fromStdString(m_view->averageActualText()));
    m_completionETA->setText(QString::fromStdString(m_view->completionETAText()));
    m_readTimer->setText(QString::fromStdString(m_view->readTimerText()));
    m_lowLimit->setText(QString::fromStdString(m_view->lowLimitText()));
    m_highLimit->setText(QString::fromStdString(m_view->highLimitText()));
    const auto& buttons = ControlView::buttons();
    for (size_t i = 0; i < buttons.size(); ++i)
        m_buttons[i]->setToolTip(QString::fromStdString(m_view->tooltip(buttons[i].button)));
    update();
}

void ControlViewWidget::layoutButtons()
{
    const auto& buttons = ControlView::buttons();
    for (size_t i = 0; i < buttons.size(); ++i)
        m_buttons[i]->setGeometry(buttonGeometry(buttons[i].button, width()));
}

void ControlViewWidget::resizeEvent(QResizeEvent* e)
{
    layoutButtons();
    QWidget::resizeEvent(e);
}

void ControlViewWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    stripart::paintStripBackground(p, *this);
    const int w = width();

    // The dividing lines, two points wide, without anti-aliasing.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(strips::kDividerLeft, 0), QPointF(strips::kDividerLeft, kHeight));
    p.drawLine(QPointF(strips::kDividerRight, 0), QPointF(strips::kDividerRight, kHeight));
    p.drawLine(QPointF(strips::kDividerLeft, toWidgetY(strips::kDividerLowY)),
               QPointF(w, toWidgetY(strips::kDividerLowY)));
    p.drawLine(QPointF(strips::kDividerLeft, toWidgetY(strips::kDividerHighY)),
               QPointF(strips::kDividerRight, toWidgetY(strips::kDividerHighY)));
    for (QLabel* r : {m_targetSpeed, m_lastActual, m_lastTraditional, m_averageActual, m_completionETA, m_readTimer})
        stripart::frameReadOut(p, r->geometry());

    // The left field: unit, fine-tune, the bar and its limits, the slider.
    stripart::paintNamedImage(p, QRectF(16, 10, 76, 34), QString::fromStdString(m_view->unitImage()));
    stripart::paintNamedImage(p, QRectF(16, 52, 62, 15), QString::fromStdString(m_view->fineTuneImage()));
    for (int segment = 1; segment <= strips::kSegments; ++segment) {
        const double height = strips::kSegmentBaseHeight + strips::kSegmentRise * (segment - 1);
        const QRectF r(strips::kBarLeft + (segment - 1) * strips::kSegmentWidth + 1,
                       toWidgetY(strips::kBarBottom + height), strips::kSegmentWidth - 2, height);
        stripart::paintSegment(p, r, segment, strips::segmentLit(segment, m_view->speedBarIndex()));
    }
    stripart::paintCaption(p, QRectF(16, 158, 160, 14), QStringLiteral("SPEED"), Qt::AlignHCenter);

    // The middle field: the read timer above, the statistics below.
    stripart::paintCaption(p, QRectF(197, 10, 124, 14), QStringLiteral("READ TIMER"));
    for (const StatRow& row : {kLastRow, kTraditionalRow, kAverageRow, kEtaRow})
        stripart::paintCaption(p, QRectF(197, row.y, 62, 22), QString::fromUtf8(row.caption));

    // The right field: the running indicator beside the launcher.
    const QRect launcher = buttonGeometry(ControlView::Button::Wizard, w);
    stripart::paintNamedImage(p, QRectF(launcher.right() + 8, 164, 24, 40),
                              QString::fromStdString(m_view->lightingBoltImage()));
}

void ControlViewWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        const QPointF pos = e->position();
        m_view->mouseUp(pos.x(), toWidgetY(pos.y()));
    }
    QWidget::mouseReleaseEvent(e);
}

}  // namespace qor
