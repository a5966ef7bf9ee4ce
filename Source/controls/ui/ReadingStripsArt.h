#pragma once
// What the reading window's strips look like: their background, the
// buttons with their drawn glyphs, and the pictures the strips name
// (segments, unit labels, indicators), all drawn here with QPainter.

#include <QAbstractButton>
#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;
class QWidget;

namespace qor::stripart {

// The strips' background (red 0.1563, green 0.1563, blue 0.1719) and the
// light grey of read-out frames and the tracks' far side.
QColor background();
QColor lightGrey();
QColor readOutText();

// Fills the widget's bounds and frames them twice in black.
void paintStripBackground(QPainter& p, const QWidget& w);
// A one-point light grey frame just outside a read-out.
void frameReadOut(QPainter& p, const QRect& readOut);
// A small caption in the strips' label style.
void paintCaption(QPainter& p, const QRectF& r, const QString& text, Qt::Alignment align = Qt::AlignLeft);

// A speed bar segment (1 to 20), lit or not.
void paintSegment(QPainter& p, const QRectF& r, int segment, bool lit);
// The pictures named by the strips: "targetwpm.png", "targetcps.png",
// "targetcpm.png", "speech_speed.png", "finetuneon.png",
// "finetuneoff.png", "frontLogoOn.png", "frontLogo.png".
void paintNamedImage(QPainter& p, const QRectF& r, const QString& name);
// The knob of a slider, centred on x.
void paintKnob(QPainter& p, double x, double centreY, double height);
// A slider track at y: black up to the knob, light grey after it.
void paintTrack(QPainter& p, double from, double knob, double to, double y);

enum class Glyph {
    Play,
    Stop,
    PageBack,
    PageForward,
    WordBack,
    WordForward,
    SetBookmark,
    GotoBookmark,
    StepBack,
    StepForward,
    BurstRepeat,
    BurstForward,
    Launcher,
    TimerStart,
    TimerStop,
    TimerReset,
    ResetAverage,
    SpeedDown,
    SpeedUp,
    Arrow,  // up or down by the button's "imageName": "upArrow.png", "downArrow.png"
};

// A strip button: a drawn glyph, an optional caption under it, never the
// keyboard focus. An Arrow button repaints whenever its "imageName"
// property is set.
class StripButton final : public QAbstractButton {
    Q_OBJECT
public:
    StripButton(Glyph glyph, const QString& caption, QWidget* parent);
    Glyph glyph() const { return m_glyph; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* e) override;

private:
    Glyph m_glyph;
    QString m_caption;
};

}  // namespace qor::stripart
