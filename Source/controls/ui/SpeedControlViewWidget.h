#pragma once
// The speed slider's widget: a 166 by 24 point control, the track from
// x = 27 to x = 138 between the speed-down and speed-up buttons. It draws
// what SpeedControlView holds and hands it the mouse; it never takes the
// keyboard focus.

#include "controls/SpeedControlView.h"

#include <QWidget>

#include <array>
#include <memory>

namespace qor {

namespace stripart {
class StripButton;
}

class SpeedControlViewWidget final : public QWidget {
    Q_OBJECT
public:
    SpeedControlViewWidget(std::unique_ptr<SpeedControlView> view, QWidget* parent);
    ~SpeedControlViewWidget() override;

    SpeedControlView& view() { return *m_view; }
    static constexpr int kWidth = 166;
    static constexpr int kHeight = 24;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void refresh();

    std::unique_ptr<SpeedControlView> m_view;
    std::array<stripart::StripButton*, 2> m_buttons{};
};

}  // namespace qor
