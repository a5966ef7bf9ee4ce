#pragma once
// The slider strip's widget: 35 points tall, the position track from
// x = 65 to x = 380 with play and stop to its left and the percentage,
// the steps and the bookmarks to its right. It draws what
// SliderControlView holds and hands it the mouse; it never takes the
// keyboard focus.

#include "controls/SliderControlView.h"

#include <QWidget>

#include <array>
#include <memory>

class QLabel;

namespace qor {

namespace stripart {
class StripButton;
}

class SliderControlViewWidget final : public QWidget {
    Q_OBJECT
public:
    SliderControlViewWidget(std::unique_ptr<SliderControlView> view, QWidget* parent);
    ~SliderControlViewWidget() override;

    SliderControlView& view() { return *m_view; }
    static constexpr int kMinimumWidth = 640;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void refresh();
    double stripY(double widgetY) const;

    std::unique_ptr<SliderControlView> m_view;
    QLabel* m_percent = nullptr;
    std::array<stripart::StripButton*, SliderControlView::kButtonCount> m_buttons{};
};

}  // namespace qor
