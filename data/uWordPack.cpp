// Word packs through libzip: it reads an archive from a buffer, tells each
// entry's sizes, method and file type before anything is inflated, and checks
// the CRC as it inflates. The archive's table of contents is first read here
// as well, for what libzip lets through or refuses without saying why.
#include "data/uWordPack.h"

#include "audio/MMWave.h"
#include "platform/AtomicFile.h"
#include "platform/profile.h"
#include "sound/WaveSound.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>
#include <zip.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

const char *const kWordsName = "words.lst";
const char *const kInfoName = "pack.ini";
constexpr int kPackMaxSoundNo = 9999;   // four digits in the file name

QString SoundEntryName(int soundNo, bool original) { return WordSoundName(soundNo, original, QStringLiteral("wav/")); }

[[noreturn]] void Refuse(const QString &why) { throw EWordPack(why); }

struct TZipCloser {
    void operator()(zip_t *z) const { zip_discard(z); }
};
using TZip = std::unique_ptr<zip_t, TZipCloser>;

// ---------------------------------------------------------------------------
// Reading

// A name that, unpacked by any tool, would land outside the folder it is
// unpacked into, or that reads differently on another system.
bool SafeName(const QByteArray &name)
{
    if (name.isEmpty() || name.startsWith('/') || name.contains('\\') || name.contains('\0'))
        return false;
    if (name.size() >= 2 && name[1] == ':')
        return false;   // a drive letter
    for (const QByteArray &part : name.split('/'))
        if (part == "..")
            return false;
    return true;
}

// The archive's own table of contents, read here before libzip opens it:
// libzip unpacks entries whose bytes overlap (the same bytes counted as
// several files, the way ZIP bombs grow) and refuses a name given twice or
// a method it lacks with no more than an error code. Returns why the pack is
// refused, or nothing; an archive whose table cannot be followed here is
// not taken as a pack at all.
class TZipDirectory {
public:
    explicit TZipDirectory(const QByteArray &zip) : FZip(zip) {}

    QString Fault() const
    {
        const QString notZip =
            QCoreApplication::translate("WordPack", "This file is not a word pack (not a ZIP archive: its table of contents cannot be read).");
        // Sizes past 32 bits, which no pack within its limits has.
        const QString zip64 = QCoreApplication::translate("WordPack", "The pack is a ZIP64 archive, which this program does not read.");
        const std::optional<quint64> end = EndRecord();
        if (!end)
            return notZip;
        const quint64 count = U(*end + 10, 2), directory = U(*end + 16, 4);
        if (count == 0xFFFF || directory == 0xFFFFFFFF)
            return zip64;
        struct TSpan {
            quint64 Start, End;
            QByteArray Name;
        };
        QList<TSpan> spans;
        QSet<QByteArray> names;
        quint64 at = directory;
        for (quint64 i = 0; i < count; ++i) {
            if (U(at, 4) != 0x02014b50)
                return notZip;
            const quint64 flags = U(at + 8, 2), method = U(at + 10, 2), packed = U(at + 20, 4),
                          nameLength = U(at + 28, 2), local = U(at + 42, 4);
            const QByteArray name = FZip.mid(qsizetype(at + 46), qsizetype(nameLength));
            const QString shown = QString::fromUtf8(name.left(80));
            if (names.contains(name))
                return QCoreApplication::translate("WordPack", "The pack holds \"%1\" twice.").arg(shown);
            names.insert(name);
            if ((flags & 1) != 0 || method == kAesMethod)
                return QCoreApplication::translate("WordPack", "The file \"%1\" in the pack is encrypted.").arg(shown);
            if (method != ZIP_CM_STORE && method != ZIP_CM_DEFLATE)
                return QCoreApplication::translate("WordPack", "The file \"%1\" in the pack is packed in a way this program does not read "
                                      "(method %2).")
                    .arg(shown)
                    .arg(method);
            if (packed == 0xFFFFFFFF || local == 0xFFFFFFFF)
                return zip64;
            if (U(local, 4) != 0x04034b50)
                return notZip;
            spans.append({local, local + 30 + U(local + 26, 2) + U(local + 28, 2) + packed, name});
            at += 46 + nameLength + U(at + 30, 2) + U(at + 32, 2);
        }
        std::sort(spans.begin(), spans.end(), [](const TSpan &a, const TSpan &b) { return a.Start < b.Start; });
        // Against the entry reaching furthest so far: one may hold several.
        for (qsizetype i = 1, furthest = 0; i < spans.size(); ++i) {
            if (spans[i].Start < spans[furthest].End)
                return QCoreApplication::translate("WordPack", "The files \"%1\" and \"%2\" in the pack overlap: the same bytes would "
                                      "unpack as both.")
                    .arg(QString::fromUtf8(spans[furthest].Name.left(80)), QString::fromUtf8(spans[i].Name.left(80)));
            if (spans[i].End > spans[furthest].End)
                furthest = i;
        }
        return QString();
    }

private:
    static constexpr quint64 kAesMethod = 99;   // WinZip's mark of an encrypted entry
    const QByteArray &FZip;

    // Little-endian, of `bytes` bytes at `at`; bytes past the end read as 0,
    // so that a table running past it fails on its signatures.
    quint64 U(quint64 at, int bytes) const
    {
        quint64 v = 0;
        for (int i = bytes - 1; i >= 0; --i)
            v = v << 8 | (at + quint64(i) < quint64(FZip.size()) ? quint8(FZip[qsizetype(at) + i]) : 0);
        return v;
    }
    // The last end record whose comment reaches exactly to the archive's end.
    std::optional<quint64> EndRecord() const
    {
        for (qint64 at = FZip.size() - 22; at >= 0 && at >= FZip.size() - 22 - 0xFFFF; --at)
            if (U(quint64(at), 4) == 0x06054b50 && quint64(at) + 22 + U(quint64(at) + 20, 2) == quint64(FZip.size()))
                return quint64(at);
        return std::nullopt;
    }
};

// Links, devices, pipes and sockets are refused; plain files and folders pass.
bool PlainEntry(zip_t *z, zip_uint64_t index)
{
    zip_uint8_t opsys = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(z, index, 0, &opsys, &attributes) != 0)
        return false;
    if (opsys != ZIP_OPSYS_UNIX)
        return true;
    const zip_uint32_t type = (attributes >> 16) & S_IFMT;
    return type == 0 || type == S_IFREG || type == S_IFDIR;
}

struct TEntry {
    zip_uint64_t Index;
    zip_uint64_t Size;   // as the header states it
};

// Inflates one entry, counting: more bytes than the header stated, or fewer,
// refuse the pack, whatever the header said.
QByteArray Inflate(zip_t *z, const QString &name, const TEntry &e, qint64 &total)
{
    std::unique_ptr<zip_file_t, int (*)(zip_file_t *)> f(zip_fopen_index(z, e.Index, 0), zip_fclose);
    if (!f)
        Refuse(QCoreApplication::translate("WordPack", "The file %1 in the pack cannot be unpacked.").arg(name));
    QByteArray bytes;
    bytes.reserve(qsizetype(e.Size));
    char chunk[65536];
    for (;;) {
        const zip_int64_t got = zip_fread(f.get(), chunk, sizeof chunk);
        if (got < 0)
            Refuse(QCoreApplication::translate("WordPack", "The file %1 in the pack is damaged.").arg(name));
        if (got == 0)
            break;
        if (quint64(bytes.size()) + quint64(got) > e.Size)
            Refuse(QCoreApplication::translate("WordPack", "The file %1 in the pack unpacks to more than its header says.").arg(name));
        total += got;
        if (total > kPackMaxTotalBytes)
            Refuse(QCoreApplication::translate("WordPack", "The pack unpacks to more than 200 MB."));
        bytes.append(chunk, qsizetype(got));
    }
    if (quint64(bytes.size()) != e.Size)
        Refuse(QCoreApplication::translate("WordPack", "The file %1 in the pack is shorter than its header says.").arg(name));
    return bytes;
}

// One words.lst line as the word list reader takes it, refused unless it
// reads back to itself: a known category, a text, a sound number.
TPackWord ReadPackLine(const QByteArray &line, int lineNo)
{
    const TWordLists one = ParseWordLists(line);
    const auto refuse = [&] {
        Refuse(QCoreApplication::translate("WordPack", "Line %1 of the pack's word list is not a word: \"%2\".")
                   .arg(lineNo)
                   .arg(QString::fromLocal8Bit(line.left(80))));
    };
    if (one.All.size() != 1)
        refuse();
    // A line in none of the three lists writes back as nothing.
    const TWordEntry w = one.All.first();
    if (w.Text.trimmed().isEmpty() || w.SoundNo < 0 || w.SoundNo > kPackMaxSoundNo
        || WordListBytes(one.New, one.Now, one.Known) != line + "\r\n")
        refuse();
    const int category = !one.New.isEmpty() ? catNew : !one.Now.isEmpty() ? catNow : catKnown;
    return {w, category};
}

QList<TPackWord> ReadPackWords(const QByteArray &bytes)
{
    QList<TPackWord> words;
    qsizetype start = 0;
    int lineNo = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        words.append(ReadPackLine(bytes.mid(start, end - start), ++lineNo));
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return words;
}

QByteArray CheckedWave(const QByteArray &bytes, const QString &name)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TWaveInfo info;
    if (!ParseWaveInfo(buffer, info))
        Refuse(QCoreApplication::translate("WordPack", "The recording %1 in the pack is not a wave file.").arg(name));
    // Taken in, it would fail only when it is played, word by word.
    const TWaveFormatEx *f = info.Format.get();
    if (!IsValidPCMFormat(f))
        Refuse(QCoreApplication::translate("WordPack", "The recording %1 in the pack cannot be played: %2, %3 channels, %4 Hz, %5 bits "
                              "(this program plays PCM of 1 or 2 channels, 8 or 16 bits, 4000 to 100000 Hz).")
                   .arg(name, WaveFormatName(f->wFormatTag))
                   .arg(f->nChannels)
                   .arg(f->nSamplesPerSec)
                   .arg(f->wBitsPerSample));
    if (f->nBlockAlign != f->nChannels * f->wBitsPerSample / 8 || f->nAvgBytesPerSec != f->nSamplesPerSec * f->nBlockAlign)
        Refuse(QCoreApplication::translate("WordPack", "The recording %1 in the pack cannot be played: its bytes per second or per "
                              "sample do not match its format.")
                   .arg(name));
    return bytes;
}

// ---------------------------------------------------------------------------
// Writing

struct TSourceFree {
    void operator()(zip_source_t *s) const { zip_source_free(s); }
};

void Add(zip_t *z, const QString &name, const QByteArray &bytes, bool store)
{
    // The buffer is read at zip_close; `bytes` outlives it in the caller.
    zip_source_t *src = zip_source_buffer(z, bytes.constData(), zip_uint64_t(bytes.size()), 0);
    const zip_int64_t index = src ? zip_file_add(z, name.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
        zip_source_free(src);
        throw EWordPack(QCoreApplication::translate("WordPack", "The pack cannot be written: %1").arg(zip_strerror(z)));
    }
    // Recordings barely shrink; stored, they cost nothing to unpack and never
    // come near the ratio a reader refuses (silence would).
    zip_set_file_compression(z, zip_uint64_t(index), store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    // A fixed time: the same words make the same file.
    zip_file_set_mtime(z, zip_uint64_t(index), 1767225600, 0);
}

} // namespace

TWordPack ReadWordPack(const QByteArray &bytes)
{
    const QString fault = TZipDirectory(bytes).Fault();
    if (!fault.isEmpty())
        Refuse(fault);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *src = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    if (!src)
        Refuse(QCoreApplication::translate("WordPack", "The pack cannot be read."));
    TZip z(zip_open_from_source(src, ZIP_RDONLY | ZIP_CHECKCONS, &error));
    const int why = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (!z) {
        zip_source_free(src);
        if (why == ZIP_ER_INCONS)
            Refuse(QCoreApplication::translate("WordPack", "The pack is damaged: its table of contents does not match the files in it."));
        Refuse(QCoreApplication::translate("WordPack", "This file is not a word pack (not a ZIP archive)."));
    }

    const zip_int64_t count = zip_get_num_entries(z.get(), 0);
    if (count < 0 || count > kPackMaxEntries)
        Refuse(QCoreApplication::translate("WordPack", "The pack holds more than %1 files.").arg(kPackMaxEntries));

    // Every entry's header first: nothing is inflated from a pack that fails one.
    QMap<QByteArray, TEntry> entries;
    qint64 stated = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(z.get(), zip_uint64_t(i), ZIP_FL_ENC_RAW, &st) != 0 || !st.name)
            Refuse(QCoreApplication::translate("WordPack", "The pack is damaged."));
        const QByteArray name(st.name);
        const QString shown = QString::fromUtf8(name.left(80));
        if (!SafeName(name))
            Refuse(QCoreApplication::translate("WordPack", "The pack names a file outside its own folder: \"%1\".").arg(shown));
        if (!PlainEntry(z.get(), zip_uint64_t(i)))
            Refuse(QCoreApplication::translate("WordPack", "The pack holds a link or a device, \"%1\", not a plain file.").arg(shown));
        if (st.size > zip_uint64_t(kPackMaxFileBytes))
            Refuse(QCoreApplication::translate("WordPack", "The file \"%1\" in the pack is larger than 20 MB.").arg(shown));
        stated += qint64(st.size);
        if (stated > kPackMaxTotalBytes)
            Refuse(QCoreApplication::translate("WordPack", "The pack unpacks to more than 200 MB."));
        // size > ratio * packed, without the product's overflow
        if ((st.size + kPackMaxRatio - 1) / kPackMaxRatio > st.comp_size)
            Refuse(QCoreApplication::translate("WordPack", "The file \"%1\" in the pack is packed more than 100 to 1.").arg(shown));
        entries.insert(name, {zip_uint64_t(i), st.size});
    }

    TWordPack pack;
    qint64 total = 0;
    if (!entries.contains(kWordsName))
        Refuse(QCoreApplication::translate("WordPack", "This file is not a word pack: it has no word list."));
    pack.Words = ReadPackWords(Inflate(z.get(), kWordsName, entries.value(kWordsName), total));
    if (entries.contains(kInfoName)) {
        const TIniFile info(kInfoName, Inflate(z.get(), kInfoName, entries.value(kInfoName), total));
        pack.Title = info.ReadString("Pack", "Title", QString());
        pack.Language = info.ReadString("Pack", "Language", QString());
    }
    for (const TPackWord &w : std::as_const(pack.Words))
        for (bool original : {false, true}) {
            const QString name = SoundEntryName(w.Word.SoundNo, original);
            QMap<int, QByteArray> &into = original ? pack.Originals : pack.Sounds;
            const auto it = entries.constFind(name.toUtf8());
            if (it == entries.cend() || into.contains(w.Word.SoundNo))
                continue;
            into.insert(w.Word.SoundNo, CheckedWave(Inflate(z.get(), name, *it, total), name));
        }
    return pack;
}

QByteArray WriteWordPack(const TWordPack &pack)
{
    zip_error_t error;
    zip_error_init(&error);
    std::unique_ptr<zip_source_t, TSourceFree> out(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!out)
        throw EWordPack(QCoreApplication::translate("WordPack", "The pack cannot be written."));
    zip_source_keep(out.get());   // the archive's close must leave the buffer to us
    zip_t *z = zip_open_from_source(out.get(), ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    if (!z) {
        zip_source_free(out.get());   // the reference kept above
        throw EWordPack(QCoreApplication::translate("WordPack", "The pack cannot be written."));
    }

    TWordList lists[3];
    for (const TPackWord &w : pack.Words)
        lists[qBound(int(catNew), w.Category, int(catKnown)) - catNew].append(w.Word);
    const QByteArray words = WordListBytes(lists[0], lists[1], lists[2]);
    TIniFile ini(kInfoName, QByteArray());
    ini.WriteString("Pack", "Title", pack.Title);
    ini.WriteString("Pack", "Language", pack.Language);
    ini.WriteInteger("Pack", "Count", int(pack.Words.size()));
    const QByteArray info = ini.Text().toUtf8();
    try {
        Add(z, kInfoName, info, false);
        Add(z, kWordsName, words, false);
        for (auto it = pack.Sounds.cbegin(); it != pack.Sounds.cend(); ++it)
            Add(z, SoundEntryName(it.key(), false), it.value(), true);
        for (auto it = pack.Originals.cbegin(); it != pack.Originals.cend(); ++it)
            Add(z, SoundEntryName(it.key(), true), it.value(), true);
    } catch (...) {
        zip_discard(z);
        throw;
    }
    if (zip_close(z) != 0) {
        const QString why = zip_strerror(z);
        zip_discard(z);
        throw EWordPack(QCoreApplication::translate("WordPack", "The pack cannot be written: %1").arg(why));
    }

    zip_stat_t st;
    zip_stat_init(&st);
    QByteArray bytes;
    if (zip_source_stat(out.get(), &st) != 0 || zip_source_open(out.get()) != 0)
        throw EWordPack(QCoreApplication::translate("WordPack", "The pack cannot be written."));
    bytes.resize(qsizetype(st.size));
    const zip_int64_t got = zip_source_read(out.get(), bytes.data(), st.size);
    zip_source_close(out.get());
    if (got != zip_int64_t(st.size))
        throw EWordPack(QCoreApplication::translate("WordPack", "The pack cannot be written."));
    return bytes;
}

TWordPack CollectWordPack(const QList<TPackWord> &words, const QString &title, const QString &language)
{
    TWordPack pack;
    pack.Title = title;
    pack.Language = language;
    pack.Words = words;
    for (const TPackWord &w : words) {
        const int n = w.Word.SoundNo;
        for (bool original : {false, true}) {
            QMap<int, QByteArray> &into = original ? pack.Originals : pack.Sounds;
            if (into.contains(n))
                continue;
            // A word without a recording goes as text; the voice speaks it.
            const std::optional<QByteArray> bytes = TFileBase::Read(original ? OriginalSoundName(SoundFileName(n)) : SoundFileName(n));
            if (bytes)
                into.insert(n, *bytes);
        }
    }
    return pack;
}

TPackImport WritePackRecordings(const TWordPack &pack, const QSet<QString> &present, const QBitArray &taken)
{
    TPackImport result;
    QSet<QString> seen = present;
    QList<const TPackWord *> adding;
    for (const TPackWord &w : pack.Words) {
        if (seen.contains(w.Word.Text)) {
            ++result.AlreadyThere;
            continue;
        }
        seen.insert(w.Word.Text);
        adding.append(&w);
    }
    const auto noRoom = [&] {
        return EWordPack(QCoreApplication::translate("WordPack", "There is no room for the pack's words: the program keeps at most %1 words.")
                             .arg(taken.size()));
    };
    // Refused before the numbers below lose what deleted words left there.
    if (adding.size() > taken.count(false))
        throw noRoom();

    QBitArray used = taken;
    QList<QPair<QString, QByteArray>> files;
    QString originals;   // the folder of the takes as captured, when the pack has any
    for (const TPackWord *w : std::as_const(adding)) {
        // Numbered as a word typed on the recording page: the lowest free
        // number, with what a deleted word left under it gone first, or the
        // word would play that recording. A leftover that stays keeps its number.
        int n = LowestFreeSound(used);
        for (; n >= 0 && !ClearLeftoverSound(n); n = LowestFreeSound(used))
            used.setBit(n);
        if (n < 0)
            throw noRoom();
        used.setBit(n);
        result.AddedWords.append({w->Word.Text, n});
        if (pack.Sounds.contains(w->Word.SoundNo))
            files.append({SoundFileName(n), pack.Sounds.value(w->Word.SoundNo)});
        if (pack.Originals.contains(w->Word.SoundNo)) {
            files.append({OriginalSoundName(SoundFileName(n)), pack.Originals.value(w->Word.SoundNo)});
            originals = QFileInfo(files.last().first).path();
        }
    }
    result.Added = int(result.AddedWords.size());
    if (result.AddedWords.isEmpty())
        return result;

    // The recordings first, under numbers no word holds: until the settings
    // name the new list nothing refers to them, and after it they are on disk.
    if (!originals.isEmpty())
        QDir().mkpath(originals);
    if (!WriteNewFilesDurably(files))
        throw EInOutError(QCoreApplication::translate("WordPack", "Cannot create file %1").arg(QDir::toNativeSeparators(Settings.SoundDir)));
    return result;
}

void AddImportedWords(TPackImport &done)
{
    if (done.AddedWords.isEmpty())
        return;
    const TWordList oldAll = AllWords, oldNew = NewWords;
    AllWords += done.AddedWords;
    NewWords += done.AddedWords;
    try {
        SaveWordListAndSettings();
    } catch (const Exception &e) {
        // Past its commit a save only failed to flush a folder: the new words
        // are the ones in place, and that is said beside them.
        if (WordListBase().Bytes() == WordListBytes()) {
            done.Warning = e.Message();
            return;
        }
        AllWords = oldAll;
        NewWords = oldNew;
        throw;
    }
}

TPackImport ImportWordPack(const TWordPack &pack, const QSet<QString> &present, const QBitArray &taken)
{
    TPackImport done = WritePackRecordings(pack, present, taken);
    AddImportedWords(done);
    return done;
}
