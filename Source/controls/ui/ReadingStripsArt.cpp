#include "controls/ui/ReadingStripsArt.h"

#include <QEvent>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace qor::stripart {

QColor background() { return QColor::fromRgbF(0.1563f, 0.1563f, 0.1719f, 1.0f); }
QColor lightGrey() { return QColor(200, 200, 204); }
QColor readOutText() { return QColor(236, 236, 240); }

namespace {

const QColor kGlyph(226, 226, 232);
const QColor kGlyphDim(120, 120, 126);

QColor segmentColour(int segment)
{
    // Green at the slow end through yellow to red at the fast end.
    const double t = (std::clamp(segment, 1, 20) - 1) / 19.0;
    const double hue = (1.0 - t) * 120.0 / 360.0;
    return QColor::fromHsvF(static_cast<float>(hue), 0.85f, 0.95f);
}

QPolygonF triangle(const QRectF& r, Qt::ArrowType dir)
{
    switch (dir) {
    case Qt::LeftArrow: return QPolygonF({r.topRight(), QPointF(r.left(), r.center().y()), r.bottomRight()});
    case Qt::UpArrow: return QPolygonF({r.bottomLeft(), QPointF(r.center().x(), r.top()), r.bottomRight()});
    case Qt::DownArrow: return QPolygonF({r.topLeft(), QPointF(r.center().x(), r.bottom()), r.topRight()});
    default: return QPolygonF({r.topLeft(), QPointF(r.right(), r.center().y()), r.bottomLeft()});
    }
}

void fillTriangle(QPainter& p, const QRectF& r, Qt::ArrowType dir) { p.drawPolygon(triangle(r, dir)); }

void circularArrow(QPainter& p, const QRectF& r, const QColor& c)
{
    QPen pen(c, std::max(1.5, r.width() / 7));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF arc = r.adjusted(r.width() * 0.12, r.height() * 0.12, -r.width() * 0.12, -r.height() * 0.12);
    p.drawArc(arc, 90 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const double s = r.width() * 0.32;
    const QPointF tip(arc.center().x() + s * 0.3, arc.top());
    p.drawPolygon(QPolygonF({QPointF(tip.x() - s * 0.6, tip.y() - s * 0.55), QPointF(tip.x() + s * 0.35, tip.y()),
                             QPointF(tip.x() - s * 0.6, tip.y() + s * 0.55)}));
}

void ribbon(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.topRight());
    path.lineTo(r.bottomRight());
    path.lineTo(r.center().x(), r.bottom() - r.height() * 0.28);
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.drawPath(path);
}

void paintGlyph(QPainter& p, const QRectF& box, Glyph glyph, const QColor& c, const QString& arrowName)
{
    const double s = std::min(box.width(), box.height());
    const QRectF r(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const double h = s * 0.6;
    const QRectF mid(r.center().x() - h / 2, r.center().y() - h / 2, h, h);
    auto half = [&](double from, double width) {
        return QRectF(mid.left() + mid.width() * from, mid.top(), mid.width() * width, mid.height());
    };
    switch (glyph) {
    case Glyph::Play:
    case Glyph::TimerStart: fillTriangle(p, half(0.12, 0.8), Qt::RightArrow); break;
    case Glyph::Stop:
    case Glyph::TimerStop: p.drawRect(mid.adjusted(h * 0.1, h * 0.1, -h * 0.1, -h * 0.1)); break;
    case Glyph::PageBack:
        fillTriangle(p, half(0.0, 0.5), Qt::LeftArrow);
        fillTriangle(p, half(0.5, 0.5), Qt::LeftArrow);
        break;
    case Glyph::PageForward:
        fillTriangle(p, half(0.0, 0.5), Qt::RightArrow);
        fillTriangle(p, half(0.5, 0.5), Qt::RightArrow);
        break;
    case Glyph::WordBack:
        p.drawRect(half(0.05, 0.16));
        fillTriangle(p, half(0.3, 0.65), Qt::LeftArrow);
        break;
    case Glyph::WordForward:
        fillTriangle(p, half(0.05, 0.65), Qt::RightArrow);
        p.drawRect(half(0.79, 0.16));
        break;
    case Glyph::SetBookmark:
        ribbon(p, half(0.18, 0.5));
        p.drawRect(QRectF(mid.left() + h * 0.62, mid.top() + h * 0.1, h * 0.36, h * 0.1));
        p.drawRect(QRectF(mid.left() + h * 0.75, mid.top() - h * 0.03, h * 0.1, h * 0.36));
        break;
    case Glyph::GotoBookmark:
        ribbon(p, half(0.02, 0.46));
        fillTriangle(p, QRectF(mid.left() + h * 0.58, mid.top() + h * 0.2, h * 0.4, h * 0.5), Qt::RightArrow);
        break;
    case Glyph::StepBack:
    case Glyph::StepForward: {
        QPen pen(c, std::max(2.0, s / 8));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const bool back = glyph == Glyph::StepBack;
        const double x0 = back ? mid.left() + h * 0.65 : mid.left() + h * 0.35;
        const double x1 = back ? mid.left() + h * 0.3 : mid.left() + h * 0.7;
        p.drawPolyline(QPolygonF({QPointF(x0, mid.top()), QPointF(x1, mid.center().y()), QPointF(x0, mid.bottom())}));
        break;
    }
    case Glyph::BurstRepeat:
    case Glyph::TimerReset:
    case Glyph::ResetAverage: circularArrow(p, mid, c); break;
    case Glyph::BurstForward:
        fillTriangle(p, half(0.0, 0.42), Qt::RightArrow);
        fillTriangle(p, half(0.4, 0.42), Qt::RightArrow);
        p.drawRect(half(0.84, 0.14));
        break;
    case Glyph::Launcher: {
        const double cell = h / 3;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                p.drawRoundedRect(QRectF(mid.left() + i * cell + 1, mid.top() + j * cell + 1, cell - 2, cell - 2), 1.5,
                                  1.5);
        break;
    }
    case Glyph::SpeedDown: p.drawRect(QRectF(mid.left(), mid.center().y() - h * 0.09, h, h * 0.18)); break;
    case Glyph::SpeedUp:
        p.drawRect(QRectF(mid.left(), mid.center().y() - h * 0.09, h, h * 0.18));
        p.drawRect(QRectF(mid.center().x() - h * 0.09, mid.top(), h * 0.18, h));
        break;
    case Glyph::Arrow:
        fillTriangle(p, mid.adjusted(0, h * 0.15, 0, -h * 0.15),
                     arrowName == QLatin1String("downArrow.png") ? Qt::DownArrow : Qt::UpArrow);
        break;
    }
}

}  // namespace

void paintStripBackground(QPainter& p, const QWidget& w)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect r = w.rect();
    p.fillRect(r, background());
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.restore();
}

void frameReadOut(QPainter& p, const QRect& readOut)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(lightGrey(), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(readOut.adjusted(-1, -1, 0, 0));
    p.restore();
}

void paintCaption(QPainter& p, const QRectF& r, const QString& text, Qt::Alignment align)
{
    p.save();
    QFont f = p.font();
    f.setPixelSize(9);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    p.setFont(f);
    p.setPen(QColor(150, 150, 160));
    p.drawText(r, static_cast<int>(align | Qt::AlignVCenter), text);
    p.restore();
}

void paintSegment(QPainter& p, const QRectF& r, int segment, bool lit)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    if (lit) {
        const QColor c = segmentColour(segment);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, c.lighter(125));
        g.setColorAt(1, c.darker(115));
        p.fillRect(r, g);
    } else {
        p.fillRect(r, QColor(62, 62, 68));
    }
    p.restore();
}

void paintNamedImage(QPainter& p, const QRectF& r, const QString& name)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (name.startsWith(QLatin1String("target")) || name == QLatin1String("speech_speed.png")) {
        QString unit = QStringLiteral("WPM");
        if (name == QLatin1String("targetcps.png"))
            unit = QStringLiteral("CPS");
        else if (name == QLatin1String("targetcpm.png"))
            unit = QStringLiteral("CPM");
        const bool speech = name == QLatin1String("speech_speed.png");
        QFont f = p.font();
        f.setPixelSize(9);
        f.setBold(true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
        p.setFont(f);
        p.setPen(QColor(150, 150, 160));
        p.drawText(QRectF(r.left(), r.top(), r.width(), r.height() / 2), Qt::AlignLeft | Qt::AlignVCenter,
                   speech ? QStringLiteral("SPEECH") : QStringLiteral("TARGET"));
        f.setPixelSize(15);
        p.setFont(f);
        p.setPen(speech ? QColor(120, 200, 255) : QColor(255, 204, 90));
        p.drawText(QRectF(r.left(), r.center().y(), r.width(), r.height() / 2), Qt::AlignLeft | Qt::AlignVCenter,
                   speech ? QStringLiteral("RATE") : unit);
    } else if (name.startsWith(QLatin1String("finetune"))) {
        const bool on = name == QLatin1String("finetuneon.png");
        p.setPen(QPen(on ? QColor(255, 170, 60) : QColor(84, 84, 92), 1));
        p.setBrush(on ? QColor(90, 60, 20) : Qt::transparent);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), r.height() / 2, r.height() / 2);
        QFont f = p.font();
        f.setPixelSize(8);
        f.setBold(true);
        p.setFont(f);
        p.setPen(on ? QColor(255, 200, 110) : QColor(100, 100, 108));
        p.drawText(r, Qt::AlignCenter, QStringLiteral("FINE TUNE"));
    } else if (name.startsWith(QLatin1String("frontLogo"))) {
        const bool on = name == QLatin1String("frontLogoOn.png");
        const double w = r.width(), h = r.height();
        QPolygonF bolt({QPointF(r.left() + w * 0.62, r.top()), QPointF(r.left() + w * 0.12, r.top() + h * 0.56),
                        QPointF(r.left() + w * 0.46, r.top() + h * 0.56), QPointF(r.left() + w * 0.34, r.bottom()),
                        QPointF(r.left() + w * 0.88, r.top() + h * 0.42), QPointF(r.left() + w * 0.54, r.top() + h * 0.42)});
        p.setPen(QPen(on ? QColor(255, 240, 160) : QColor(96, 96, 104), 1));
        p.setBrush(on ? QColor(255, 214, 40) : QColor(58, 58, 64));
        p.drawPolygon(bolt);
    }
    p.restore();
}

void paintKnob(QPainter& p, double x, double centreY, double height)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r(x - 5, centreY - height / 2, 10, height);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(235, 235, 240));
    g.setColorAt(1, QColor(165, 165, 175));
    p.setPen(QPen(QColor(20, 20, 22), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(QPen(QColor(110, 110, 120), 1));
    p.drawLine(QPointF(x, r.top() + 4), QPointF(x, r.bottom() - 4));
    p.restore();
}

void paintTrack(QPainter& p, double from, double knob, double to, double y)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(from, y), QPointF(knob, y));
    p.setPen(QPen(lightGrey(), 2));
    p.drawLine(QPointF(knob, y), QPointF(to, y));
    p.restore();
}

// --- StripButton ---------------------------------------------------------------------

StripButton::StripButton(Glyph glyph, const QString& caption, QWidget* parent)
    : QAbstractButton(parent), m_glyph(glyph), m_caption(caption)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    if (glyph == Glyph::Arrow)
        setProperty("imageName", QStringLiteral("upArrow.png"));
}

QSize StripButton::sizeHint() const { return m_caption.isEmpty() ? QSize(24, 24) : QSize(72, 40); }

bool StripButton::event(QEvent* e)
{
    if (e->type() == QEvent::DynamicPropertyChange)
        update();
    return QAbstractButton::event(e);
}

void StripButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    QColor top(74, 74, 82), bottom(50, 50, 56);
    if (isDown()) {
        top = QColor(36, 36, 40);
        bottom = QColor(46, 46, 52);
    } else if (underMouse() && isEnabled()) {
        top = top.lighter(118);
        bottom = bottom.lighter(118);
    }
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(QColor(18, 18, 20), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);

    const QColor c = isEnabled() ? kGlyph : kGlyphDim;
    QRectF glyphBox = r.adjusted(2, 2, -2, -2);
    if (!m_caption.isEmpty() && r.height() < 30) {
        // Too low for a caption under the glyph: glyph left, caption after.
        glyphBox = QRectF(r.left() + 3, r.top() + 2, r.height() - 4, r.height() - 4);
        QFont f = font();
        f.setPixelSize(10);
        p.setFont(f);
        p.setPen(c);
        p.drawText(QRectF(glyphBox.right() + 3, r.top(), r.right() - glyphBox.right() - 6, r.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    } else if (!m_caption.isEmpty()) {
        const QRectF captionBox(r.left() + 2, r.bottom() - 13, r.width() - 4, 11);
        glyphBox = QRectF(r.left() + 2, r.top() + 3, r.width() - 4, captionBox.top() - r.top() - 3);
        QFont f = font();
        f.setPixelSize(9);
        p.setFont(f);
        p.setPen(c);
        p.drawText(captionBox, Qt::AlignCenter, m_caption);
    }
    paintGlyph(p, glyphBox, m_glyph, c, property("imageName").toString());
}

}  // namespace qor::stripart
