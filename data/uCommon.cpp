#include "data/uCommon.h"

#include "sound/WaveSound.h"

#include "platform/AtomicFile.h"
#include "platform/Exceptions.h"
#include "platform/ProgramFile.h"
#include "platform/profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <zlib.h>

TSettings Settings;
TWordList AllWords;
TWordList NewWords;
TWordList NowWords;
TWordList KnownWords;

namespace {

bool GWordListUnreadable = false;
TFileBase GWordListBase;

QString WithSeparator(QString path)
{
    if (!path.endsWith('/'))
        path += '/';
    return path;
}

} // namespace

QByteArray WordListBytes() { return WordListBytes(NewWords, NowWords, KnownWords); }

QByteArray WordListBytes(const TWordList &newWords, const TWordList &nowWords, const TWordList &knownWords)
{
    QByteArray bytes;
    const struct {
        const TWordList *list;
        int category;
    } groups[] = {{&newWords, catNew}, {&nowWords, catNow}, {&knownWords, catKnown}};
    for (const auto &g : groups)
        for (const TWordEntry &w : *g.list) {
            bytes += QByteArray::number(g.category);
            bytes += ';';
            bytes += w.Text.toLocal8Bit();
            bytes += ';';
            bytes += QByteArray::number(w.SoundNo);
            bytes += "\r\n";
        }
    return bytes;
}

namespace {

// A file we could not read must survive our next save: keep it under another
// name before the new list takes its place.
QString SetAsideUnreadableWordList(const QString &path)
{
    QString aside = path + ".unreadable";
    for (int n = 1; QFileInfo::exists(aside); ++n)
        aside = path + ".unreadable" + QString::number(n);
    if (!RenameFileDurably(path, aside))
        throw EInOutError(QCoreApplication::translate("Files", "Cannot create file %1").arg(QDir::toNativeSeparators(path)));
    GWordListUnreadable = false;
    return aside;
}

QString ChecksumText(uLong crc) { return QStringLiteral("%1").arg(uint(crc), 8, 16, QChar('0')).toUpper(); }

QString ChecksumText(const QByteArray &bytes)
{
    return ChecksumText(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size())));
}

// The last step of a save, once the settings hold the pending list's
// checksum: the pending list replaces lumword.lst, and a list there that could
// not be read is kept under another name first. Returns that name, or an
// empty text.
QString PutPendingWordListInPlace()
{
    const QString path = WordListFileName();
    QString aside;
    if (GWordListUnreadable && QFileInfo::exists(path))
        aside = SetAsideUnreadableWordList(path);
    if (!RenameFileDurably(PendingWordListFileName(), path))
        throw EInOutError(QCoreApplication::translate("Files", "Cannot create file %1").arg(QDir::toNativeSeparators(path)));
    return aside;
}

// The first Count fields of a line split at ";", with runs of semicolons
// counting as one separator and leading or trailing ones skipped. Views, not
// copies: a list is parsed at every start, before the first paint.
int SplitFields(QByteArrayView line, QByteArrayView *fields, int count)
{
    int found = 0;
    qsizetype i = 0;
    while (i < line.size() && found < count) {
        qsizetype j = i;
        while (j < line.size() && line[j] != ';')
            ++j;
        if (j > i)
            fields[found++] = line.sliced(i, j - i);
        i = j + 1;
    }
    return found;
}

int FieldInteger(QByteArrayView field, int def)
{
    // Plain decimal numbers, all the program writes, without a detour
    // through text; anything else as the settings file reads its numbers.
    if (!field.isEmpty() && field.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (const char c : field) {
            if (c < '0' || c > '9') {
                digits = false;
                break;
            }
            value = value * 10 + (c - '0');
        }
        if (digits)
            return value;
    }
    int value;
    return ProfileStrToInt(QString::fromLocal8Bit(field), value) ? value : def;
}

} // namespace

void ClearWordLists()
{
    for (TWordList *l : {&AllWords, &NewWords, &NowWords, &KnownWords})
        l->clear();
    GWordListBase.Forget();
}

TFileBase &WordListBase() { return GWordListBase; }

QString SettingsFileName()
{
    const QFileInfo program(ProgramFilePath());
    const QString name = program.fileName();
    const int dot = name.lastIndexOf('.');
    const QString base = dot > 0 ? name.left(dot) : name;
    return WithSeparator(program.absolutePath()) + base + ".INI";
}

QString WordListFileName() { return Settings.ProgramDir + "lumword.lst"; }
QString PendingWordListFileName() { return WordListFileName() + ".pending"; }

void LoadSettings()
{
    TSettings s;
    s.ProgramDir = WithSeparator(QFileInfo(ProgramFilePath()).absolutePath());
    const QString soundDir = s.ProgramDir + "wav";
    if (!QFileInfo(soundDir).isDir())
        QDir().mkdir(soundDir);   // a failure shows later, when a sound is written or played
    s.SoundDir = WithSeparator(soundDir);

    const TIniFile ini(SettingsFileName());
    const TSettings d;
    s.OpeningBack = ini.ReadString("Opening", "Back", d.OpeningBack);
    s.OpeningColor = ini.ReadInteger("Opening", "Color", d.OpeningColor);
    s.ListChecksum = ini.ReadString("Main", "Position", d.ListChecksum);
    s.Hints = ini.ReadBool("General", "Hints", d.Hints);
    s.Protect = ini.ReadBool("General", "Protect", d.Protect);
    s.SoundMode = ini.ReadInteger("General", "SoundMode", d.SoundMode);
    s.FontName = ini.ReadString("Main", "Name", d.FontName);
    s.FontSize = ini.ReadInteger("Main", "Size", d.FontSize);
    s.FontColor = ini.ReadInteger("Main", "Color", d.FontColor);
    s.FontBold = ini.ReadBool("Main", "Bold", d.FontBold);
    s.BackColor = ini.ReadInteger("Main", "Back", d.BackColor);
    s.Transition = ini.ReadInteger("Main", "Transition", d.Transition);
    s.Delay = ini.ReadInteger("Main", "Delay", d.Delay);
    s.Button = ini.ReadInteger("Main", "Button", d.Button);
    s.HotKey = uint16_t(ini.ReadInteger("Main", "Key", d.HotKey));
    s.SoundSlot = ini.ReadInteger("Main", "Sound", d.SoundSlot);
    s.AutoAdd = ini.ReadBool("Config", "AutoAdd", d.AutoAdd);
    s.PlanEnabled = ini.ReadBool("Plan", "Enabled", d.PlanEnabled);
    s.PlanWords = ini.ReadInteger("Plan", "Words", d.PlanWords);
    s.PlanDays = ini.ReadInteger("Plan", "Days", d.PlanDays);
    s.PlanPerDay = ini.ReadInteger("Plan", "PerDay", d.PlanPerDay);
    s.PlanShows = ini.ReadInteger("Plan", "Shows", d.PlanShows);
    s.PlanGap = ini.ReadInteger("Plan", "Gap", d.PlanGap);
    s.SoundEven = ini.ReadBool("Sound", "Even", d.SoundEven);
    s.Speak = ini.ReadBool("Voice", "Speak", d.Speak);
    s.Voice = ini.ReadString("Voice", "Voice", d.Voice);
    s.Language = ini.ReadString("General", "Language", d.Language);
    Settings = s;
}

QString StoredLanguage() { return TIniFile(SettingsFileName()).ReadString("General", "Language", QString()); }

void SaveSettings()
{
    // All keys go out in one atomic replacement: either the whole new record
    // is on disk or the old file is untouched.
    TIniFile ini(SettingsFileName());
    const TSettings &s = Settings;
    ini.WriteString("Opening", "Back", s.OpeningBack);
    ini.WriteInteger("Opening", "Color", s.OpeningColor);
    ini.WriteString("Main", "Position", s.ListChecksum);
    ini.WriteBool("General", "Hints", s.Hints);
    ini.WriteBool("General", "Protect", s.Protect);
    ini.WriteInteger("General", "SoundMode", s.SoundMode);
    ini.WriteString("Main", "Name", s.FontName);
    ini.WriteInteger("Main", "Size", s.FontSize);
    ini.WriteInteger("Main", "Color", s.FontColor);
    ini.WriteBool("Main", "Bold", s.FontBold);
    ini.WriteInteger("Main", "Back", s.BackColor);
    ini.WriteInteger("Main", "Transition", s.Transition);
    ini.WriteInteger("Main", "Delay", s.Delay);
    ini.WriteInteger("Main", "Button", s.Button);
    ini.WriteInteger("Main", "Key", s.HotKey);
    ini.WriteInteger("Main", "Sound", s.SoundSlot);
    ini.WriteBool("Config", "AutoAdd", s.AutoAdd);
    ini.WriteBool("Plan", "Enabled", s.PlanEnabled);
    ini.WriteInteger("Plan", "Words", s.PlanWords);
    ini.WriteInteger("Plan", "Days", s.PlanDays);
    ini.WriteInteger("Plan", "PerDay", s.PlanPerDay);
    ini.WriteInteger("Plan", "Shows", s.PlanShows);
    ini.WriteInteger("Plan", "Gap", s.PlanGap);
    ini.WriteBool("Sound", "Even", s.SoundEven);
    ini.WriteBool("Voice", "Speak", s.Speak);
    ini.WriteString("Voice", "Voice", s.Voice);
    // Automatic, never chosen otherwise, leaves the file as older versions wrote it.
    if (!s.Language.isEmpty() || ini.ValueExists("General", "Language"))
        ini.WriteString("General", "Language", s.Language);
    if (!ini.UpdateFile())
        throw EInOutError(QCoreApplication::translate("Files", "Unable to write to %1").arg(QDir::toNativeSeparators(ini.FileName())));
}

void LoadWordList()
{
    const QString path = WordListFileName();
    std::optional<QByteArray> bytes;
    try {
        bytes = TFileBase::Read(path);
    } catch (const Exception &) {
        GWordListUnreadable = true;
        GWordListBase.Forget();
        throw;
    }
    if (!bytes) {
        GWordListBase.RememberMissing();
        return;
    }
    ParseWordList(*bytes);
    GWordListBase.Remember(*bytes);
}

void ParseWordList(const QByteArray &bytes)
{
    const TWordLists lists = ParseWordLists(bytes);
    AllWords += lists.All;
    NewWords += lists.New;
    NowWords += lists.Now;
    KnownWords += lists.Known;
}

TWordLists ParseWordLists(const QByteArray &bytes)
{
    TWordLists lists;
    // CR, LF and CR LF each end a line; a last line without an ending still counts.
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        QByteArrayView fields[3];
        const int count = SplitFields(QByteArrayView(bytes).sliced(start, end - start), fields, 3);
        TWordEntry w;
        const int category = count > 0 ? FieldInteger(fields[0], catNew) : catNew;
        w.Text = count > 1 ? QString::fromLocal8Bit(fields[1]) : QString();
        w.SoundNo = count > 2 ? FieldInteger(fields[2], 0) : 0;
        lists.All.append(w);
        if (category == catNew)
            lists.New.append(w);
        else if (category == catNow)
            lists.Now.append(w);
        else if (category == catKnown)
            lists.Known.append(w);
        if (end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lists;
}

void SaveWordList()
{
    const QString path = WordListFileName();
    QString aside;
    if (GWordListUnreadable && QFileInfo::exists(path))
        aside = SetAsideUnreadableWordList(path);
    if (!WriteFileAtomically(path, WordListBytes())) {
        if (!aside.isEmpty() && RenameFileDurably(aside, path))
            GWordListUnreadable = true;
        throw EInOutError(QCoreApplication::translate("Files", "Cannot create file %1").arg(QDir::toNativeSeparators(path)));
    }
}

QString SaveWordListAndSettings()
{
    // The list and its checksum change together or not at all, whenever the
    // program stops: the new list goes beside the old one under the pending
    // name; the settings file naming its checksum is the commit; then the
    // pending list takes the old one's place. FinishWordListSave at the next
    // start completes or discards a save stopped in between.
    const QString path = WordListFileName();
    const QString pending = PendingWordListFileName();
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !GWordListUnreadable)
        throw EInOutError(QCoreApplication::translate("Files", "Cannot create file %1").arg(QDir::toNativeSeparators(path)));
    if (GWordListBase.ChangedOnDisk(path))
        throw EInOutError(QCoreApplication::translate("Files", "The word list %1 was changed by another copy of the program. "
                                         "It has not been replaced, so that copy's words are not lost.")
                              .arg(QDir::toNativeSeparators(path)));
    const QByteArray bytes = WordListBytes();
    const QString oldChecksum = Settings.ListChecksum;
    const QString newChecksum = ChecksumText(bytes);

    if (!WriteFileAtomically(pending, bytes)) {
        QFile::remove(pending);
        throw EInOutError(QCoreApplication::translate("Files", "Cannot create file %1").arg(QDir::toNativeSeparators(path)));
    }
    Settings.ListChecksum = newChecksum;
    try {
        SaveSettings();
    } catch (const Exception &) {
        // Only a folder flush can fail after the settings file was replaced;
        // what is on disk decides whether the save went through.
        const TIniFile stored(SettingsFileName());
        if (newChecksum == oldChecksum || stored.ReadString("Main", "Position", QString()) != newChecksum) {
            Settings.ListChecksum = oldChecksum;
            QFile::remove(pending);
            throw;
        }
        PutPendingWordListInPlace();
        GWordListBase.Remember(bytes);
        throw;
    }
    const QString aside = PutPendingWordListInPlace();
    GWordListBase.Remember(bytes);
    return aside;
}

bool RereadWordListSavedElsewhere()
{
    std::optional<QByteArray> now;
    try {
        if (!GWordListBase.ChangedOnDisk(WordListFileName(), &now) || !now)
            return false;
    } catch (const Exception &) {
        return false;
    }
    const QString checksum = ChecksumText(*now);
    if (TIniFile(SettingsFileName()).ReadString("Main", "Position", QString()) != checksum)
        return false;
    ClearWordLists();
    ParseWordList(*now);
    GWordListBase.Remember(*now);
    Settings.ListChecksum = checksum;
    return true;
}

QString FinishWordListSave()
{
    const QString path = WordListFileName();
    const QString pending = PendingWordListFileName();
    if (!QFileInfo(pending).isFile())
        return QString();
    QString listChecksum;
    bool listReadable = true;
    try {
        listChecksum = WordListChecksum(path);
    } catch (const Exception &) {
        listReadable = false;
    }
    QString pendingChecksum;
    try {
        pendingChecksum = WordListChecksum(pending);
    } catch (const Exception &) {
        // A pending list that cannot be read matches nothing.
    }
    if ((listReadable && listChecksum == Settings.ListChecksum) || pendingChecksum != Settings.ListChecksum) {
        // The remains of a save that never reached its settings.
        QFile::remove(pending);
        return QString();
    }
    // The settings name the pending list: the save was past its commit.
    if (!listReadable)
        GWordListUnreadable = true;
    return PutPendingWordListInPlace();
}

namespace {

// `names` matches whole file names; their temporaries are these names and the
// six letters or digits the save put after a dot.
void RemoveTemporariesOf(const QDir &folder, const QString &names)
{
    const QRegularExpression leftover(QStringLiteral("\\A(?:%1)\\.[A-Za-z0-9]{6}\\z").arg(names));
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks))
        if (leftover.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
}

} // namespace

void RemoveLeftoverTemporaries(const QStringList &others)
{
    // By the program file, not Settings: this runs before they are read.
    const QDir folder = QFileInfo(ProgramFilePath()).absoluteDir();
    QStringList own;
    for (const QString &path : QStringList{SettingsFileName(), WordListFileName(), PendingWordListFileName()} + others)
        own << QRegularExpression::escape(QFileInfo(path).fileName());
    RemoveTemporariesOf(folder, own.join('|'));
    // The names SoundFileName gives.
    const QString sounds = QStringLiteral("word-?[0-9]{4,}\\.wav");
    const QString soundFolder = folder.filePath(QStringLiteral("wav/"));
    RemoveTemporariesOf(QDir(soundFolder), sounds);
    // ...and the takes as captured, wherever the names put them.
    RemoveTemporariesOf(QFileInfo(WordSoundName(0, true, soundFolder)).dir(), sounds);
}

bool WordListUnreadable() { return GWordListUnreadable; }
void SetWordListUnreadable(bool unreadable) { GWordListUnreadable = unreadable; }

QString SoundFileName(int soundNo) { return WordSoundName(soundNo, false, Settings.SoundDir); }

int LowestFreeSound(const QBitArray &used)
{
    for (int n = 0; n < used.size(); ++n)
        if (!used.testBit(n))
            return n;
    return -1;
}

bool ClearLeftoverSound(int soundNo)
{
    const QString sound = SoundFileName(soundNo);
    bool cleared = true;
    for (const QString &file : {sound, OriginalSoundName(sound)})
        if (QFile::exists(file) && !QFile::remove(file))
            cleared = false;
    return cleared;
}

bool SoundOnDisk(int soundNo)
{
    const QString sound = SoundFileName(soundNo);
    return QFile::exists(sound) || QFile::exists(OriginalSoundName(sound));
}

int LowestSoundFreeOnDisk(const QBitArray &used)
{
    for (int n = 0; n < used.size(); ++n)
        if (!used.testBit(n) && !SoundOnDisk(n))
            return n;
    return -1;
}

QString WordListChecksum(const QString &path)
{
    QFile f(path);
    if (!f.exists())
        return QStringLiteral("NOT DEFINED");
    if (!OpenPlainFile(f))
        throw EInOutError(QCoreApplication::translate("Files", "Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    uLong crc = crc32(0L, Z_NULL, 0);
    char block[4096];
    for (;;) {
        const qint64 got = f.read(block, sizeof block);
        if (got < 0)
            throw EInOutError(QCoreApplication::translate("Files", "Cannot open file %1").arg(QDir::toNativeSeparators(path)));
        if (got == 0)
            break;
        crc = crc32(crc, reinterpret_cast<const Bytef *>(block), uInt(got));
    }
    return ChecksumText(crc);
}
