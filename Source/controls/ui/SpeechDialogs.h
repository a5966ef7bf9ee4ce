#pragma once
// The speech dialogs as the Options menu runs them, and the speech set-up
// of a logon. They work on the process's speech object (TTS::instance()),
// the current reader's options and preferences, and the process bus.

class QWidget;

namespace qor {

// The speech speed. True when confirmed (the options are then saved and
// "UpdateTargetSpeedNotification" posted).
bool runTextToSpeechSpeedDialog(QWidget* parent = nullptr);
// The voice. True when confirmed (the voice is then in force and stored as
// "VoiceCreator" and "VoiceID").
bool runTextToSpeechVoiceDialog(QWidget* parent = nullptr);

// Makes the engine's default voice the default of "VoiceCreator" and
// "VoiceID" (before the first reader's preferences are loaded).
void installSpeechVoiceDefaults();
// At each logon, after the reader's preferences are loaded: opens the
// channel and applies the reader's voice. False when there is no speech
// engine (speaking then finishes at once and paces nothing).
bool initSpeechForUser();

}  // namespace qor
