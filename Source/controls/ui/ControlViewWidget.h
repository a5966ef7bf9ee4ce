#pragma once
// The control strip's widget: draws what ControlView holds and hands it
// the reader's clicks. 222 points tall; its read-outs and buttons sit in
// the three fields that the strip's dividing lines mark out. It never
// takes the keyboard focus.

#include "controls/ControlView.h"

#include <QWidget>

#include <array>
#include <memory>

class QLabel;

namespace qor {

class SpeedControlViewWidget;

namespace stripart {
class StripButton;
}

class ControlViewWidget final : public QWidget {
    Q_OBJECT
public:
    // `speedSlider` (may be null) is placed in the strip under the bar.
    ControlViewWidget(std::unique_ptr<ControlView> view, SpeedControlViewWidget* speedSlider, QWidget* parent);
    ~ControlViewWidget() override;

    ControlView& view() { return *m_view; }
    static constexpr int kMinimumWidth = 540;

    // The frame of the speed bar in widget coordinates.
    QRect speedBarRect() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void refresh();
    void layoutButtons();
    QLabel* readOut(const char* name, const QRect& geometry, int pixelSize, Qt::Alignment align);

    std::unique_ptr<ControlView> m_view;
    QLabel* m_targetSpeed = nullptr;
    QLabel* m_lastActual = nullptr;
    QLabel* m_lastTraditional = nullptr;
    QLabel* m_averageActual = nullptr;
    QLabel* m_completionETA = nullptr;
    QLabel* m_readTimer = nullptr;
    QLabel* m_lowLimit = nullptr;
    QLabel* m_highLimit = nullptr;
    std::array<stripart::StripButton*, ControlView::kButtonCount> m_buttons{};
};

}  // namespace qor
