#include "sound/speech.h"

#include "sound/playsound.h"
#include "sound/WaveSound.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtEndian>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// The current word and the next one are all the run screen asks for; a few more
// let the recording page's Play repeat without synthesising again.
constexpr size_t KeptClips = 6;

QString ClipKey(const QString &text, const QString &voice) { return voice + QChar(0) + text; }

QByteArray WaveImage(const std::vector<int16_t> &samples, int rate)
{
    QByteArray data(qsizetype(samples.size() * 2), Qt::Uninitialized);
    qToLittleEndian<int16_t>(samples.data(), qsizetype(samples.size()), data.data());
    return ::WaveImage(PcmWaveFormat(1, rate, 16), data);
}

class TSpeaker {
public:
    ~TSpeaker()
    {
        if (!FWorker.joinable())
            return;
        bool exited;
        {
            std::unique_lock lock(FMutex);
            FQuit = true;
            FWake.notify_all();
            // A synthesis is bounded by SpeechMaxChars; a worker stuck inside the
            // library beyond that is left to the end of the process.
            exited = FDone.wait_for(lock, std::chrono::seconds(5), [this] { return FExited; });
        }
        if (exited)
            FWorker.join();
        else
            FWorker.detach();
    }

    void Prepare(const QString &text, const QString &voice)
    {
        std::lock_guard lock(FMutex);
        const QString key = ClipKey(text, voice);
        if (Clip(key))
            return;
        for (const TJob &j : FJobs)
            if (ClipKey(j.Text, j.Voice) == key)
                return;
        FJobs.push_back({text, voice, nullptr});
        StartWorker();
        FWake.notify_all();
    }

    // The voice for the player: given at once when it is kept, else when the
    // worker has made it.
    std::shared_ptr<TPlaySoundVoice> Ask(const QString &text, const QString &voice)
    {
        auto asked = std::make_shared<TPlaySoundVoice>(SpeechLabel(text));
        std::unique_lock lock(FMutex);
        if (const QByteArray *clip = Clip(ClipKey(text, voice))) {
            const QByteArray wave = *clip;
            lock.unlock();
            asked->Give(wave);
            return asked;
        }
        // Asked for now: ahead of whatever is only being prepared.
        FJobs.push_front({text, voice, asked});
        StartWorker();
        FWake.notify_all();
        return asked;
    }

    bool Prepared(const QString &text, const QString &voice)
    {
        std::lock_guard lock(FMutex);
        const QByteArray *clip = Clip(ClipKey(text, voice));
        return clip && !clip->isEmpty();
    }

    QByteArray Wave(const QString &text, const QString &voice, int timeoutMs)
    {
        Prepare(text, voice);
        const QString key = ClipKey(text, voice);
        std::unique_lock lock(FMutex);
        FDone.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return Clip(key) != nullptr; });
        const QByteArray *clip = Clip(key);
        return clip ? *clip : QByteArray();
    }

    // Waits for the worker's set-up; true when it happened within the time.
    bool SetUp(int timeoutMs, QList<TSpeechVoice> &voices, QString &why)
    {
        std::unique_lock lock(FMutex);
        FSetUpWanted = true;
        StartWorker();
        FWake.notify_all();
        const bool done = FDone.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return FSetUpDone; });
        voices = FVoices;
        why = done ? FWhy : QCoreApplication::translate("Speech", "The speech synthesiser did not answer in time.");
        return done;
    }

    void SetDataPath(const QString &path)
    {
        std::lock_guard lock(FMutex);
        if (path == FDataPath)
            return;
        FDataPath = path;
        FSetUpDone = false;
        FClips.clear();
    }

private:
    struct TJob {
        QString Text, Voice;
        std::shared_ptr<TPlaySoundVoice> Asked;   // null: prepare only
    };
    struct TClipEntry {
        QString Key;
        QByteArray Wave;           // empty: nothing could be spoken
    };

    // Under FMutex.
    const QByteArray *Clip(const QString &key) const
    {
        for (const TClipEntry &c : FClips)
            if (c.Key == key)
                return &c.Wave;
        return nullptr;
    }

    void StartWorker()
    {
        if (!FWorker.joinable())
            FWorker = std::thread([this] { Run(); });
    }

    void Run()
    {
        std::unique_lock lock(FMutex);
        for (;;) {
            // Idle: wakes for work, and now and then to look again.
            if (!FWake.wait_for(lock, std::chrono::seconds(1),
                                [this] { return FQuit || !FJobs.empty() || (FSetUpWanted && !FSetUpDone); }))
                continue;
            if (FQuit)
                break;
            if (!FSetUpDone) {
                const QString path = FDataPath;
                lock.unlock();
                QList<TSpeechVoice> voices;
                const QString why = SetUpEngine(path, voices);
                lock.lock();
                FVoices = voices;
                FWhy = why;
                FSetUpDone = true;
                FDone.notify_all();
                continue;
            }
            const TJob job = FJobs.front();
            FJobs.pop_front();
            const QString key = ClipKey(job.Text, job.Voice);
            QByteArray wave;
            if (const QByteArray *clip = Clip(key)) {
                wave = *clip;
            } else {
                const bool available = FWhy.isEmpty();
                lock.unlock();
                if (available)
                    wave = Synthesise(job.Text, job.Voice);
                lock.lock();
                FClips.push_back({key, wave});
                while (FClips.size() > KeptClips)
                    FClips.pop_front();
            }
            FDone.notify_all();
            // Whether it is still wanted is the player's to say, when it takes it.
            if (job.Asked) {
                lock.unlock();
                job.Asked->Give(wave);
                lock.lock();
            }
        }
        // No espeak_ng_Terminate here: at the end of the process it can wait for
        // ever on the library's own thread, and the system frees it all anyway.
        FExited = true;
        FDone.notify_all();
    }

    // ---- the worker's own: every espeak-ng call is below this line.

    QString SetUpEngine(const QString &path, QList<TSpeechVoice> &voices)
    {
        if (FEngineUp) {
            espeak_ng_Terminate();
            FEngineUp = false;
        }
        FVoiceSet.clear();
        FEngineVoices.clear();
        const QByteArray p = path.toLocal8Bit();
        espeak_ng_InitializePath(path.isEmpty() ? nullptr : p.constData());
        espeak_ng_ERROR_CONTEXT context = nullptr;
        espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        espeak_ng_ClearErrorContext(&context);
        if (status == ENS_OK)
            status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
        if (status != ENS_OK) {
            char message[512] = {};
            espeak_ng_GetStatusCodeMessage(status, message, sizeof message);
            return QCoreApplication::translate("Speech", "The voice for words without a recording cannot be used: "
                                                         "espeak-ng's data is missing or damaged (%1). Install the package espeak-ng-data.")
                .arg(QString::fromLocal8Bit(message));
        }
        FEngineUp = true;
        FRate = espeak_ng_GetSampleRate();
        espeak_SetSynthCallback(&TSpeaker::Collect);
        for (const espeak_VOICE **v = espeak_ListVoices(nullptr); v && *v; ++v) {
            // MBROLA voices need a program and data of their own that are seldom there.
            if (!(*v)->languages || !(*v)->identifier || QByteArray((*v)->identifier).startsWith("mb/"))
                continue;
            // A priority byte, then a zero-ended language, for each; an empty one ends the list.
            QString language;
            QMap<QString, int> also;
            for (const char *l = (*v)->languages; *l; l += std::strlen(l + 1) + 2) {
                if (language.isEmpty())
                    language = QString::fromUtf8(l + 1);
                else
                    also.insert(QString::fromUtf8(l + 1).toLower(), int(uint8_t(*l)));
            }
            bool known = language.isEmpty();
            for (const TSpeechVoice &k : voices)
                known = known || k.Language == language;
            if (!known)
                voices.append({language, QString::fromUtf8((*v)->name), also});
        }
        if (voices.isEmpty() || FRate <= 0)
            return QCoreApplication::translate("Speech", "The voice for words without a recording cannot be used: "
                                                         "espeak-ng lists no voices. Install the package espeak-ng-data.");
        FEngineVoices = voices;
        return {};
    }

    bool UseVoice(const QString &voice)
    {
        const QString language = MatchVoice(FEngineVoices, voice);
        if (language.isEmpty())
            return false;
        if (language == FVoiceSet)
            return true;
        const QByteArray l = language.toUtf8();
        espeak_VOICE wanted{};
        wanted.languages = l.constData();
        if (espeak_ng_SetVoiceByProperties(&wanted) != ENS_OK)
            return false;
        FVoiceSet = language;
        return true;
    }

    QByteArray Synthesise(const QString &text, const QString &voice)
    {
        if (!FEngineUp || !UseVoice(voice))
            return {};
        const QByteArray utf8 = text.left(SpeechMaxChars).toUtf8();
        if (utf8.trimmed().isEmpty())
            return {};
        FSamples.clear();
        FSampleLimit = size_t(FRate) * SpeechMaxSeconds;
        GCollecting = this;
        // Plain text: no espeakSSML, no espeakPHONEMES, so nothing in a word is
        // taken as an instruction to the synthesiser.
        const espeak_ng_STATUS status = espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER,
                                                             0, espeakCHARS_UTF8, nullptr, nullptr);
        GCollecting = nullptr;
        if (status != ENS_OK && status != ENS_SPEECH_STOPPED)
            return {};
        // Leading and trailing silence would put the voice later than its word.
        size_t first = 0, last = FSamples.size();
        while (first < last && std::abs(FSamples[first]) < 64)
            ++first;
        while (last > first && std::abs(FSamples[last - 1]) < 64)
            --last;
        if (first == last)
            return {};
        return WaveImage(std::vector<int16_t>(FSamples.begin() + long(first), FSamples.begin() + long(last)), FRate);
    }

    // Called by espeak-ng on the worker, inside Synthesise.
    static int Collect(short *wav, int count, espeak_EVENT *)
    {
        TSpeaker *self = GCollecting;
        if (!self || !wav || count <= 0)
            return 0;
        const size_t room = self->FSampleLimit - std::min(self->FSampleLimit, self->FSamples.size());
        self->FSamples.insert(self->FSamples.end(), wav, wav + std::min(size_t(count), room));
        return self->FSamples.size() >= self->FSampleLimit ? 1 : 0;
    }

    std::mutex FMutex;
    std::condition_variable FWake;
    std::condition_variable FDone;
    std::thread FWorker;
    bool FQuit = false;
    bool FExited = false;
    std::deque<TJob> FJobs;
    std::deque<TClipEntry> FClips;
    QString FDataPath;
    bool FSetUpWanted = false;
    bool FSetUpDone = false;
    QString FWhy;
    QList<TSpeechVoice> FVoices;

    // The worker's alone.
    static inline thread_local TSpeaker *GCollecting = nullptr;
    QList<TSpeechVoice> FEngineVoices;
    bool FEngineUp = false;
    int FRate = 0;
    QString FVoiceSet;
    std::vector<int16_t> FSamples;
    size_t FSampleLimit = 0;
};

TSpeaker &Speaker()
{
    static TSpeaker speaker;
    return speaker;
}

} // namespace

QList<TSpeechVoice> SpeechVoices(int timeoutMs)
{
    QList<TSpeechVoice> voices;
    QString why;
    Speaker().SetUp(timeoutMs, voices, why);
    return voices;
}

QString SpeechUnavailable(int timeoutMs)
{
    QList<TSpeechVoice> voices;
    QString why;
    Speaker().SetUp(timeoutMs, voices, why);
    return why;
}

QString DesktopLanguage()
{
    // QLocale() rather than the system's: what the program was told to use.
    return QLocale().bcp47Name().toLower();
}

QString MatchVoice(const QList<TSpeechVoice> &voices, const QString &wanted)
{
    // No choice made yet stands for the desktop's language.
    const QString w = (wanted.trimmed().isEmpty() ? DesktopLanguage() : wanted.trimmed()).toLower().replace('_', '-');
    const QString language = w.section('-', 0, 0);
    // A language alone also takes a voice of that language for some country
    // (espeak-ng's English is "en-gb").
    auto find = [&voices](const QString &l, bool orCountry) -> QString {
        if (l.isEmpty())
            return {};
        for (const TSpeechVoice &v : voices)
            if (v.Language.compare(l, Qt::CaseInsensitive) == 0)
                return v.Language;
        if (orCountry) {
            const TSpeechVoice *best = nullptr;
            for (const TSpeechVoice &v : voices)
                if (v.Also.contains(l.toLower()) && (!best || v.Also[l.toLower()] < best->Also[l.toLower()]))
                    best = &v;
            if (best)
                return best->Language;
            for (const TSpeechVoice &v : voices)
                if (v.Language.startsWith(l + '-', Qt::CaseInsensitive))
                    return v.Language;
        }
        return {};
    };
    for (const QString &found : {find(w, false), find(language, true), find(QStringLiteral("en"), true)})
        if (!found.isEmpty())
            return found;
    return voices.isEmpty() ? QString() : voices.first().Language;
}

QString SpeechLabel(const QString &text) { return QStringLiteral("voice:") + text; }

void SpeechPrepare(const QString &text, const QString &voice) { Speaker().Prepare(text, voice); }

void SpeechPlay(const QString &text, const QString &voice) { PlaySoundVoice(Speaker().Ask(text, voice)); }

bool SpeechPrepared(const QString &text, const QString &voice) { return Speaker().Prepared(text, voice); }

QByteArray SpeechWave(const QString &text, const QString &voice, int timeoutMs)
{
    return Speaker().Wave(text, voice, timeoutMs);
}

void SetSpeechDataPath(const QString &path) { Speaker().SetDataPath(path); }
