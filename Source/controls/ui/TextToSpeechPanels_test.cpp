#include "controls/SpeechEngineFake.h"
#include "testing/ui/WidgetTestSupport.h"
#include "controls/ui/TextToSpeechSpeedPanel.h"
#include "controls/ui/TextToSpeechVoicePanel.h"

#include "display/DisplayTestSupport.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace qor {
namespace {

TEST(TextToSpeechSpeedPanel, SliderFigureDefaultsAndOk)
{
    testing::ReaderFixture reader;
    OptionsRecord rec = reader.defaults();
    rec.speechSpeed = 4;
    reader.store(rec);
    testing::BusLog log(reader.bus, {note::kUpdateTargetSpeed});
    TextToSpeechSpeedModel model(reader.options, reader.bus);
    model.initialize();
    TextToSpeechSpeedPanel panel(model);
    auto* slider = child<QSlider>(&panel, "speechSpeedSlider");
    auto* figure = child<QLabel>(&panel, "speechSpeedTxt");
    ASSERT_TRUE(slider && figure);
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 20);
    EXPECT_EQ(slider->value(), 4);
    EXPECT_EQ(figure->text(), "4");

    slider->setValue(17);
    EXPECT_EQ(figure->text(), "17");
    QTest::mouseClick(child<QPushButton>(&panel, "defaultsButton"), Qt::LeftButton);
    EXPECT_EQ(slider->value(), 11);
    EXPECT_EQ(figure->text(), "11");
    EXPECT_EQ(reader.options.record().speechSpeed, 4);  // nothing stored yet

    QTest::mouseClick(child<QPushButton>(&panel, "okButton"), Qt::LeftButton);
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_EQ(reader.options.record().speechSpeed, 11);
    EXPECT_EQ(log.posts, std::vector<std::string>{"UpdateTargetSpeedNotification"});
}

TEST(TextToSpeechSpeedPanel, CancelStoresNothing)
{
    testing::ReaderFixture reader;
    reader.store(reader.defaults());
    TextToSpeechSpeedModel model(reader.options, reader.bus);
    model.initialize();
    TextToSpeechSpeedPanel panel(model);
    child<QSlider>(&panel, "speechSpeedSlider")->setValue(20);
    QTest::mouseClick(child<QPushButton>(&panel, "cancelButton"), Qt::LeftButton);
    EXPECT_EQ(panel.result(), QDialog::Rejected);
    EXPECT_EQ(reader.options.record().speechSpeed, 11);
}

TEST(TextToSpeechVoicePanel, MenuOfVoicesResetAndOk)
{
    auto e = std::make_unique<SpeechEngineFake>();
    TTS tts(std::move(e));
    ASSERT_TRUE(tts.initSpeech());
    VoiceCode stored = voiceCodeFor("gmw/en-US");
    VoicePreference prefs{[&] { return stored; }, [&](VoiceCode c) {
                              stored = c;
                              return true;
                          }};
    TextToSpeechVoiceModel model(tts, prefs);
    model.initialize();
    TextToSpeechVoicePanel panel(model);
    auto* menu = child<QComboBox>(&panel, "setNameMenu");
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->count(), 3);
    EXPECT_EQ(menu->itemText(2), "French");
    EXPECT_EQ(menu->currentIndex(), 1);

    QTest::mouseClick(child<QPushButton>(&panel, "resetButton"), Qt::LeftButton);
    EXPECT_EQ(menu->currentIndex(), 0);
    EXPECT_EQ(stored, voiceCodeFor("gmw/en-US"));

    menu->setCurrentIndex(2);
    emit menu->activated(2);
    QTest::mouseClick(child<QPushButton>(&panel, "okButton"), Qt::LeftButton);
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_EQ(stored, voiceCodeFor("roa/fr"));
    EXPECT_EQ(tts.currentVoice(), voiceCodeFor("roa/fr"));
}

}  // namespace
}  // namespace qor
