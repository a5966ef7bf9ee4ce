#pragma once
// The reading window's strips, built in one call for the window: the
// slider strip and the control strip (with the speed slider inside it)
// to go under the reading area, the two buttons that show and hide them
// and the sentence search field.
//
// The toggle buttons post "ToggleSliderViewNotification" and
// "ToggleControlViewNotification" and draw the arrow their "imageName"
// property names ("upArrow.png", "downArrow.png"); Return in the search
// field posts "SentenceSearchNotification". Nothing here takes the
// keyboard focus but the search field, and that only when clicked.

class QLineEdit;
class QWidget;

namespace qor {

class CurrentOptions;
class CurrentPrefs;
class NotificationBus;

struct ReadingStrips {
    QWidget* slider = nullptr;
    QWidget* control = nullptr;
    QWidget* topButton = nullptr;
    QWidget* bottomButton = nullptr;
    QLineEdit* search = nullptr;
};

// Over the process-wide options, preferences and bus.
ReadingStrips buildReadingStrips(QWidget* parent);
ReadingStrips buildReadingStrips(QWidget* parent, CurrentOptions& options, CurrentPrefs& prefs,
                                 NotificationBus& bus);

}  // namespace qor
