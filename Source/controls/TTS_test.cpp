#include "controls/TTS.h"

#include "controls/SpeechEngineFake.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qor {
namespace {

TEST(SpeechRate, TableAndClamping)
{
    struct Case {
        int speed;
        int rate;
    };
    // 0, -5, 21 and a words-per-minute figure passed by mistake are clamped.
    const Case cases[] = {{1, 74},  {2, 88},  {11, 214}, {18, 312}, {19, 421}, {20, 460},
                          {0, 74},  {-5, 74}, {21, 460}, {250, 460}};
    for (const Case& c : cases) {
        EXPECT_EQ(speechRate(c.speed), c.rate) << c.speed;
        EXPECT_EQ(speechRateFixed(c.speed), c.rate * 65536) << c.speed;
    }
}

TEST(SpeechText, MapsEveryCharacterBackToItsBytes)
{
    // UTF-8: "é" and "ö" are two bytes, the emoji four.
    SpeechText u = prepareSpeechText("H\xC3\xA9llo w\xC3\xB6rld \xF0\x9F\x98\x80!", TextEncoding::Utf8);
    EXPECT_EQ(u.utf8, "H\xC3\xA9llo w\xC3\xB6rld \xF0\x9F\x98\x80!");
    ASSERT_EQ(u.offsets.size(), 15u);  // 14 characters and the end
    EXPECT_EQ(u.byteOffset(0), 0);
    EXPECT_EQ(u.byteOffset(2), 3);    // the first "l"
    EXPECT_EQ(u.byteOffset(6), 7);    // "w"
    EXPECT_EQ(u.byteOffset(12), 14);  // the emoji
    EXPECT_EQ(u.byteOffset(13), 18);  // "!"
    EXPECT_EQ(u.byteOffset(99), 19);  // past the end: the length
    EXPECT_EQ(u.byteOffset(-1), 0);

    // Mac OS Roman: one byte per character, 0x8E is "é".
    SpeechText m = prepareSpeechText("caf\x8E ok", TextEncoding::MacRoman);
    EXPECT_EQ(m.utf8, "caf\xC3\xA9 ok");
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(m.byteOffset(i), i);

    // An invalid byte, a CR and a NUL each stay one character, so the
    // words after them keep their places.
    std::string odd("a\xFF" "b\rc", 5);
    odd += '\0';
    odd += "d";
    SpeechText o = prepareSpeechText(odd, TextEncoding::Utf8);
    EXPECT_EQ(o.utf8, std::string("a b\nc d"));
    EXPECT_EQ(o.byteOffset(6), 6);
}

struct FakeTTS : ::testing::Test {
    FakeTTS()
    {
        auto e = std::make_unique<SpeechEngineFake>();
        engine = e.get();
        tts = std::make_unique<TTS>(std::move(e));
    }
    void speak(std::string_view text, TextEncoding enc = TextEncoding::Utf8)
    {
        ASSERT_TRUE(tts->startSpeakingWithBuffer(text.data(), static_cast<int>(text.size()), enc));
    }
    SpeechEngineFake* engine;
    std::unique_ptr<TTS> tts;
};

TEST_F(FakeTTS, WithoutChannelNothingSpeaksAndSpeechIsDone)
{
    engine->available = false;
    EXPECT_FALSE(tts->initSpeech());
    EXPECT_FALSE(tts->getChannel());
    tts->setSpeed(5);
    EXPECT_EQ(engine->rate(), 0);
    EXPECT_FALSE(tts->setVoiceCreator(kSpeechVoiceCreator, voiceCodeFor("gmw/en").id));
    EXPECT_TRUE(tts->voices().empty());
    tts->setSpeechDone(false);
    EXPECT_FALSE(tts->startSpeakingWithBuffer("Hello", 5, TextEncoding::Utf8));
    EXPECT_TRUE(tts->getSpeechDone());  // pacing must not wait for it
    EXPECT_TRUE(engine->spoken.empty());
}

TEST_F(FakeTTS, StopSetsDoneEvenWhenNothingWasSpoken)
{
    ASSERT_TRUE(tts->initSpeech());
    tts->setSpeechDone(false);
    tts->stopSpeaking();
    EXPECT_TRUE(tts->getSpeechDone());
    EXPECT_EQ(engine->stops, 1);
}

TEST_F(FakeTTS, SpeaksACopyAtTheRateSetBefore)
{
    ASSERT_TRUE(tts->initSpeech());
    tts->setSpeed(19);
    std::string block = "Read this text.";
    ASSERT_TRUE(tts->startSpeakingWithBuffer(block.data() + 5, 9, TextEncoding::Utf8));
    block.assign(block.size(), 'x');  // the caller's block changes (or goes)
    ASSERT_EQ(engine->spoken.size(), 1u);
    EXPECT_EQ(engine->spoken[0].text, "this text");
    EXPECT_EQ(engine->spoken[0].rate, 421);
    EXPECT_FALSE(tts->getSpeechDone());
    engine->word(5);  // "text"
    EXPECT_EQ(tts->getBufferPos(), 5);

    // A failure of the engine leaves nothing to wait for.
    engine->speakSucceeds = false;
    EXPECT_FALSE(tts->startSpeakingWithBuffer("More", 4, TextEncoding::Utf8));
    EXPECT_TRUE(tts->getSpeechDone());
    EXPECT_EQ(tts->getBufferPos(), 0);
}

TEST_F(FakeTTS, WordPositionsAreByteOffsetsInEitherEncoding)
{
    ASSERT_TRUE(tts->initSpeech());
    struct Case {
        const char* text;
        TextEncoding enc;
        int charIndex;
        int byteOffset;
    };
    const Case cases[] = {
        // "Ça va très bien": "Ç" and "è" take two bytes in UTF-8.
        {"\xC3\x87" "a va tr\xC3\xA8s bien", TextEncoding::Utf8, 3, 4},
        {"\xC3\x87" "a va tr\xC3\xA8s bien", TextEncoding::Utf8, 11, 13},
        // The same in Mac OS Roman (Ç 0x82, è 0x8F): bytes are characters.
        {"\x82" "a va tr\x8F" "s bien", TextEncoding::MacRoman, 3, 3},
        {"\x82" "a va tr\x8F" "s bien", TextEncoding::MacRoman, 11, 11},
    };
    for (const Case& c : cases) {
        speak(c.text, c.enc);
        engine->word(c.charIndex);
        EXPECT_EQ(tts->getBufferPos(), c.byteOffset) << c.text << " " << c.charIndex;
    }
}

TEST_F(FakeTTS, LateEventsOfAStoppedUtteranceAreDropped)
{
    ASSERT_TRUE(tts->initSpeech());
    speak("one two three four");
    uint32_t first = engine->lastTag();
    engine->word(first, 4);
    EXPECT_EQ(tts->getBufferPos(), 4);

    tts->stopSpeaking();
    engine->word(first, 8);  // still on its way when stop was called
    engine->done(first);
    EXPECT_EQ(tts->getBufferPos(), 4);
    EXPECT_TRUE(tts->getSpeechDone());

    // The next run: the first utterance's word and done must not touch it.
    tts->setSpeechDone(false);
    speak("five six seven");
    uint32_t second = engine->lastTag();
    EXPECT_NE(second, first);
    tts->resetBufferPos();
    engine->word(first, 14);
    engine->done(first);
    EXPECT_EQ(tts->getBufferPos(), 0);
    EXPECT_FALSE(tts->getSpeechDone());
    engine->word(second, 5);
    EXPECT_EQ(tts->getBufferPos(), 5);
    engine->word(second, 0);  // an engine repeating an earlier place
    EXPECT_EQ(tts->getBufferPos(), 5);
    engine->done(second);
    EXPECT_TRUE(tts->getSpeechDone());
}

TEST_F(FakeTTS, VoicesHaveStableCodesAndUnknownOnesChangeNothing)
{
    ASSERT_TRUE(tts->initSpeech());
    std::vector<TTSVoice> list = tts->voices();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(tts->currentVoice(), voiceCodeFor("gmw/en"));
    EXPECT_EQ(tts->defaultVoice(), voiceCodeFor("gmw/en"));
    VoiceCode french = list[2].code;
    EXPECT_EQ(french.creator, kSpeechVoiceCreator);
    EXPECT_NE(french, list[1].code);

    // Another machine lists its voices in another order, with one more:
    // the same pair still names the same voice.
    engine->setVoiceList({{"sit/zh", "Chinese", "cmn"},
                          {"roa/fr", "French", "fr-fr"},
                          {"gmw/en", "English (Great Britain)", "en-gb"}},
                         "gmw/en");
    EXPECT_TRUE(tts->setVoiceCreator(french.creator, french.id));
    EXPECT_EQ(engine->voice(), "roa/fr");
    EXPECT_EQ(tts->currentVoice(), french);

    // The platform default of an older preferences file is not installed.
    EXPECT_FALSE(tts->setVoiceCreator(1835364215u, 201u));
    EXPECT_FALSE(tts->setVoiceCreator(french.creator + 1, french.id));
    EXPECT_EQ(engine->voice(), "roa/fr");

    // A new channel (the next logon) starts on the default voice again.
    ASSERT_TRUE(tts->initSpeech());
    EXPECT_EQ(engine->voice(), "gmw/en");
    EXPECT_EQ(tts->currentVoice(), voiceCodeFor("gmw/en"));
}

}  // namespace
}  // namespace qor
