#include "controls/SpeechEngineFake.h"
#include "controls/TextToSpeechSpeedModel.h"
#include "controls/TextToSpeechVoiceModel.h"

#include "display/DisplayTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct SpeedDialog : ::testing::Test, testing::ReaderFixture {
    SpeedDialog()
    {
        OptionsRecord rec = defaults();
        rec.speechSpeed = 7;
        store(rec);
        model.initialize();
    }
    OptionsRecord onDisk() const
    {
        OptionsRecord r;
        EXPECT_TRUE(decodeOptionsRecord(fileBytes(), r));
        return r;
    }
    testing::BusLog log{bus, {note::kUpdateTargetSpeed, note::kOptionsUpdate, note::kTargetSpeedUnit}};
    TextToSpeechSpeedModel model{options, bus};
};

TEST_F(SpeedDialog, SliderKeepsTheRangeAndOnlyOkStores)
{
    EXPECT_EQ(model.value(), 7);
    const std::pair<int, int> moves[] = {{13, 13}, {0, 1}, {-3, 1}, {25, 20}, {20, 20}, {1, 1}};
    for (auto [to, shown] : moves) {
        model.sliderUpdate(to);
        EXPECT_EQ(model.value(), shown) << to;
        EXPECT_EQ(model.figure(), std::to_string(shown));
    }
    // Closing without OK (Cancel) changes nothing.
    EXPECT_EQ(options.record().speechSpeed, 7);
    EXPECT_EQ(onDisk().speechSpeed, 7);
    EXPECT_TRUE(log.posts.empty());
}

TEST_F(SpeedDialog, DefaultsAndOkSaveElevenAndAnnounceIt)
{
    OptionsRecord before = options.record();
    model.sliderUpdate(3);
    model.setDefaults();
    EXPECT_EQ(model.figure(), "11");
    model.ok();
    OptionsRecord expected = before;
    expected.speechSpeed = 11;
    EXPECT_EQ(options.record(), expected);  // only the speech speed changed
    EXPECT_EQ(onDisk(), expected);
    EXPECT_EQ(log.posts, std::vector<std::string>{"UpdateTargetSpeedNotification"});
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(SpeedDialog, AFailedSaveIsShownAndTheSpeedStillApplies)
{
    user = "";  // the reader's folder is gone
    model.sliderUpdate(15);
    model.ok();
    EXPECT_EQ(options.record().speechSpeed, 15);
    EXPECT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(log.posts.size(), 1u);
}

struct VoiceDialog : ::testing::Test {
    VoiceDialog()
    {
        auto e = std::make_unique<SpeechEngineFake>();
        engine = e.get();
        tts = std::make_unique<TTS>(std::move(e));
        prefs.load = [this] { return stored; };
        prefs.store = [this](VoiceCode c) {
            stored = c;
            ++stores;
            return true;
        };
    }
    SpeechEngineFake* engine;
    std::unique_ptr<TTS> tts;
    VoiceCode stored;
    int stores = 0;
    VoicePreference prefs;
};

TEST_F(VoiceDialog, SelectsTheReadersVoiceOrTheOneInForce)
{
    ASSERT_TRUE(tts->initSpeech());
    VoiceCode american = voiceCodeFor("gmw/en-US");
    VoiceCode french = voiceCodeFor("roa/fr");
    struct Case {
        VoiceCode storedVoice;
        VoiceCode channelVoice;
        int row;
    };
    const Case cases[] = {
        {american, voiceCodeFor("gmw/en"), 1},
        {french, american, 2},
        // An older file's platform voice is not installed: the channel's.
        {{1835364215u, 201u}, american, 1},
        {{0, 0}, french, 2},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(tts->setVoiceCreator(c.channelVoice.creator, c.channelVoice.id));
        stored = c.storedVoice;
        TextToSpeechVoiceModel model(*tts, prefs);
        model.initialize();
        EXPECT_EQ(model.items(), (std::vector<std::string>{"English (Great Britain)", "English (America)",
                                                           "French"}));
        EXPECT_EQ(model.selected(), c.row);
    }
    EXPECT_EQ(stores, 0);
}

TEST_F(VoiceDialog, OkAppliesAndStoresTheChosenVoiceResetPicksTheDefault)
{
    ASSERT_TRUE(tts->initSpeech());
    TextToSpeechVoiceModel model(*tts, prefs);
    model.initialize();
    VoiceCode french = voiceCodeFor("roa/fr");
    model.setVoiceCreator(french.creator, french.id);
    EXPECT_EQ(model.selected(), 2);
    model.setVoiceCreator(5, 5);  // not listed: selection stays
    model.select(7);
    EXPECT_EQ(model.selected(), 2);

    model.resetButton();
    EXPECT_EQ(model.selected(), 0);
    EXPECT_EQ(stores, 0);  // Reset stores nothing

    model.select(2);
    EXPECT_TRUE(model.ok());
    EXPECT_EQ(stored, french);
    EXPECT_EQ(tts->currentVoice(), french);
    tts->startSpeakingWithBuffer("Bonjour", 7, TextEncoding::Utf8);
    EXPECT_EQ(engine->spoken.back().voice, "roa/fr");

    // Without the default voice installed, Reset changes nothing.
    engine->setVoiceList({{"roa/fr", "French", "fr"}, {"roa/it", "Italian", "it"}}, "gmw/en");
    TextToSpeechVoiceModel other(*tts, prefs);
    other.initialize();
    other.select(1);
    other.resetButton();
    EXPECT_EQ(other.selected(), 1);
}

TEST_F(VoiceDialog, WithoutVoicesOkDoesNothing)
{
    engine->available = false;
    tts->initSpeech();
    TextToSpeechVoiceModel model(*tts, prefs);
    model.initialize();
    EXPECT_TRUE(model.items().empty());
    EXPECT_EQ(model.selected(), -1);
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(stores, 0);
}

}  // namespace
}  // namespace qor
