#pragma once
// A voice for the words that have no recording: espeak-ng's library, in this
// process, synthesising into memory. It is a source for the player's one queue
// (playsound.h): SpeechPlay asks the player for a voice (TPlaySoundVoice), the
// player plays it in its turn among files and images, so it starts, cuts and is
// counted like a file, and it alone decides whether a voice made late is still
// wanted.
//
// Thread rules: espeak-ng keeps global state and is not thread-safe, so every
// call into it (set-up, the voice list, synthesis) is made by one worker thread
// that this unit owns for the whole run. Other threads only queue jobs and read
// finished results under one mutex. The voice the player is waiting for is made
// before those prepared for words ahead, and handed over without waiting for
// the player; the player's worker waits for it, with a time limit. The waiting
// calls below wait for the worker with a time limit and are for the dialog's
// set-up, tests and benchmarks, never for a paint.
//
// Text is always spoken as plain text: markup (SSML) and phoneme input are off,
// so a word that looks like markup is read out, and text beyond SpeechMaxChars is
// not spoken. Without espeak-ng's data nothing is spoken and nothing fails.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QMap>

// Longest text spoken, in characters; the rest of a longer text is dropped.
constexpr int SpeechMaxChars = 200;
// Longest speech kept, in seconds; a synthesis running longer is cut there.
constexpr int SpeechMaxSeconds = 20;

struct TSpeechVoice {
    QString Language;   // what the settings keep, e.g. "en", "en-us", "de"
    QString Name;       // espeak-ng's name for it, e.g. "English (America)"
    // Other languages it speaks, with espeak-ng's priority (lower is more
    // fitting): "en" 2 for "en-gb", "en" 10 for "en-029".
    QMap<QString, int> Also;
};

// The voices installed, in espeak-ng's order; empty when espeak-ng or its data
// is missing or the worker did not answer within timeoutMs.
QList<TSpeechVoice> SpeechVoices(int timeoutMs = 5000);
// Why nothing can be spoken on this machine; empty when speech works.
QString SpeechUnavailable(int timeoutMs = 5000);

// The desktop's language as a voice name ("de", "pt-br"), without asking
// espeak-ng: the settings' default before any voice list is known.
QString DesktopLanguage();
// Of voices, the one for wanted (empty: DesktopLanguage): the same language and
// country, else the same language (the voice that speaks the bare language most
// fittingly, then one of some country), else English the same way, else the
// first; empty when there are none.
QString MatchVoice(const QList<TSpeechVoice> &voices, const QString &wanted);

// The name the player reports for text's speech (PlaySoundStatus, observer).
QString SpeechLabel(const QString &text);

// Synthesises text in voice on the worker so that it is ready when asked for.
// Returns at once. Keeps the few latest results.
void SpeechPrepare(const QString &text, const QString &voice);
// Speaks text in voice through the player: at once when prepared, else as soon
// as the worker has synthesised it, unless another sound was asked for meanwhile
// (a newer word's sound must not be cut by an older word's late voice). Returns
// at once.
void SpeechPlay(const QString &text, const QString &voice);
// True when text in voice has been synthesised and is waiting (any thread).
bool SpeechPrepared(const QString &text, const QString &voice);
// The RIFF WAVE image (16-bit mono PCM) of text in voice, synthesised now when
// it is not ready, waiting up to timeoutMs; empty when nothing can be spoken.
QByteArray SpeechWave(const QString &text, const QString &voice, int timeoutMs = 10000);

// Where espeak-ng finds its data: the folder holding "espeak-ng-data", empty for
// the library's own place. Tests point it at a folder without data to see a
// machine without a voice. Set-up is made again at the worker's next request.
void SetSpeechDataPath(const QString &path);
