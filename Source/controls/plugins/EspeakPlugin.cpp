// The speech plugin: the espeak-ng engine, loaded when speech is first
// started (base/Plugins.h), so that espeak-ng and the sound libraries it
// brings are only mapped once a reader's speech is set up.

#include "base/Log.h"
#include "controls/EspeakEngine.h"

// A new engine in the mode that suits the machine (heard on its sound
// device when it has one); the plugin's log lines go to `sink`.
extern "C" __attribute__((visibility("default"))) qor::SpeechEngine* qor_espeak_create(qor::LogSink sink)
{
    if (sink)
        qor::setLogSink(sink);
    return new qor::EspeakEngine(qor::EspeakEngine::defaultMode());
}
