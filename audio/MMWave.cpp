#include "audio/MMWave.h"

#include "platform/AtomicFile.h"
#include "sound/WaveSound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

const std::array<const char *, WaveInfoCount> WaveInfoIds = {
    "IARL", "IART", "ICMS", "ICMT", "ICOP", "ICRD", "ICRP", "IDIM", "IDPI", "IENG", "IGNR", "IKEY",
    "ILGT", "IMED", "INAM", "IPLT", "IPRD", "ISBJ", "ISFT", "ISHP", "ISRC", "ISRF", "ITCH"};

int WaveInfoIndex(const char *Id)
{
    for (int i = 0; i < WaveInfoCount; ++i)
        if (std::memcmp(WaveInfoIds[i], Id, 4) == 0)
            return i;
    return -1;
}

namespace {

// Items of a size no wave description needs are skipped rather than loaded.
constexpr int64_t MaxItemSize = 1 << 20;
constexpr int64_t MaxFormatSize = 1 << 16;
// The RIFF size fields are 32 bits; a recording stops well before that.
constexpr int64_t MaxWaveFileSize = 0xFFFF0000LL;

uint32_t GetU32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return uint32_t(u[0]) | uint32_t(u[1]) << 8 | uint32_t(u[2]) << 16 | uint32_t(u[3]) << 24;
}

void PutU32(QByteArray &b, uint32_t v)
{
    const char bytes[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
    b.append(bytes, 4);
}

bool ReadAt(QIODevice &d, int64_t Pos, int64_t Count, QByteArray &Out)
{
    if (Pos < 0 || Count < 0 || Pos + Count > d.size() || !d.seek(Pos))
        return false;
    Out = d.read(Count);
    return Out.size() == Count;
}

// A chunk header that plausibly starts here: a printable identifier and a
// size that fits before End.
bool PlausibleChunkAt(QIODevice &d, int64_t Pos, int64_t End)
{
    QByteArray h;
    if (Pos + 8 > End || !ReadAt(d, Pos, 8, h))
        return false;
    for (int i = 0; i < 4; ++i)
        if (uchar(h[i]) < 0x20 || uchar(h[i]) > 0x7E)
            return false;
    return Pos + 8 + int64_t(GetU32(h.constData() + 4)) <= End;
}

void ParseInfoList(QIODevice &d, int64_t Pos, int64_t End, TWaveInfo &Info)
{
    while (Pos + 8 <= End) {
        QByteArray h;
        if (!ReadAt(d, Pos, 8, h))
            return;
        const int64_t size = GetU32(h.constData() + 4);
        const int64_t body = Pos + 8;
        if (body + size > End)
            return;
        const int index = WaveInfoIndex(h.constData());
        QByteArray text;
        if (index >= 0 && size <= MaxItemSize && ReadAt(d, body, size, text)) {
            const int zero = text.indexOf('\0');
            Info.InfoItems[index] = zero >= 0 ? text.left(zero) : text;
        }
        Pos = body + size + (size & 1);
    }
}

int64_t FreeSpaceOf(int Handle)
{
    struct statvfs s;
    if (fstatvfs(Handle, &s) != 0)
        return -1;
    return int64_t(s.f_bavail) * int64_t(s.f_frsize);
}

std::mutex &ProbeLock()
{
    static std::mutex m;
    return m;
}
TFreeSpaceProbe &Probe()
{
    static TFreeSpaceProbe p;
    return p;
}

int64_t FreeSpace(int Handle)
{
    TFreeSpaceProbe p;
    {
        std::lock_guard<std::mutex> g(ProbeLock());
        p = Probe();
    }
    return p ? p(Handle) : FreeSpaceOf(Handle);
}

// Repeats a read or write until Count bytes have moved, resuming after a
// signal and after a short transfer; stops at the end of the file or an
// error. Step(done) moves what is left after `done` bytes. Returns the bytes
// moved.
template <class TStep>
int64_t MoveAll(int64_t Count, TStep Step)
{
    int64_t done = 0;
    while (done < Count) {
        const ssize_t n = Step(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

bool WriteAll(int Fd, const char *Data, int64_t Count, int64_t *Written = nullptr)
{
    const int64_t done =
        MoveAll(Count, [&](int64_t at) { return ::write(Fd, Data + at, size_t(Count - at)); });
    if (Written)
        *Written = done;
    return done == Count;
}

bool PWriteAll(int Fd, const QByteArray &Data, int64_t Offset)
{
    const int64_t count = Data.size();
    return MoveAll(count, [&](int64_t at) {
        return ::pwrite(Fd, Data.constData() + at, size_t(count - at), Offset + at);
    }) == count;
}

int64_t WholeFrames(const TWaveFormatEx *Format, int64_t Bytes)
{
    const int64_t align = Format ? Format->nBlockAlign : 0;
    return align > 1 ? Bytes - Bytes % align : Bytes;
}

bool PReadAll(int Fd, QByteArray &Out, int64_t Count, int64_t Offset)
{
    Out.resize(Count);
    return MoveAll(Count, [&](int64_t at) {
        return ::pread(Fd, Out.data() + at, size_t(Count - at), Offset + at);
    }) == Count;
}

// What a close writes right after the data.
QByteArray FactTrailer(const TWaveFormatEx *Format, int64_t DataBytes)
{
    return WaveFactTrailer(DataBytes, uint32_t(BytesToSamples(Format, DataBytes)));
}

bool SyncFile(int Fd)
{
    int rc;
    do
        rc = ::fsync(Fd);
    while (rc != 0 && errno == EINTR);
    return rc == 0;
}

// The data length of a recording cut off by a crash, from what the file
// holds: Size and Riff are its header's size fields, Room the bytes from the
// first sample to the end of the file. -1 when the file is whole (or ends
// in chunks of its own), so nothing is to be done.
int64_t CutDataLength(int Fd, const TWaveFormatEx *Format, int64_t DataOffset, int64_t Size, int64_t Riff,
                      int64_t Room)
{
    if (Size <= Room) {
        const QByteArray expected = FactTrailer(Format, Size);
        const int64_t after = Room - Size;
        QByteArray tail;
        if (after > 0 && after <= expected.size() && PReadAll(Fd, tail, after, DataOffset + Size)
            && expected.startsWith(tail)) {
            // The data size was patched; the close stopped within its trailer.
            const bool whole = tail == expected && Riff == DataOffset + Room - 8;
            return whole ? -1 : Size;
        }
        if (after > 0 && Riff == DataOffset + Room - 8)
            return -1;
    }
    // Samples up to the end: the header was patched at some earlier commit.
    return WholeFrames(Format, Room);
}

} // namespace

QString WaveTakeName(const QString &Path) { return Path + QStringLiteral(".take"); }

int64_t RepairWaveFile(const QString &Path)
{
    const int fd = ::open(QFile::encodeName(Path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct TCloser {
        int Fd;
        ~TCloser() { ::close(Fd); }
    } closer{fd};
    struct stat st;
    TWaveHead head;
    const auto readAt = [fd](int64_t Pos, int64_t Count, QByteArray &Out) { return PReadAll(fd, Out, Count, Pos); };
    // Only the layout this program writes: its format chunk, then the data.
    if (fstat(fd, &st) != 0 || !ReadWaveHead(readAt, head) || head.Format.size() < 18)
        return -1;
    const int64_t fmtSize = head.Format.size();
    TWaveFormatPtr format = AllocWaveFormat(size_t(fmtSize));
    std::memcpy(format.get(), head.Format.constData(), size_t(fmtSize));
    if (int64_t(WaveFormatSize(format.get())) != fmtSize)
        return -1;
    const int64_t dataOffset = head.DataAt;
    const int64_t size = head.DataBytes;
    const int64_t length =
        CutDataLength(fd, format.get(), dataOffset, size, head.RiffSize, int64_t(st.st_size) - dataOffset);
    if (length < 0)
        return size;
    const QByteArray trailer = FactTrailer(format.get(), length);
    const int64_t fileLength = dataOffset + length + trailer.size();
    if (::ftruncate(fd, dataOffset + length) != 0 || !PWriteAll(fd, trailer, dataOffset + length)
        || !PWriteAll(fd, WaveSizeField(uint32_t(length)), head.DataSizeAt)
        || !PWriteAll(fd, WaveSizeField(uint32_t(fileLength - 8)), WaveRiffSizeAt) || !SyncFile(fd))
        return -1;
    return length;
}

void RecoverRecordings(const QString &Folder)
{
    const QDir dir(Folder);
    // Takes first: one put in place is then repaired with the other files.
    for (const QString &name : dir.entryList({QStringLiteral("*.take")}, QDir::Files)) {
        const QString take = dir.filePath(name);
        const QString target = take.chopped(5);
        const QFileInfo takeInfo(take), targetInfo(target);
        const bool newer = !targetInfo.exists() || takeInfo.lastModified() >= targetInfo.lastModified();
        if (newer && RepairWaveFile(take) > 0 && RenameFileDurably(take, target))
            continue;
        QFile::remove(take);
    }
    for (const QString &name : dir.entryList({QStringLiteral("*.wav")}, QDir::Files))
        RepairWaveFile(dir.filePath(name));
}

void SetFreeSpaceProbe(TFreeSpaceProbe P)
{
    std::lock_guard<std::mutex> g(ProbeLock());
    Probe() = std::move(P);
}

// ---------------------------------------------------------------------------
// Parsing

bool ParseWaveInfo(QIODevice &d, TWaveInfo &Info)
{
    const int64_t fileSize = d.size();
    QByteArray h;
    if (fileSize < 12 || !ReadAt(d, 0, 12, h))
        return false;
    if (std::memcmp(h.constData(), "RIFF", 4) != 0 || std::memcmp(h.constData() + 8, "WAVE", 4) != 0)
        return false;
    Info.RiffSize = GetU32(h.constData() + 4);
    // A size that cannot hold even the form type, or that runs past the file,
    // was never patched (or the file was cut): the file's end is the bound.
    int64_t riffEnd = 8 + int64_t(Info.RiffSize);
    if (Info.RiffSize < 4 || riffEnd > fileSize)
        riffEnd = fileSize;
    Info.RiffEnd = riffEnd;
    Info.FileSize = fileSize;

    bool fmtSeen = false, dataSeen = false, factSeen = false;
    int64_t dataEnd = 0;
    int64_t pos = 12;
    while (pos + 8 <= riffEnd) {
        if (!ReadAt(d, pos, 8, h))
            break;
        const char *id = h.constData();
        const int64_t size = GetU32(h.constData() + 4);
        const int64_t body = pos + 8;
        const bool runsPast = body + size > riffEnd;
        if (runsPast && fmtSeen && dataSeen)
            break;

        if (std::memcmp(id, "fmt ", 4) == 0 && !fmtSeen) {
            if (runsPast || size > MaxFormatSize)
                break;
            QByteArray body_;
            if (!ReadAt(d, body, size, body_))
                break;
            // Room for the 18 bytes of the record even when the chunk is shorter.
            Info.Format = AllocWaveFormat(size_t(std::max<int64_t>(size, 18)));
            std::memcpy(Info.Format.get(), body_.constData(), size_t(size));
            if (Info.Format->wFormatTag == WAVE_FORMAT_PCM || size < 18)
                Info.Format->cbSize = 0; // meaningless for PCM (some writers leave garbage)
            else if (Info.Format->cbSize > size - 18)
                Info.Format->cbSize = uint16_t(size - 18); // never claim bytes that are not there
            fmtSeen = true;
        } else if (std::memcmp(id, "data", 4) == 0 && !dataSeen && fmtSeen) {
            Info.DataOffset = body;
            if (size > 0 && !runsPast)
                dataEnd = body + size;                // a patched size
            else if (size == 0 && PlausibleChunkAt(d, body, riffEnd))
                dataEnd = body;                       // really empty, another chunk follows
            else
                dataEnd = riffEnd;                    // unpatched or cut off: up to the end
            dataSeen = true;
            if (dataEnd == riffEnd)
                break;
            pos = dataEnd + ((dataEnd - body) & 1);
            continue;
        } else if (std::memcmp(id, "fact", 4) == 0 && !factSeen && !runsPast && size >= 4) {
            QByteArray v;
            if (ReadAt(d, body, 4, v)) {
                Info.FactSamples = GetU32(v.constData());
                factSeen = true;
            }
        } else if (std::memcmp(id, "LIST", 4) == 0 && !runsPast && size >= 4) {
            QByteArray form;
            if (ReadAt(d, body, 4, form) && form == "INFO")
                ParseInfoList(d, body + 4, body + size, Info);
        } else if (std::memcmp(id, "DISP", 4) == 0 && !runsPast && size >= 4 && size <= MaxItemSize) {
            QByteArray disp;
            if (ReadAt(d, body, size, disp)) {
                TMMDisplayItem item;
                item.Type = GetU32(disp.constData());
                item.Data = disp.mid(4);
                Info.DisplayItems.push_back(std::move(item));
            }
        }
        if (runsPast)
            break;
        pos = body + size + (size & 1);
    }
    if (!fmtSeen || !dataSeen)
        return false;

    const TWaveFormatEx *f = Info.Format.get();
    Info.DataBytes = WholeFrames(f, std::max<int64_t>(dataEnd - Info.DataOffset, 0));
    Info.SampleCount = BytesToSamples(f, Info.DataBytes);
    Info.StartPos = 0;
    Info.EndPos = Info.SampleCount;
    Info.CurrentPos = 0;
    Info.RemainingBytes = 0;
    return true;
}

static bool ParseWaveFile(const QString &Path, TWaveInfo &Info)
{
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return ParseWaveInfo(f, Info);
}

// ---------------------------------------------------------------------------
// TMMObject

void TMMObject::Changed()
{
    DoChange();
    // Copy: a listener may add or remove listeners.
    const auto listeners = FListeners;
    for (const auto &l : listeners)
        if (l.second)
            l.second(this);
}

void TMMObject::AddChangeListener(const void *Owner, TChangeHandler Handler)
{
    FListeners.emplace_back(Owner, std::move(Handler));
}

void TMMObject::RemoveChangeListener(const void *Owner)
{
    FListeners.erase(std::remove_if(FListeners.begin(), FListeners.end(),
                                    [Owner](const auto &l) { return l.first == Owner; }),
                     FListeners.end());
}

// ---------------------------------------------------------------------------
// TMMWave

TMMWave::TMMWave() = default;

TMMWave::~TMMWave()
{
    try {
        CloseFile();
    } catch (...) {
    }
}

void TMMWave::Assign(const TMMWave &Source)
{
    if (&Source == this)
        return;
    FileMustExist = Source.FileMustExist;
    FIOBufferSize = Source.FIOBufferSize;
    TimeFormat = Source.TimeFormat;
    SetFileName(Source.FFileName);
}

void TMMWave::SetIOBufferSize(int Value) { FIOBufferSize = std::max(Value, 8192); }

void TMMWave::SetFileName(const QString &Name)
{
    const QString full = Name.isEmpty() ? QString() : QFileInfo(Name).absoluteFilePath();
    if (full == FFileName)
        return;
    if (OnFileNameChanging)
        OnFileNameChanging(this);
    if (full.isEmpty()) {
        ClearWave();
        Changed();
        return;
    }
    const QFileInfo fi(full);
    const bool exists = fi.exists() && fi.isFile();
    auto info = std::make_unique<TWaveInfo>();
    if (exists && ParseWaveFile(full, *info)) {
        ClearWave();
        info->FileName = full;
        FInfo = std::move(info);
        FFileName = full;
        Changed();
        return;
    }
    if (exists || FileMustExist)
        throw EMMWaveError(MMMessage(exists ? 28133 : 28130));
    ClearWave();
    FFileName = full;
    Changed();
}

void TMMWave::ClearWave()
{
    CloseFile();
    FFileName.clear();
    FInfo.reset();
}

void TMMWave::CreateFile(const QString &Name, const TWaveFormatEx *Format)
{
    if (!Format || Name.isEmpty())
        return;
    const QString path = QFileInfo(Name).absoluteFilePath();
    auto info = std::make_unique<TWaveInfo>();
    int fd = -1;
    try {
        if (path.isEmpty() || QFileInfo(path).fileName().isEmpty())
            throw EMMWaveError(MMMessage(28139));
        // The old recording stays until the new one holds sound.
        info->TakeName = WaveTakeName(path);
        const QByteArray native = QFile::encodeName(info->TakeName);
        info->Format = CopyWaveFormat(Format);
        if (info->Format->wFormatTag == WAVE_FORMAT_PCM)
            info->Format->cbSize = 0;
        info->FileName = path;
        fd = ::open(native.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0)
            throw EMMWaveError(MMMessage(28139));

        const QByteArray format(reinterpret_cast<const char *>(info->Format.get()),
                                qsizetype(WaveFormatSize(info->Format.get())));
        // Both sizes are patched at each commit and on close.
        const QByteArray header = WaveHead(format, 0, 0);
        // The header goes out at once: a recording cut off later still parses.
        if (!WriteAll(fd, header.constData(), header.size()))
            throw EMMWaveError(MMMessage(28139));
        info->Handle = fd;
        info->OpenMode = womCreate;
        info->RiffEnd = header.size();
        info->DataOffset = header.size();
        info->DataSizeOffset = header.size() - 4;
        info->FileSize = header.size();
    } catch (...) {
        if (fd >= 0)
            ::close(fd);
        throw;
    }

    ClearWave();
    FInfo = std::move(info);
    FFileName = path;
    try {
        FInfo->IOBuffer.resize(size_t(FIOBufferSize));
    } catch (const std::bad_alloc &) {
        throw EMMWaveError(MMMessage(28137));
    }
    Changed();
}

void TMMWave::OpenFile()
{
    if (!FInfo || FInfo->Handle >= 0)
        return;
    const int fd = ::open(QFile::encodeName(FInfo->FileName).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw EMMWaveError(MMMessage(28138));
    QByteArray head;
    const bool whole = PReadAll(fd, head, 12, 0);
    const char *h = head.constData();
    if (!whole || std::memcmp(h, "RIFF", 4) != 0 || std::memcmp(h + 8, "WAVE", 4) != 0) {
        ::close(fd);
        throw EMMWaveError(MMMessage(28138));
    }
    FInfo->Handle = fd;
    FInfo->OpenMode = womRead;
    SeekSamples(FInfo->CurrentPos);
}

int64_t TMMWave::DataBytesOnDisk() const { return FInfo->FlushedBytes; }

void TMMWave::WriteFailure(int64_t OnDisk)
{
    // Keep what reached the disk, in whole frames, and nothing half-written.
    TWaveInfo &i = *FInfo;
    i.WriteFailed = true;
    i.IOUsed = 0;
    i.DataBytes = WholeFrames(i.Format.get(), std::min(OnDisk, i.DataBytes));
    i.FlushedBytes = i.DataBytes;
    (void)!::ftruncate(i.Handle, i.DataOffset + i.DataBytes);
    ::lseek(i.Handle, i.DataOffset + i.DataBytes, SEEK_SET);
    const int64_t before = i.SampleCount;
    i.SampleCount = BytesToSamples(i.Format.get(), i.DataBytes);
    i.CurrentPos -= before - i.SampleCount;
}

bool TMMWave::FlushIOBuffer()
{
    TWaveInfo &i = *FInfo;
    if (i.IOUsed == 0)
        return !i.WriteFailed;
    int64_t written = 0;
    const bool ok = WriteAll(i.Handle, i.IOBuffer.data(), int64_t(i.IOUsed), &written);
    i.FlushedBytes += written;
    i.IOUsed = 0;
    if (!ok) {
        WriteFailure(i.FlushedBytes);
        return false;
    }
    return true;
}

int64_t TMMWave::WriteData(const void *Buffer, int64_t Count)
{
    if (!FInfo || FInfo->OpenMode != womCreate || FInfo->Handle < 0 || Count <= 0 || !Buffer)
        return -1;
    TWaveInfo &i = *FInfo;
    if (i.WriteFailed)
        return -1;
    if (i.DataOffset + i.DataBytes + Count + 1024 > MaxWaveFileSize) {
        // The size fields cannot describe more: finish here like a full volume.
        FlushIOBuffer();
        return -1;
    }
    const char *p = static_cast<const char *>(Buffer);
    int64_t left = Count;
    if (i.IOUsed == 0 && left >= int64_t(i.IOBuffer.size())) {
        int64_t written = 0;
        const bool ok = WriteAll(i.Handle, p, left, &written);
        i.FlushedBytes += written;
        if (!ok) {
            i.DataBytes += written;
            WriteFailure(i.FlushedBytes);
            return -1;
        }
        left = 0;
    }
    while (left > 0) {
        if (i.IOUsed == i.IOBuffer.size() && !FlushIOBuffer())
            return -1;
        const int64_t n = std::min<int64_t>(left, int64_t(i.IOBuffer.size() - i.IOUsed));
        std::memcpy(i.IOBuffer.data() + i.IOUsed, p, size_t(n));
        i.IOUsed += size_t(n);
        p += n;
        left -= n;
    }
    const int64_t before = i.SampleCount;
    i.DataBytes += Count;
    i.SampleCount = BytesToSamples(i.Format.get(), i.DataBytes);
    i.CurrentPos += i.SampleCount - before;
    i.EndPos = i.SampleCount;
    return Count;
}

void TMMWave::PatchSizes(int64_t FileLength)
{
    TWaveInfo &i = *FInfo;
    PWriteAll(i.Handle, WaveSizeField(uint32_t(i.DataBytes)), i.DataSizeOffset);
    i.RiffSize = uint32_t(std::max<int64_t>(FileLength - 8, 0));
    PWriteAll(i.Handle, WaveSizeField(i.RiffSize), WaveRiffSizeAt);
    i.RiffEnd = FileLength;
    i.FileSize = FileLength;
}

void TMMWave::SettleTake()
{
    TWaveInfo &i = *FInfo;
    if (i.TakeName.isEmpty())
        return;
    const QByteArray take = QFile::encodeName(i.TakeName);
    if (i.DataBytes == 0 && QFileInfo::exists(i.FileName)) {
        ::unlink(take.constData()); // nothing recorded: the earlier recording stays
        i.TakeName.clear();
        return;
    }
    // A failed rename is tried again at the next commit or close, and settled
    // at the next start when it never succeeds.
    if (RenameFileDurably(i.TakeName, i.FileName) || !QFileInfo::exists(i.TakeName))
        i.TakeName.clear();
}

bool TMMWave::KeepsEarlierFile() const
{
    return FInfo && !FInfo->TakeName.isEmpty() && QFileInfo::exists(FInfo->FileName);
}

bool TMMWave::CommitData()
{
    if (!FInfo || FInfo->OpenMode != womCreate || FInfo->Handle < 0)
        return true;
    TWaveInfo &i = *FInfo;
    if (!FlushIOBuffer())
        return false;
    // The data chunk runs to the end of the file for now; the close adds
    // what follows it.
    PatchSizes(i.DataOffset + i.DataBytes);
    (void)::fdatasync(i.Handle);
    if (i.DataBytes > 0)
        SettleTake();
    return true;
}

void TMMWave::CloseFile()
{
    if (!FInfo || FInfo->Handle < 0)
        return;
    TWaveInfo &i = *FInfo;
    const bool created = i.OpenMode == womCreate;
    if (created) {
        FlushIOBuffer();
        const TWaveFormatEx *f = i.Format.get();
        QByteArray tail = FactTrailer(f, i.DataBytes);
        for (const TMMDisplayItem &item : i.DisplayItems) {
            tail.append("DISP", 4);
            PutU32(tail, uint32_t(4 + item.Data.size()));
            PutU32(tail, item.Type);
            tail.append(item.Data);
            if (item.Data.size() & 1)
                tail.append('\0');
        }
        std::vector<std::pair<const char *, QByteArray>> info;
        for (int k = 0; k < WaveInfoCount; ++k)
            if (!i.InfoItems[k].isEmpty())
                info.emplace_back(WaveInfoIds[k], i.InfoItems[k]);
        tail.append(WaveInfoList(info));
        int64_t dataEnd = i.DataOffset + i.DataBytes;
        // The data size goes first and the RIFF size last, so that a close
        // cut off in between is told apart by RepairWaveFile.
        if (i.WriteFailed || !PWriteAll(i.Handle, WaveSizeField(uint32_t(i.DataBytes)), i.DataSizeOffset)
            || !PWriteAll(i.Handle, tail, dataEnd)) {
            // No room for the trailer: end the file on an even boundary right
            // after the data, which leaves a valid wave without "fact".
            if (i.DataBytes & 1)
                --i.DataBytes;
            dataEnd = i.DataOffset + i.DataBytes;
            (void)!::ftruncate(i.Handle, dataEnd);
            i.SampleCount = BytesToSamples(f, i.DataBytes);
        }
        struct stat st;
        PatchSizes(fstat(i.Handle, &st) == 0 ? int64_t(st.st_size) : dataEnd);
        SyncFile(i.Handle);
        i.EndPos = i.SampleCount;
        i.IOBuffer.clear();
        i.IOBuffer.shrink_to_fit();
    }
    ::close(i.Handle);
    i.Handle = -1;
    i.OpenMode = womClosed;
    i.RemainingBytes = 0;
    i.CurrentPos = 0;
    if (created)
        SettleTake();
}

int64_t TMMWave::ReadData(void *Buffer, int64_t Count)
{
    if (!FInfo || FInfo->Handle < 0 || FInfo->OpenMode != womRead || FInfo->RemainingBytes <= 0 || !Buffer)
        return -1;
    TWaveInfo &i = *FInfo;
    if (Count <= 0)
        return 0;
    const int64_t want = std::min(Count, i.RemainingBytes);
    const int64_t got = MoveAll(want, [&](int64_t at) {
        return ::read(i.Handle, static_cast<char *>(Buffer) + at, size_t(want - at));
    });
    if (got < Count)
        i.RemainingBytes = 0;
    else
        i.RemainingBytes = std::max<int64_t>(i.RemainingBytes - got, 0);
    i.CurrentPos += BytesToSamples(i.Format.get(), got);
    return got;
}

int64_t TMMWave::Position() const
{
    return FInfo ? SamplesToTimeFormat(FInfo->Format.get(), TimeFormat, FInfo->CurrentPos) : -1;
}

int64_t TMMWave::StartPosition() const
{
    return FInfo ? SamplesToTimeFormat(FInfo->Format.get(), TimeFormat, FInfo->StartPos) : -1;
}

int64_t TMMWave::EndPosition() const
{
    return FInfo ? SamplesToTimeFormat(FInfo->Format.get(), TimeFormat, FInfo->EndPos) : -1;
}

void TMMWave::SetStartPosition(int64_t Value)
{
    if (!FInfo)
        return;
    TWaveInfo &i = *FInfo;
    const int64_t s = MMClamp<int64_t>(TimeFormatToSamples(i.Format.get(), TimeFormat, Value), 0, i.SampleCount);
    if (s < 0 || s >= i.EndPos)
        throw EMMWaveError(MMMessage(28145));
    i.StartPos = s;
    i.RemainingBytes = SamplesToBytes(i.Format.get(), i.EndPos - s);
    ClampRemaining();
}

void TMMWave::SetEndPosition(int64_t Value)
{
    if (!FInfo)
        return;
    TWaveInfo &i = *FInfo;
    const int64_t e = MMClamp<int64_t>(TimeFormatToSamples(i.Format.get(), TimeFormat, Value), 0, i.SampleCount);
    if (e <= i.StartPos || e > i.SampleCount)
        throw EMMWaveError(MMMessage(28146));
    i.EndPos = e;
    i.RemainingBytes = SamplesToBytes(i.Format.get(), e - i.StartPos);
    ClampRemaining();
}

void TMMWave::SetPosition(int64_t Value)
{
    if (FInfo)
        SeekSamples(TimeFormatToSamples(FInfo->Format.get(), TimeFormat, Value));
}

void TMMWave::ClampRemaining()
{
    // Never more than the data left after the file's read offset.
    TWaveInfo &i = *FInfo;
    if (i.Handle < 0 || i.OpenMode != womRead)
        return;
    const int64_t offset = ::lseek(i.Handle, 0, SEEK_CUR);
    if (offset >= 0)
        i.RemainingBytes = MMClamp<int64_t>(i.RemainingBytes, 0, i.DataOffset + i.DataBytes - offset);
}

void TMMWave::SeekSamples(int64_t Samples)
{
    TWaveInfo &i = *FInfo;
    const TWaveFormatEx *f = i.Format.get();
    const int64_t last = std::max<int64_t>(i.EndPos - i.StartPos - 1, 0);
    const int64_t p = MMClamp<int64_t>(Samples, 0, last);
    int64_t b;
    if (i.Handle >= 0 && i.OpenMode == womRead) {
        b = std::min(SamplesToBytes(f, p + i.StartPos), i.DataBytes);
        if (::lseek(i.Handle, i.DataOffset + b, SEEK_SET) < 0)
            throw EMMWaveError(MMMessage(28147));
        // Never beyond the data, even for a format whose sizes disagree.
        i.RemainingBytes = MMClamp<int64_t>(SamplesToBytes(f, i.EndPos) - b, 0, i.DataBytes - b);
    } else {
        b = SamplesToBytes(f, p + i.StartPos);
    }
    i.CurrentPos = BytesToSamples(f, b) - i.StartPos;
}

int TMMWave::BitLength() const { return WaveFormat() ? WaveFormat()->wBitsPerSample : 0; }
TMMMode TMMWave::Mode() const { return WaveFormat() && WaveFormat()->nChannels == 2 ? mStereo : mMono; }
int TMMWave::FormatTag() const { return WaveFormat() ? WaveFormat()->wFormatTag : 0; }
QString TMMWave::FormatString() const { return WaveFormatName(uint16_t(FormatTag())); }
int TMMWave::SampleRate() const { return WaveFormat() ? int(WaveFormat()->nSamplesPerSec) : 11025; }
int64_t TMMWave::FileSize() const { return FInfo ? FInfo->FileSize : 0; }

int64_t TMMWave::DataSize() const
{
    return FInfo ? SamplesToTimeFormat(FInfo->Format.get(), TimeFormat, FInfo->SampleCount) : 0;
}

QByteArray TMMWave::InfoItem(const char *Id) const
{
    const int k = WaveInfoIndex(Id);
    return FInfo && k >= 0 ? FInfo->InfoItems[k] : QByteArray();
}

// ---------------------------------------------------------------------------
// TMMCustomWaveFile

TMMCustomWaveFile::TMMCustomWaveFile() : FWave(std::make_unique<TMMWave>())
{
    FWave->AddChangeListener(this, [this](TMMObject *) { WaveChanged(); });
    FWave->OnFileNameChanging = [this](TMMWave *) { ReleaseChain(); };
}

void TMMCustomWaveFile::ReleaseChain()
{
    // The ring buffer's worker may be inside this file right now; closing the
    // device stops the worker and closes the file in the chain's order.
    if (!FIsOpen)
        return;
    for (TMMDSPComponent *c = FOutput; c; c = c->GetOutput())
        if (auto *device = dynamic_cast<TMMCustomSoundComponent *>(c)) {
            device->Close();
            return;
        }
    for (TMMDSPComponent *c = FInput; c; c = c->GetInput())
        if (auto *device = dynamic_cast<TMMCustomSoundComponent *>(c)) {
            device->Close();
            return;
        }
}

TMMCustomWaveFile::~TMMCustomWaveFile()
{
    FComponentState |= csDestroying;
    try {
        if (FIsFileOpen || FFinishedEarly)
            Closed();
    } catch (...) {
    }
    FWave->RemoveChangeListener(this);
    FWave->OnFileNameChanging = nullptr;
}

void TMMCustomWaveFile::WaveChanged()
{
    if (OnChange)
        OnChange(this);
    try {
        if (FWave->FileMustExist || FWave->WaveFormat())
            AssignWaveFormat(FWave->WaveFormat());
    } catch (...) {
        if (OnChanged)
            OnChanged(this);
        throw;
    }
    if (OnChanged)
        OnChanged(this);
}

void TMMCustomWaveFile::AssignWaveFormat(const TWaveFormatEx *Format)
{
    TMMDSPComponent::AssignWaveFormat(Format);
    const TWaveFormatEx *f = GetWaveFormat();
    FSilenceValue = (f && f->wFormatTag == WAVE_FORMAT_PCM && f->wBitsPerSample == 8) ? 128 : 0;
}

void TMMCustomWaveFile::Opened()
{
    const bool wasOpen = FIsOpen;
    TMMDSPComponent::Opened();
    if (wasOpen || FIsFileOpen)
        return;
    bool opened = false;
    if (FInput) {
        if (FInput->GetWaveFormat() != FWaveFormat.get())
            FWaveFormat = CopyWaveFormat(FInput->GetWaveFormat());
        const QString name = FWave->FileName();
        if (FWaveFormat && !name.isEmpty()) {
            const TWaveFormatPtr format = CopyWaveFormat(FWaveFormat.get());
            FWave->CreateFile(name, format.get());
            opened = true;
        }
    } else if (FWave->DataSize() != 0) {
        FWave->OpenFile();
        FStartPosition = FWave->Position();
        opened = true;
    }
    if (opened) {
        FFinishedEarly = false;
        FIsFileOpen = true;
        if (OnOpen)
            CallInMainThread([this] { OnOpen(this); });
    }
}

void TMMCustomWaveFile::Started()
{
    TMMDSPComponent::Started();
    if (FIsFileOpen && !FIsFileStarted) {
        if (!FInput)
            FWave->SetPosition(FStartPosition);
        FIsFileStarted = true;
    }
}

void TMMCustomWaveFile::Stopped()
{
    if (FIsFileOpen && FIsFileStarted)
        FIsFileStarted = false;
    TMMDSPComponent::Stopped();
}

void TMMCustomWaveFile::Closed()
{
    if (FIsFileOpen || FFinishedEarly) {
        Stopped();
        if (FIsFileOpen) {
            // A recording is never empty: four zero bytes stand in for silence.
            // Unless nothing was recorded over an earlier recording, which then stays.
            if (FInput && !FWave->FileName().isEmpty() && FWaveFormat && FWave->DataBytes() == 0
                && !FWave->WriteFailed() && !FWave->KeepsEarlierFile()) {
                const char zeros[4] = {0, 0, 0, 0};
                FWave->WriteData(zeros, 4);
            }
            FWave->CloseFile();
        }
        FIsFileOpen = false;
        FFinishedEarly = false;
        if (OnClose && !(FComponentState & csDestroying))
            CallInMainThread([this] { OnClose(this); });
    }
    TMMDSPComponent::Closed();
}

void TMMCustomWaveFile::FinishEarly()
{
    // Runs on whichever thread wrote (usually the ring buffer's worker): the
    // file is finished here, and the chain's Closed on the user-interface
    // thread reports it, so that no worker waits for the user interface.
    FIsFileStarted = false;
    FWave->CloseFile();
    FFinishedEarly = true;
    FIsFileOpen = false;
}

void TMMCustomWaveFile::RecordThrough(PWaveHdr lpWaveHdr)
{
    const int64_t n = lpWaveHdr->dwBytesRecorded;
    const int64_t free = FreeSpace(FWave->Handle());
    const bool room = free < 0 || free >= int64_t(FWave->IOBufferSize()) + n + 10240;
    if (!room || FWave->WriteData(lpWaveHdr->lpData, n) < 1)
        FinishEarly();
}

void TMMCustomWaveFile::BufferReady(PWaveHdr lpWaveHdr)
{
    if (FIsFileStarted && FEnabled && FInput && !FWave->FileName().isEmpty() && lpWaveHdr->dwBytesRecorded > 0)
        RecordThrough(lpWaveHdr);
    TMMDSPComponent::BufferReady(lpWaveHdr);
}

void TMMCustomWaveFile::Commit()
{
    // On the ring buffer's worker, like the writes it follows.
    if (FIsFileOpen && !FWave->CommitData())
        FinishEarly();
    TMMDSPComponent::Commit();
}

void TMMCustomWaveFile::BufferLoad(PWaveHdr lpWaveHdr, bool &MoreBuffers)
{
    PWaveHdr h = lpWaveHdr;
    if (FInput) {
        TMMDSPComponent::BufferLoad(h, MoreBuffers);
        if (FIsFileStarted && FEnabled && !FWave->FileName().isEmpty() && h->dwBytesRecorded > 0)
            RecordThrough(h);
        return;
    }
    const bool hasData = FWave->DataSize() != 0;
    if (!hasData) {
        h->dwBytesRecorded = 0;
        return;
    }
    if (FIsFileStarted && FEnabled) {
        const int64_t n = FWave->ReadData(h->lpData, h->dwBufferLength);
        h->dwBytesRecorded = uint32_t(std::max<int64_t>(n, 0));
        if (n <= 0)
            return;
        if (FWave->RemainingBytes() > 0) {
            MoreBuffers = true;
            return;
        }
        if (h->LoopEnabled) {
            if (h->LoopTotal > 0)
                --h->LoopsLeft;
            if (h->LoopTotal != 0 && h->LoopsLeft < 0)
                return;
            FWave->SetPosition(0);
            MoreBuffers = true;
            h->Looped = MMTrue;
        }
        return;
    }
    std::memset(h->lpData, uint8_t(FSilenceValue.load()), h->dwBufferLength);
    h->dwBytesRecorded = h->dwBufferLength;
    MoreBuffers = true;
}
