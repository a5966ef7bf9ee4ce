#pragma once
// The reading view on screen: passes its size to the engine and paints the
// engine's frame. Painting changes nothing in the engine.

#include "display/MainView.h"
#include "display/ui/QtTextMeasurer.h"

#include <QWidget>

namespace qor {

class MainViewWidget : public QWidget {
    Q_OBJECT
public:
    MainViewWidget(MainView& view, QtTextMeasurer& measurer, QWidget* parent = nullptr);
    // Repaints when the engine marked a change.
    void updateIfNeeded();
    // The same, painted before returning (a paced display's onset).
    void paintNowIfNeeded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MainView& m_view;
    QtTextMeasurer& m_measurer;
    DisplayFrame m_frame;
};

QColor paintColor(const QorColor& c);

}  // namespace qor
