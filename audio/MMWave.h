#pragma once
// RIFF WAVE files: TMMWave holds one wave (its file name, parsed information
// and, while reading or writing, the open file); TMMWaveFile is the chain
// component around it. Without an Input the component is a source that the
// chain pulls from; with an Input it records what is pushed through it.
//
// Reading never trusts sizes that were not patched: a recording that was cut
// off before its header was finished still plays up to the end of the file.
// Writing keeps the file a valid wave file at every failure: when the volume
// fills up or a write fails, the file is finished with the data written so far.
//
// A recording never destroys the file it replaces before it holds sound: it
// is written to a take beside that file (WaveTakeName), which is renamed over
// it, durably, at the first commit that holds data or at the close. Each
// commit puts the data on the disk with sizes that describe it; what a crash
// leaves is settled by RecoverRecordings at the next start.
#include "audio/MMObj.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;

// ---------------------------------------------------------------------------
// Parsed file information

enum TWaveOpenMode { womClosed, womRead, womCreate };

// RIFF INFO identifiers handled, in this order.
constexpr int WaveInfoCount = 23;
extern const std::array<const char *, WaveInfoCount> WaveInfoIds;
// Index of an INFO identifier (e.g. "INAM"), or -1.
int WaveInfoIndex(const char *Id);

struct TMMDisplayItem {
    uint32_t Type = 0;  // clipboard-style type, 1 = text
    QByteArray Data;    // chunk body after the type, kept unchanged
};

struct TWaveInfo {
    TWaveOpenMode OpenMode = womClosed;
    int Handle = -1;
    // RIFF chunk: declared size and the offset where its contents end
    uint32_t RiffSize = 0;
    int64_t RiffEnd = 0;
    // data chunk header while writing: where its size field sits
    int64_t DataSizeOffset = 0;
    int64_t FileSize = 0;
    int64_t DataBytes = 0;     // length of the sample data
    int64_t DataOffset = 0;    // file offset of the first sample byte
    int64_t SampleCount = 0;   // length in sample frames
    int64_t FactSamples = -1;  // value of the first "fact" chunk, -1 without one
    int64_t StartPos = 0;      // sample frames: the part that is played
    int64_t EndPos = 0;
    int64_t RemainingBytes = 0;
    int64_t CurrentPos = 0;    // sample frames from StartPos
    QString FileName;
    std::vector<TMMDisplayItem> DisplayItems;
    std::array<QByteArray, WaveInfoCount> InfoItems; // text without its zero byte
    TWaveFormatPtr Format;     // room for at least 18 bytes
    // buffered output while writing
    std::vector<char> IOBuffer;
    size_t IOUsed = 0;
    int64_t FlushedBytes = 0;  // data bytes that reached the file
    bool WriteFailed = false;
    QString TakeName;          // written here until it replaces FileName
};

// Parses a RIFF WAVE image. False when it is not a readable wave: no RIFF
// header of form WAVE, or no complete "fmt " chunk followed by a "data" chunk.
// Fills Info's format, INFO and DISP items, data offset and length (whole
// frames) and the sample count; positions are reset. Never reads beyond the
// device and never allocates more than the device holds.
bool ParseWaveInfo(QIODevice &Device, TWaveInfo &Info);

// Where a recording into Path is written until it holds sound.
QString WaveTakeName(const QString &Path);

// Finishes a wave file this program was writing when it stopped (a crash, a
// power cut) as its close would have: the sizes describe the whole frames
// present (a partial frame is dropped) and the trailer follows the data.
// Files that are whole, or not laid out as this program writes, are left as
// they are. Returns the file's data bytes, or -1 when it is no wave of ours.
int64_t RepairWaveFile(const QString &Path);

// Settles the recordings a crash cut off in Folder, before anything plays
// them: a take that holds sound and is not older than the file it was to
// replace takes that file's place, any other take is removed, and every wave
// file is repaired (RepairWaveFile).
void RecoverRecordings(const QString &Folder);

// ---------------------------------------------------------------------------
// TMMObject, TMMWave

class TMMObject {
public:
    virtual ~TMMObject() = default;
    using TChangeHandler = std::function<void(TMMObject *Sender)>;
    // Runs the object's own change step, then every listener.
    void Changed();
    void AddChangeListener(const void *Owner, TChangeHandler Handler);
    void RemoveChangeListener(const void *Owner);

protected:
    virtual void DoChange() {}

private:
    std::vector<std::pair<const void *, TChangeHandler>> FListeners;
};

using TMMWaveProgress = std::function<void(TMMObject *Sender, int64_t CurByte, int64_t NumBytes, bool &Cancel)>;

// Free bytes on the volume that holds an open file; replaceable so tests can
// play a nearly full volume. Returns -1 when unknown (then writing goes on).
using TFreeSpaceProbe = std::function<int64_t(int Handle)>;
void SetFreeSpaceProbe(TFreeSpaceProbe Probe);

class TMMWave : public TMMObject {
public:
    TMMWave();
    ~TMMWave() override;

    void Assign(const TMMWave &Source);

    const QString &FileName() const { return FFileName; }
    void SetFileName(const QString &Name);
    bool FileMustExist = true;
    int IOBufferSize() const { return FIOBufferSize; }
    void SetIOBufferSize(int Value);
    TMMTimeFormats TimeFormat = tfSample;
    TMMWaveProgress OnProgress;
    // Runs when a new file name is about to drop the open file, so that a
    // chain still reading or writing it can let go first.
    std::function<void(TMMWave *Sender)> OnFileNameChanging;

    void CreateFile(const QString &Name, const TWaveFormatEx *Format);
    void OpenFile();
    void CloseFile();
    // Puts what was written on the disk, sizes patched to describe it, and
    // the take in the file's place once it holds data. False when the data
    // could not be written: the file is then finished with what reached it.
    bool CommitData();
    // True while the take written has not replaced an existing file.
    bool KeepsEarlierFile() const;
    bool IsFileOpen() const { return FInfo && FInfo->Handle >= 0; }
    bool WriteFailed() const { return FInfo && FInfo->WriteFailed; }
    int Handle() const { return FInfo ? FInfo->Handle : -1; }

    int64_t ReadData(void *Buffer, int64_t Count);
    int64_t WriteData(const void *Buffer, int64_t Count);

    // In TimeFormat units; -1 without a file.
    int64_t Position() const;
    void SetPosition(int64_t Value);
    int64_t StartPosition() const;
    void SetStartPosition(int64_t Value);
    int64_t EndPosition() const;
    void SetEndPosition(int64_t Value);
    int64_t RemainingBytes() const { return FInfo ? FInfo->RemainingBytes : 0; }

    // Read-only views
    const TWaveFormatEx *WaveFormat() const { return FInfo ? FInfo->Format.get() : nullptr; }
    int BitLength() const;
    TMMMode Mode() const;
    int FormatTag() const;
    QString FormatString() const;
    int SampleRate() const;
    int64_t FileSize() const;
    int64_t DataSize() const; // in TimeFormat units
    int64_t DataBytes() const { return FInfo ? FInfo->DataBytes : 0; }
    int64_t SampleCount() const { return FInfo ? FInfo->SampleCount : 0; }
    const TWaveInfo *WaveInfo() const { return FInfo.get(); }
    QByteArray InfoItem(const char *Id) const;

    // Closes the file and forgets everything (name, information).
    void ClearWave();

private:
    void SeekSamples(int64_t Samples);
    void ClampRemaining();
    bool FlushIOBuffer();
    void WriteFailure(int64_t OnDisk);
    void PatchSizes(int64_t FileLength);
    // Renames the take over the file it replaces, or drops an empty one.
    void SettleTake();
    int64_t DataBytesOnDisk() const;

    std::unique_ptr<TWaveInfo> FInfo;
    QString FFileName;
    int FIOBufferSize = 32768;
};

// ---------------------------------------------------------------------------
// Wave file components

class TMMCustomWaveFile : public TMMDSPComponent {
public:
    TMMCustomWaveFile();
    ~TMMCustomWaveFile() override;

    TMMWave *Wave() { return FWave.get(); }
    const TMMWave *Wave() const { return FWave.get(); }
    void SetWave(const TMMWave &Value) { FWave->Assign(Value); }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    uint16_t SilenceValue() const { return FSilenceValue; }
    bool IsFileOpen() const { return FIsFileOpen; }
    bool IsFileStarted() const { return FIsFileStarted; }

    TMMNotifyEvent OnOpen, OnClose, OnChange, OnChanged;

    void AssignWaveFormat(const TWaveFormatEx *Format) override;
    void Opened() override;
    void Closed() override;
    void Started() override;
    void Stopped() override;
    void BufferReady(PWaveHdr lpWaveHdr) override;
    void BufferLoad(PWaveHdr lpWaveHdr, bool &MoreBuffers) override;
    void Commit() override;

private:
    void WaveChanged();
    // Closes the device driving this component's chain (the file is about
    // to change under it).
    void ReleaseChain();
    void RecordThrough(PWaveHdr lpWaveHdr);
    void FinishEarly();

    std::unique_ptr<TMMWave> FWave;
    int64_t FStartPosition = 0;
    std::atomic<uint16_t> FSilenceValue{128};
    std::atomic<bool> FEnabled{true};
    std::atomic<bool> FIsFileOpen{false};
    std::atomic<bool> FIsFileStarted{false};
    // The file was finished by a failed write on the worker; the chain's own
    // Closed (user-interface thread) completes the close and fires OnClose.
    std::atomic<bool> FFinishedEarly{false};
};

class TMMWaveFile : public TMMCustomWaveFile {};
