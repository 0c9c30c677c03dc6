// Wave files: the bytes of a recording, reading real files from other tools,
// file names, positions, and recordings that hit a full volume or a failing write.
#include "audio/MMWave.h"

#include "support/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <map>

#include <sys/resource.h>

namespace {

QByteArray U32(uint32_t v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

QByteArray Pattern(int n, int seed = 0)
{
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 7 + seed) & 0xFF);
    return b;
}

// The recording side of a chain, driven by hand: a source component feeding
// a wave file component, opened, started, fed, stopped and closed.
struct TRecorder {
    TMMDSPComponent Source;
    TMMWaveFile File;
    explicit TRecorder(const TWaveFormatEx &Format, const QString &Path)
    {
        Source.SetWaveFormat(&Format);
        File.SetInput(&Source);
        File.Wave()->FileMustExist = false;
        File.Wave()->TimeFormat = tfMillisecond;
        File.Wave()->SetFileName(Path);
    }
    void Start()
    {
        File.Opened();
        File.Started();
    }
    void Push(const QByteArray &Data)
    {
        TWaveHdrPtr h = AllocWaveHeader(uint32_t(Data.size()));
        std::memcpy(h->lpData, Data.constData(), size_t(Data.size()));
        h->dwBytesRecorded = uint32_t(Data.size());
        Source.BufferReady(h.get());
    }
    void Finish()
    {
        File.Stopped();
        File.Closed();
    }
};

// The 18-byte format chunks of the recordings, written out field by field:
// tag 1, channels, samples per second, bytes per second, block align, bits, no extra bytes.
const QByteArray kFmt8Stereo22050 = QByteArray::fromHex("0100" "0200" "22560000" "44ac0000" "0200" "0800" "0000");
const QByteArray kFmt8Mono11025 = QByteArray::fromHex("0100" "0100" "112b0000" "112b0000" "0100" "0800" "0000");

// A closed recording: RIFF, the format, the data (padded to an even size) and
// the fact chunk with the number of frames.
QByteArray ExpectedRecording(const QByteArray &fmt, int blockAlign, const QByteArray &data)
{
    QByteArray b("RIFF");
    b += U32(0);
    b += "WAVE";
    b += "fmt ";
    b += U32(18);
    b += fmt;
    b += "data";
    b += U32(uint32_t(data.size()));
    b += data;
    if (data.size() & 1)
        b.append('\0');
    b += "fact";
    b += U32(4);
    b += U32(uint32_t(data.size() / blockAlign));
    const QByteArray riff = U32(uint32_t(b.size() - 8));
    b.replace(4, 4, riff);
    return b;
}

// A recording as a commit leaves it: the data chunk runs to the end.
QByteArray CommittedRecording(const QByteArray &fmt, const QByteArray &data)
{
    return "RIFF" + U32(uint32_t(38 + data.size())) + "WAVE" + "fmt " + U32(18) + fmt + "data"
           + U32(uint32_t(data.size())) + data;
}

// The same bytes with other size fields, as a crash may leave them.
QByteArray WithSizes(QByteArray b, uint32_t riff, uint32_t data)
{
    b.replace(4, 4, U32(riff));
    b.replace(42, 4, U32(data));
    return b;
}

void SetModified(const QString &path, const QDateTime &when)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}

std::vector<QStringList> CorpusRows()
{
    std::vector<QStringList> rows;
    const QByteArray tsv = ReadAll(CorpusFile("wav/expected.tsv"));
    for (const QByteArray &line : tsv.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        rows.push_back(QString::fromUtf8(line).split('\t'));
    }
    return rows;
}

} // namespace

TEST(MMWaveWrite, RecordingHasTheExactByteLayout)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("word0007.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
    const QByteArray data = Pattern(3 * 4096) + Pattern(1000, 3);
    {
        TRecorder r(f, path);
        int opens = 0, closes = 0;
        r.File.OnOpen = [&](TMMComponent *) { ++opens; };
        r.File.OnClose = [&](TMMComponent *) { ++closes; };
        r.Start();
        EXPECT_EQ(opens, 1);
        EXPECT_TRUE(r.File.IsFileOpen());
        // Until it holds sound the recording is a take beside the file, its
        // sizes still 0.
        EXPECT_FALSE(QFile::exists(path));
        const QByteArray early = ReadAll(WaveTakeName(path));
        ASSERT_EQ(early.size(), 46);
        EXPECT_EQ(early.mid(4, 4), U32(0));
        EXPECT_EQ(early.mid(42, 4), U32(0));
        for (int i = 0; i < 3; ++i)
            r.Push(data.mid(i * 4096, 4096));
        r.Push(data.mid(3 * 4096));
        r.Finish();
        EXPECT_EQ(closes, 1);
        EXPECT_EQ(r.File.Wave()->FileName(), QFileInfo(path).absoluteFilePath());
        EXPECT_EQ(r.File.Wave()->SampleCount(), data.size() / 2);
    }
    EXPECT_EQ(ReadAll(path), ExpectedRecording(kFmt8Stereo22050, 2, data));
}

TEST(MMWaveWrite, OddMonoRecordingGetsAPadByteAndKeepsItsOddSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("odd.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 1, 11025);
    const QByteArray data = Pattern(2205);
    {
        TRecorder r(f, path);
        r.Start();
        r.Push(data);
        r.Finish();
    }
    const QByteArray bytes = ReadAll(path);
    EXPECT_EQ(bytes, ExpectedRecording(kFmt8Mono11025, 1, data));
    EXPECT_EQ(bytes.mid(42, 4), U32(2205));
    EXPECT_EQ(bytes[46 + 2205], '\0');
    EXPECT_EQ(bytes.mid(46 + 2206, 4), "fact");
    EXPECT_EQ(bytes.mid(46 + 2206 + 8, 4), U32(2205));

    TMMWave w;
    w.SetFileName(path);
    EXPECT_EQ(w.DataBytes(), 2205); // the pad byte is not a sample
    EXPECT_EQ(w.WaveInfo()->FactSamples, 2205);
}

TEST(MMWaveWrite, EmptyRecordingHoldsFourZeroBytesAndCountsAsEmptyInMilliseconds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
    {
        TRecorder r(f, path);
        r.Start();
        r.Finish();
    }
    const QByteArray bytes = ReadAll(path);
    EXPECT_EQ(bytes, ExpectedRecording(kFmt8Stereo22050, 2, QByteArray(4, '\0')));

    TMMWaveFile play;
    play.Wave()->TimeFormat = tfMillisecond;
    play.Wave()->SetFileName(path);
    EXPECT_EQ(play.Wave()->SampleCount(), 2);
    EXPECT_EQ(play.Wave()->DataSize(), 0);
    play.Opened();
    play.Started();
    EXPECT_FALSE(play.IsFileOpen());
    TWaveHdrPtr h = AllocWaveHeader(64);
    bool more = false;
    play.BufferLoad(h.get(), more);
    EXPECT_EQ(h->dwBytesRecorded, 0u);
    EXPECT_FALSE(more);
}

TEST(MMWaveWrite, ReRecordingReplacesTheOldFileCompletely)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("again.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
    {
        TRecorder r(f, path);
        r.Start();
        r.Push(Pattern(40000));
        r.Finish();
    }
    TRecorder r(f, path); // the old recording parses; its name is kept
    r.Start();
    r.Push(Pattern(400, 9));
    r.Finish();
    EXPECT_EQ(ReadAll(path), ExpectedRecording(kFmt8Stereo22050, 2, Pattern(400, 9)));
}

TEST(MMWaveWrite, ATakeReplacesTheEarlierRecordingAtItsFirstCommitThatHoldsSound)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("word0003.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
    const QByteArray earlier = ExpectedRecording(kFmt8Stereo22050, 2, Pattern(4000, 5));
    WriteAll(path, earlier);
    TRecorder r(f, path);
    r.Start();
    r.Source.Commit(); // nothing recorded yet
    EXPECT_EQ(ReadAll(path), earlier);
    r.Push(Pattern(3000, 1));
    EXPECT_EQ(ReadAll(path), earlier);
    r.Source.Commit();
    EXPECT_EQ(ReadAll(path), CommittedRecording(kFmt8Stereo22050, Pattern(3000, 1)));
    EXPECT_FALSE(QFile::exists(WaveTakeName(path)));
    r.Push(Pattern(1000, 2));
    r.Source.Commit();
    EXPECT_EQ(ReadAll(path), CommittedRecording(kFmt8Stereo22050, Pattern(3000, 1) + Pattern(1000, 2)));
    r.Push(Pattern(600, 3));
    r.Finish();
    EXPECT_EQ(ReadAll(path), ExpectedRecording(kFmt8Stereo22050, 2, Pattern(3000, 1) + Pattern(1000, 2) + Pattern(600, 3)));
    EXPECT_FALSE(QFile::exists(WaveTakeName(path)));
    // A file that is only read has nothing to commit and stays open.
    TMMWaveFile play;
    play.Wave()->SetFileName(path);
    play.Opened();
    play.Commit();
    EXPECT_TRUE(play.IsFileOpen());
    play.Closed();
}

TEST(MMWaveWrite, ARecordingThatGetsNoSoundKeepsTheEarlierOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("word0004.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
    const QByteArray earlier = ExpectedRecording(kFmt8Stereo22050, 2, Pattern(4000, 5));
    WriteAll(path, earlier);
    {
        // A device that opened (the file was made) and failed to start.
        TRecorder r(f, path);
        r.File.Opened();
        EXPECT_TRUE(QFile::exists(WaveTakeName(path)));
        r.File.Closed();
    }
    EXPECT_EQ(ReadAll(path), earlier);
    EXPECT_FALSE(QFile::exists(WaveTakeName(path)));
    {
        // Started and stopped before the first block.
        TRecorder r(f, path);
        r.Start();
        r.Source.Commit();
        r.Finish();
    }
    EXPECT_EQ(ReadAll(path), earlier);
    EXPECT_FALSE(QFile::exists(WaveTakeName(path)));
}

TEST(MMWaveRepair, ACutRecordingIsFinishedAsItsCloseWouldHaveFinishedIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cut.wav");
    const QByteArray stereo = Pattern(5000, 4), mono = Pattern(2205, 6);
    const QByteArray clean = ExpectedRecording(kFmt8Stereo22050, 2, stereo);
    const QByteArray cleanMono = ExpectedRecording(kFmt8Mono11025, 1, mono);
    struct TCase {
        QString What;
        QByteArray Cut, Repaired;
    };
    std::vector<TCase> cases = {
        {"never committed", WithSizes(clean.left(46 + 5000), 0, 0), clean},
        {"never committed, half a frame", WithSizes(clean.left(46 + 5001), 0, 0), clean},
        {"written past the last commit", WithSizes(clean.left(46 + 5000), 38 + 3000, 3000), clean},
        {"half a frame past the last commit", WithSizes(clean.left(46 + 5001), 38 + 3000, 3000), clean},
        {"right after a commit", CommittedRecording(kFmt8Stereo22050, stereo), clean},
        {"odd mono right after a commit", CommittedRecording(kFmt8Mono11025, mono), cleanMono},
        {"the close patched everything but the RIFF size", WithSizes(clean, 38 + 3000, 5000), clean},
        {"the close had not patched the RIFF size", WithSizes(cleanMono, 38 + 2000, 2205), cleanMono},
    };
    // The close cut off anywhere within its trailer (data size already patched).
    for (int k = 0; k < 12; ++k)
        cases.push_back({QStringLiteral("trailer cut at %1").arg(k), WithSizes(clean.left(46 + 5000 + k), 38 + 3000, 5000), clean});
    for (int k = 0; k < 13; ++k)
        cases.push_back({QStringLiteral("mono trailer cut at %1").arg(k), WithSizes(cleanMono.left(46 + 2205 + k), 38 + 2000, 2205), cleanMono});
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.What.toStdString());
        WriteAll(path, c.Cut);
        EXPECT_EQ(RepairWaveFile(path), c.Repaired.size() == clean.size() ? 5000 : 2205);
        EXPECT_EQ(ReadAll(path), c.Repaired);
    }

    // Files that are whole, or not laid out as a recording is, stay as they are.
    const QByteArray list = "LIST" + U32(16) + "INFO" + "INAM" + U32(4) + "abc" + '\0';
    const QByteArray foreign = "RIFF" + U32(0) + "WAVE" + "fmt " + U32(16) + kFmt8Stereo22050.left(16) + "data" + U32(0) + stereo;
    const QByteArray withList = WithSizes(clean.left(46 + 5000) + list, uint32_t(46 + 5000 + list.size() - 8), 5000);
    // Not even written again: every start looks at every word's file.
    const QDateTime past = QDateTime::currentDateTime().addSecs(-1000);
    for (const QByteArray &whole : {clean, cleanMono, foreign, withList}) {
        WriteAll(path, whole);
        SetModified(path, past);
        RepairWaveFile(path);
        EXPECT_EQ(ReadAll(path), whole);
        EXPECT_EQ(QFileInfo(path).lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());
    }
}

TEST(MMWaveRepair, ALeftoverTakeIsUsedWhenItHoldsSoundAndIsNewerElseRemoved)
{
    QTemporaryDir dir;
    const auto file = [&](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
    const QDateTime now = QDateTime::currentDateTime();
    const QByteArray earlier = ExpectedRecording(kFmt8Stereo22050, 2, Pattern(4000, 5));
    const QByteArray take = WithSizes(ExpectedRecording(kFmt8Stereo22050, 2, Pattern(3000, 7)).left(46 + 3001), 0, 0);
    const QByteArray takeRepaired = ExpectedRecording(kFmt8Stereo22050, 2, Pattern(3000, 7));
    const QByteArray headerOnly = take.left(46);
    // a: a newer take with sound replaces the earlier recording.
    WriteAll(file("a.wav"), earlier);
    SetModified(file("a.wav"), now.addSecs(-100));
    WriteAll(file("a.wav.take"), take);
    // b: a take without sound goes; the earlier recording stays.
    WriteAll(file("b.wav"), earlier);
    SetModified(file("b.wav"), now.addSecs(-100));
    WriteAll(file("b.wav.take"), headerOnly);
    // c: a take with sound and nothing to replace becomes the file.
    WriteAll(file("c.wav.take"), take);
    // d: a take older than the file goes.
    WriteAll(file("d.wav"), earlier);
    WriteAll(file("d.wav.take"), take);
    SetModified(file("d.wav.take"), now.addSecs(-100));
    // e: a recording cut off after its take was put in place.
    WriteAll(file("e.wav"), take);

    RecoverRecordings(dir.path());
    EXPECT_EQ(ReadAll(file("a.wav")), takeRepaired);
    EXPECT_EQ(ReadAll(file("b.wav")), earlier);
    EXPECT_EQ(ReadAll(file("c.wav")), takeRepaired);
    EXPECT_EQ(ReadAll(file("d.wav")), earlier);
    EXPECT_EQ(ReadAll(file("e.wav")), takeRepaired);
    EXPECT_EQ(QDir(dir.path()).entryList({"*.take"}, QDir::Files), QStringList());
}

TEST(MMWaveWrite, NonPCMFormatIsWrittenWithItsFullSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("adpcm.wav");
    TWaveFormatPtr f = AllocWaveFormat(18 + 4);
    f->wFormatTag = 2;
    f->nChannels = 1;
    f->nSamplesPerSec = 11025;
    f->nAvgBytesPerSec = 5512;
    f->nBlockAlign = 256;
    f->wBitsPerSample = 4;
    f->cbSize = 4;
    TMMWave w;
    w.CreateFile(path, f.get());
    w.CloseFile();
    const QByteArray bytes = ReadAll(path);
    EXPECT_EQ(bytes.mid(12, 4), "fmt ");
    EXPECT_EQ(bytes.mid(16, 4), U32(22));
    EXPECT_EQ(bytes.mid(42, 4), "data");
    TMMWave back;
    back.SetFileName(path);
    EXPECT_EQ(back.FormatTag(), 2);
    EXPECT_EQ(back.FormatString(), "Microsoft ADPCM");
    EXPECT_EQ(WaveFormatSize(back.WaveFormat()), 22u);
}

TEST(MMWaveWrite, FullVolumeFinishesTheFileWithWhatWasWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("full.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
    // Room for four 4096-byte blocks (plus the I/O buffer and the reserve).
    int64_t free = 32768 + 10240 + 3 * 4096 + 4096;
    SetFreeSpaceProbe([&](int) { return free; });
    {
        TRecorder r(f, path);
        int closes = 0;
        r.File.OnClose = [&](TMMComponent *) { ++closes; };
        r.Start();
        for (int i = 0; i < 6; ++i) {
            r.Push(Pattern(4096, i));
            free -= 4096;
        }
        EXPECT_FALSE(r.File.IsFileOpen());
        EXPECT_FALSE(r.File.IsFileStarted());
        EXPECT_EQ(closes, 0); // reported by the chain's close, not by the writer
        r.Finish();
        EXPECT_EQ(closes, 1);
    }
    SetFreeSpaceProbe(nullptr);
    QByteArray data;
    for (int i = 0; i < 4; ++i)
        data += Pattern(4096, i);
    EXPECT_EQ(ReadAll(path), ExpectedRecording(kFmt8Stereo22050, 2, data));
}

TEST(MMWaveWrite, FailingWriteLeavesAValidWaveFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("efbig.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
    const int limit = 46 + 20001; // the file may not grow beyond this
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit lim = old;
    lim.rlim_cur = limit;
    {
        TRecorder r(f, path);
        r.File.Wave()->SetIOBufferSize(8192);
        r.Start();
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &lim), 0);
        for (int i = 0; i < 10; ++i)
            r.Push(Pattern(4096, i));
        r.Finish();
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &old), 0);
        EXPECT_TRUE(r.File.Wave()->WriteFailed() || !r.File.IsFileOpen());
    }
    std::signal(SIGXFSZ, oldHandler);

    const QByteArray bytes = ReadAll(path);
    ASSERT_GE(bytes.size(), 46);
    ASSERT_LE(bytes.size(), limit);
    EXPECT_EQ(bytes.mid(4, 4), U32(uint32_t(bytes.size() - 8)));
    const uint32_t dataSize = uint32_t(uchar(bytes[42])) | uint32_t(uchar(bytes[43])) << 8
        | uint32_t(uchar(bytes[44])) << 16 | uint32_t(uchar(bytes[45])) << 24;
    EXPECT_EQ(dataSize % 2, 0u); // whole frames
    EXPECT_GT(dataSize, 16000u);
    QByteArray data;
    for (int i = 0; i < 10; ++i)
        data += Pattern(4096, i);
    EXPECT_EQ(bytes.mid(46, int(dataSize)), data.left(int(dataSize)));
    TMMWave w;
    w.SetFileName(path);
    EXPECT_EQ(w.DataBytes(), int64_t(dataSize));
}

TEST(MMWaveRead, CorpusFilesParseAsTheProgramColumnSays)
{
    SKIP_WITHOUT_CORPORA();
    std::map<QString, int> seen;
    for (const QStringList &row : CorpusRows()) {
        ASSERT_GE(row.size(), 14);
        const QString rel = row[0].mid(4); // strip "wav/"
        const QString verdict = row[2];
        const QString file = CorpusFile("wav/" + rel);
        SCOPED_TRACE(rel.toStdString());
        ++seen[verdict];
        TMMWave w;
        w.TimeFormat = tfSample;
        if (verdict == "reject") {
            try {
                w.SetFileName(file);
                ADD_FAILURE() << "accepted";
            } catch (const EMMWaveError &e) {
                EXPECT_EQ(e.Message(), "Invalid wave file...");
            }
            EXPECT_EQ(w.WaveFormat(), nullptr);
            continue;
        }
        if (verdict == "either") {
            try {
                w.SetFileName(file);
                // Whatever it holds, reading it stays inside the file.
                if (w.DataSize() != 0) {
                    w.OpenFile();
                    char buf[4096];
                    while (w.ReadData(buf, sizeof buf) > 0) {
                    }
                }
            } catch (const EMMWaveError &) {
            }
            continue;
        }
        ASSERT_NO_THROW(w.SetFileName(file));
        ASSERT_NE(w.WaveFormat(), nullptr);
        if (verdict == "unsupported") {
            EXPECT_FALSE(IsValidPCMFormat(w.WaveFormat()));
            continue;
        }
        ASSERT_EQ(verdict, "decode");
        EXPECT_TRUE(IsValidPCMFormat(w.WaveFormat()));
        // A file whose sizes were never patched plays up to its end.
        const int64_t frames = rel.contains("zero-sizes") ? 5512 : row[13].toLongLong();
        EXPECT_EQ(w.SampleCount(), frames);
        EXPECT_EQ(w.DataBytes(), frames * w.WaveFormat()->nBlockAlign);
        EXPECT_EQ(w.SampleRate(), row[9].toInt());
        EXPECT_EQ(w.BitLength(), row[10].toInt());
        EXPECT_EQ(w.Mode(), row[8] == "2" ? mStereo : mMono);

        // Reading hands out exactly the sample bytes of the file.
        const QByteArray raw = ReadAll(file);
        QByteArray got;
        if (frames > 0) {
            w.OpenFile();
            char buf[3000];
            int64_t n;
            while ((n = w.ReadData(buf, sizeof buf)) > 0)
                got.append(buf, int(n));
            w.CloseFile();
        }
        EXPECT_EQ(got, raw.mid(int(w.WaveInfo()->DataOffset), int(w.DataBytes())));
    }
    EXPECT_EQ(seen["decode"], 37);
    EXPECT_EQ(seen["unsupported"], 12);
    EXPECT_EQ(seen["reject"], 20);
    EXPECT_EQ(seen["either"], 6);
}

TEST(MMWaveRead, InfoAndDisplayItemsAreRead)
{
    SKIP_WITHOUT_CORPORA();
    TMMWave w;
    w.SetFileName(CorpusFile("wav/generated/layout-u8-stereo-22050-fact-disp-info.wav"));
    EXPECT_EQ(w.InfoItem("INAM"), "corpus test tone");
    EXPECT_EQ(w.InfoItem("ICMT"), "generated for the test corpus");
    EXPECT_EQ(w.InfoItem("ISFT"), "sox 14.4.2 + python struct");
    EXPECT_EQ(w.InfoItem("IART"), "");
    ASSERT_EQ(w.WaveInfo()->DisplayItems.size(), 1u);
    EXPECT_EQ(w.WaveInfo()->DisplayItems[0].Type, 1u);
    EXPECT_TRUE(w.WaveInfo()->DisplayItems[0].Data.startsWith("generated test file"));
    EXPECT_EQ(w.WaveInfo()->FactSamples, 4410);
    EXPECT_EQ(w.SampleCount(), 4410);

    TMMWave odd;
    odd.TimeFormat = tfMillisecond;
    odd.SetFileName(CorpusFile("wav/generated/layout-u8-mono-11025-odd-data-fact-info.wav"));
    EXPECT_EQ(odd.InfoItem("ICRD"), "2025-01-01");
    EXPECT_EQ(odd.DataSize(), 200); // 2205 frames at 11025 Hz
}

TEST(MMWaveFileName, RulesForEmptyMissingAndDamagedFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 1, 11025);
    {
        TRecorder r(f, path);
        r.Start();
        r.Push(Pattern(1000));
        r.Finish();
    }
    TMMWaveFile play;
    int changes = 0;
    play.OnChanged = [&](TMMComponent *) { ++changes; };
    play.Wave()->SetFileName(path);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(play.Wave()->SampleCount(), 1000);
    ASSERT_NE(play.WaveFormat(), nullptr); // the file's format reached the component
    EXPECT_EQ(play.SilenceValue(), 128);

    // Same name: nothing happens, even though the file changed meanwhile.
    {
        TRecorder r(f, path);
        r.Start();
        r.Push(Pattern(3000));
        r.Finish();
    }
    play.Wave()->SetFileName(path);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(play.Wave()->SampleCount(), 1000);
    // Empty, then the same name again: read afresh.
    play.Wave()->SetFileName("");
    EXPECT_EQ(play.WaveFormat(), nullptr); // FileMustExist: the format goes with the file
    play.Wave()->SetFileName(path);
    EXPECT_EQ(play.Wave()->SampleCount(), 3000);
    EXPECT_EQ(changes, 3);

    // Missing file: an error while FileMustExist, otherwise an empty wave.
    try {
        play.Wave()->SetFileName(dir.filePath("missing.wav"));
        ADD_FAILURE() << "accepted a missing file";
    } catch (const EMMWaveError &e) {
        EXPECT_EQ(e.Message(), "Error reading wave file");
    }
    EXPECT_EQ(play.Wave()->SampleCount(), 3000); // old state kept

    WriteAll(dir.filePath("junk.wav"), QByteArray("RIFF\x04\x00\x00\x00WAVE", 12));
    try {
        play.Wave()->SetFileName(dir.filePath("junk.wav"));
        ADD_FAILURE() << "accepted a damaged file";
    } catch (const EMMWaveError &e) {
        EXPECT_EQ(e.Message(), "Invalid wave file...");
    }
    EXPECT_EQ(play.Wave()->FileName(), QFileInfo(path).absoluteFilePath());

    TMMDSPComponent src;
    TWaveFormatEx g = MakePCMWaveFormat(16, 2, 44100);
    src.SetWaveFormat(&g);
    TMMWaveFile rec;
    rec.SetInput(&src);
    rec.Wave()->FileMustExist = false;
    rec.Wave()->SetFileName(dir.filePath("new.wav"));
    EXPECT_EQ(rec.Wave()->WaveFormat(), nullptr);
    ASSERT_NE(rec.WaveFormat(), nullptr); // keeps the chain's format
    EXPECT_EQ(rec.WaveFormat()->wBitsPerSample, 16);
    EXPECT_EQ(rec.SilenceValue(), 0);
}

TEST(MMWavePositions, StartEndAndPositionSelectThePartThatIsRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("pos.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 1, 11025);
    const QByteArray data = Pattern(11025);
    {
        TRecorder r(f, path);
        r.Start();
        r.Push(data);
        r.Finish();
    }
    TMMWave w;
    w.SetFileName(path);
    EXPECT_EQ(w.Position(), 0);
    EXPECT_EQ(w.EndPosition(), 11025);
    w.SetEndPosition(3000);
    w.SetStartPosition(1000);
    EXPECT_THROW(w.SetStartPosition(3000), EMMWaveError);
    EXPECT_THROW(w.SetEndPosition(500), EMMWaveError);
    w.OpenFile();
    w.SetPosition(500);
    EXPECT_EQ(w.RemainingBytes(), 1500);
    QByteArray got(4000, 0);
    EXPECT_EQ(w.ReadData(got.data(), 4000), 1500);
    EXPECT_EQ(got.left(1500), data.mid(1500, 1500));
    EXPECT_EQ(w.ReadData(got.data(), 4000), -1);
    EXPECT_EQ(w.Position(), 2000);
    w.TimeFormat = tfMillisecond;
    EXPECT_EQ(w.Position(), 181); // 2000 frames at 11025 Hz
    w.SetPosition(100000);          // clamped to the last frame
    EXPECT_EQ(w.RemainingBytes(), 1);
    w.CloseFile();
    EXPECT_EQ(w.RemainingBytes(), 0);

    TMMWave none;
    EXPECT_EQ(none.Position(), -1);
    EXPECT_EQ(none.SampleRate(), 11025);
    EXPECT_EQ(none.FormatString(), "Unknown");
}

TEST(MMWaveFileLoad, PlaysToTheEndLoopsAndGivesSilenceWhenNotStarted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("loop.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 1, 11025);
    const QByteArray data = Pattern(5000);
    {
        TRecorder r(f, path);
        r.Start();
        r.Push(data);
        r.Finish();
    }
    TMMWaveFile play;
    play.Wave()->SetFileName(path);
    play.SetBufferSize(2048);
    play.Opened();
    ASSERT_TRUE(play.IsFileOpen());
    TWaveHdrPtr h = AllocWaveHeader(2048);

    bool more = false;
    play.BufferLoad(h.get(), more); // opened, not started: silence
    EXPECT_TRUE(more);
    EXPECT_EQ(h->dwBytesRecorded, 2048u);
    EXPECT_EQ(uchar(h->lpData[100]), 128);

    play.Started();
    h->LoopEnabled = MMTrue;
    h->LoopTotal = 1;
    h->LoopsLeft = 1;
    QByteArray got;
    int loops = 0;
    for (int guard = 0; guard < 100; ++guard) {
        more = false;
        h->dwBufferLength = 2048;
        h->Looped = 0;
        play.BufferLoad(h.get(), more);
        got.append(h->lpData, int(h->dwBytesRecorded));
        if (h->Looped)
            ++loops;
        if (!more)
            break;
    }
    EXPECT_EQ(loops, 1);
    EXPECT_EQ(got, data + data);
    play.Stopped();
    play.Closed();
    EXPECT_FALSE(play.IsFileOpen());
}
