#include "controls/ui/ReadingStrips.h"

#include "controls/ControlView.h"
#include "controls/SliderControlView.h"
#include "controls/SpeedControlView.h"
#include "controls/ui/ControlViewWidget.h"
#include "controls/ui/ReadingStripsArt.h"
#include "controls/ui/SliderControlViewWidget.h"
#include "controls/ui/SpeedControlViewWidget.h"
#include "display/CurrentOptions.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "users/CurrentPrefs.h"

#include <QLineEdit>

#include <memory>

namespace qor {

ReadingStrips buildReadingStrips(QWidget* parent)
{
    return buildReadingStrips(parent, CurrentOptions::instance(), CurrentPrefs::instance(),
                              NotificationBus::instance());
}

ReadingStrips buildReadingStrips(QWidget* parent, CurrentOptions& options, CurrentPrefs& prefs,
                                 NotificationBus& bus)
{
    ReadingStrips strips;
    auto* speed = new SpeedControlViewWidget(std::make_unique<SpeedControlView>(options, bus), nullptr);
    strips.control = new ControlViewWidget(std::make_unique<ControlView>(options, prefs, bus), speed, parent);
    strips.slider = new SliderControlViewWidget(std::make_unique<SliderControlView>(bus), parent);

    NotificationBus* b = &bus;
    auto* top = new stripart::StripButton(stripart::Glyph::Arrow, QString(), parent);
    top->setObjectName("topControlButton");
    top->setFixedSize(22, 22);
    QObject::connect(top, &QAbstractButton::clicked, top, [b] { b->post(note::kToggleSliderView); });
    strips.topButton = top;

    auto* bottom = new stripart::StripButton(stripart::Glyph::Arrow, QString(), parent);
    bottom->setObjectName("bottomControlButton");
    bottom->setFixedSize(22, 22);
    QObject::connect(bottom, &QAbstractButton::clicked, bottom, [b] { b->post(note::kToggleControlView); });
    strips.bottomButton = bottom;

    auto* search = new QLineEdit(parent);
    search->setObjectName("sentenceSearch");
    search->setPlaceholderText(QObject::tr("Find a sentence"));
    // The clear button brings the icon theme and its image plugins: they
    // load when the reader first types, not while the window comes up.
    QObject::connect(search, &QLineEdit::textEdited, search, [search] {
        if (!search->isClearButtonEnabled())
            search->setClearButtonEnabled(true);
    });
    search->setFocusPolicy(Qt::ClickFocus);
    search->setMinimumWidth(160);
    QObject::connect(search, &QLineEdit::returnPressed, search, [b] { b->post(note::kSentenceSearch); });
    strips.search = search;
    return strips;
}

}  // namespace qor
