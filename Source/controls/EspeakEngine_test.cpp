#include "controls/EspeakEngine.h"

#include "controls/TTS.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qor {
namespace {

struct Recorder final : SpeechEvents {
    std::vector<std::pair<uint32_t, int32_t>> words;
    std::vector<uint32_t> dones;
    void speechWord(uint32_t tag, int32_t charIndex) override { words.push_back({tag, charIndex}); }
    void speechDone(uint32_t tag) override { dones.push_back(tag); }
};

TEST(EspeakEngine, SpeaksWithoutAudioAndReportsEveryWordInOrder)
{
    EspeakEngine engine(EspeakEngine::Mode::Immediate);
    Recorder rec;
    ASSERT_TRUE(engine.open(&rec));
    EXPECT_FALSE(engine.hasAudio());
    ASSERT_FALSE(engine.voices().empty());
    ASSERT_FALSE(engine.defaultVoice().empty());
    EXPECT_FALSE(engine.setVoice("no/such-voice"));

    engine.setRate(speechRate(11));
    const std::string text = "The quick brown fox jumps over the lazy dog.";
    ASSERT_TRUE(engine.speak(text, 7));
    const int32_t starts[] = {0, 4, 10, 16, 20, 26, 31, 35, 40};
    ASSERT_EQ(rec.words.size(), std::size(starts));
    for (size_t i = 0; i < rec.words.size(); ++i) {
        EXPECT_EQ(rec.words[i].first, 7u);
        EXPECT_EQ(rec.words[i].second, starts[i]) << i;
    }
    EXPECT_EQ(rec.dones, std::vector<uint32_t>{7});
}

TEST(EspeakEngine, WordsKeepTheirAudioTimeAndStopEndsTheUtterance)
{
    EspeakEngine engine(EspeakEngine::Mode::Immediate);
    Recorder rec;
    ASSERT_TRUE(engine.open(&rec));
    std::vector<int64_t> waits;
    engine.setWaitHookForTesting([&](int64_t ms) { waits.push_back(ms); });
    const std::string text = "One two three four five six.";

    // Each word waits for its own time in the audio, the end for the last
    // sample; a faster rate gives a shorter utterance.
    int64_t endAt[2] = {0, 0};
    const int speeds[2] = {1, 20};
    for (int i = 0; i < 2; ++i) {
        waits.clear();
        rec = Recorder();
        engine.setRate(speechRate(speeds[i]));
        ASSERT_TRUE(engine.speak(text, 1));
        ASSERT_EQ(rec.words.size(), 6u);
        ASSERT_EQ(waits.size(), 7u);  // six words and the end
        EXPECT_EQ(waits.front(), 0);
        EXPECT_TRUE(std::is_sorted(waits.begin(), waits.end()));
        EXPECT_GT(waits.back(), waits[5]);
        EXPECT_EQ(rec.dones.size(), 1u);
        endAt[i] = waits.back();
    }
    EXPECT_GT(endAt[0], 3 * endAt[1]);  // 74 against 460 words per minute

    // Stopped while the third word is due: nothing more, and no done.
    rec = Recorder();
    engine.setWaitHookForTesting([&](int64_t) {
        if (rec.words.size() == 2)
            engine.stop();
    });
    ASSERT_TRUE(engine.speak(text, 2));
    EXPECT_EQ(rec.words.size(), 2u);
    EXPECT_TRUE(rec.dones.empty());

    // The engine speaks again after a stop.
    engine.setWaitHookForTesting({});
    ASSERT_TRUE(engine.speak(text, 3));
    EXPECT_EQ(rec.words.size(), 8u);
    EXPECT_EQ(rec.dones, std::vector<uint32_t>{3});
}

TEST(EspeakEngine, TTSMapsTheEnginesPositionsToBufferBytes)
{
    TTS tts(std::make_unique<EspeakEngine>(EspeakEngine::Mode::Immediate));
    ASSERT_TRUE(tts.initSpeech());
    // "Café and more." in Mac OS Roman (é 0x8E) and in UTF-8: the last
    // word starts at byte 9 and byte 10.
    struct Case {
        std::string bytes;
        TextEncoding enc;
        int lastWord;
    };
    const Case cases[] = {{"Caf\x8E and more.", TextEncoding::MacRoman, 9},
                          {"Caf\xC3\xA9 and more.", TextEncoding::Utf8, 10}};
    for (const Case& c : cases) {
        tts.setSpeechDone(false);
        ASSERT_TRUE(tts.startSpeakingWithBuffer(c.bytes.data(), static_cast<int>(c.bytes.size()), c.enc));
        EXPECT_EQ(tts.getBufferPos(), c.lastWord);
        EXPECT_TRUE(tts.getSpeechDone());
    }
    // The engine's voices carry their stable codes.
    std::vector<TTSVoice> voices = tts.voices();
    ASSERT_FALSE(voices.empty());
    EXPECT_TRUE(tts.setVoiceCreator(voices.back().code.creator, voices.back().code.id));
    EXPECT_EQ(tts.currentVoice(), voices.back().code);
}

}  // namespace
}  // namespace qor
