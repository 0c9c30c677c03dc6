#include "data/uPlan.h"

#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUrl>

#include <algorithm>
#include <array>
#include <zlib.h>

TPlan Plan;

namespace {

TPlanClock &Clock()
{
    static TPlanClock clock;
    return clock;
}

// The plan file could be neither read nor moved aside: writing would destroy it.
bool GPlanFileBlocked = false;
// Showings counted since the plan file was last written.
bool GPlanDirty = false;

const QByteArray Header = "Pellan Wordlark daily plan 1";

QString Key(const TWordEntry &w) { return QString::number(w.SoundNo) + QLatin1Char(';') + w.Text; }

// Dates and times are written and read by hand: Qt's format parser costs
// microseconds a field, which a year of history at every start would feel.
QByteArray Digits(int value, int width) { return QByteArray::number(value).rightJustified(width, '0'); }

QByteArray DateText(const QDate &d)
{
    return d.isValid() ? Digits(d.year(), 4) + '-' + Digits(d.month(), 2) + '-' + Digits(d.day(), 2) : QByteArray("-");
}

QByteArray TimeText(const QTime &t) { return Digits(t.hour(), 2) + ':' + Digits(t.minute(), 2) + ':' + Digits(t.second(), 2); }

// The numbers of "dd?dd?dd..." at the given places, separated by `sep`.
bool ReadFields(QByteArrayView text, char sep, std::initializer_list<int> widths, int *out)
{
    qsizetype at = 0;
    for (int w : widths) {
        if (at > 0) {
            if (at >= text.size() || text[at] != sep)
                return false;
            ++at;
        }
        int v = 0;
        for (int i = 0; i < w; ++i, ++at) {
            if (at >= text.size() || text[at] < '0' || text[at] > '9')
                return false;
            v = v * 10 + (text[at] - '0');
        }
        *out++ = v;
    }
    return at == text.size();
}

bool ReadDate(QByteArrayView text, QDate &d, bool allowNone)
{
    if (text == "-") {
        d = QDate();
        return allowNone;
    }
    int f[3];
    d = ReadFields(text, '-', {4, 2, 2}, f) ? QDate(f[0], f[1], f[2]) : QDate();
    return d.isValid();
}

bool ReadTime(QByteArrayView text, QTime &t)
{
    int f[3];
    t = ReadFields(text, ':', {2, 2, 2}, f) ? QTime(f[0], f[1], f[2]) : QTime();
    return t.isValid();
}

bool ReadInt(QByteArrayView text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

// Hands `take` each part of `text` between `sep`s, empty ones too, as
// QByteArray::split would make them but without copying any; stops at the
// first part `take` refuses. A year of history is thousands of fields, and
// making each its own array was most of the time the plan took at start.
template <class F>
bool EachPart(QByteArrayView text, char sep, F &&take)
{
    for (qsizetype from = 0;;) {
        const qsizetype at = text.indexOf(sep, from);
        if (!take(text.sliced(from, (at < 0 ? text.size() : at) - from)))
            return false;
        if (at < 0)
            return true;
        from = at + 1;
    }
}

QString Crc(QByteArrayView bytes)
{
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(bytes.data()), uInt(bytes.size()));
    return QStringLiteral("%1").arg(uint(crc), 8, 16, QChar('0')).toUpper();
}

bool WritePlan(const TPlan &plan)
{
    if (GPlanFileBlocked)
        return false;
    if (!WriteFileAtomically(PlanFileName(), plan.Bytes()))
        return false;
    GPlanDirty = false;
    return true;
}

void Report(const QString &text, QMessageBox::Icon icon = QMessageBox::Warning) { ShowMessageBox(text, icon); }

// Rotates the global lists. The plan's file is written before the lists: a
// stop between the two costs a day's rotation, never brings a second one.
// Returns true when the lists changed and must be saved.
bool RotateGlobals(const QDate &today, bool fillAll, const TWordList &entered = {})
{
    TPlan next = Plan;
    next.Restart(entered, today);
    TWordList newWords = NewWords, nowWords = NowWords, knownWords = KnownWords;
    // A plan that never rotated fills up as switching it on does, however it
    // came to be on (settings restored from a backup, a plan file lost).
    fillAll = fillAll || !next.LastRotation.isValid();
    const TPlanRotation r = next.Rotate(today, TPlanRules::FromSettings(), fillAll, newWords, nowWords, knownWords);
    next.Prune(today);
    if (!(next == Plan) && !WritePlan(next)) {
        Report(QCoreApplication::translate("DailyPlan", "The daily plan could not be saved to %1. The words in use stay as they are.")
                   .arg(QDir::toNativeSeparators(PlanFileName())));
        return false;
    }
    Plan = std::move(next);
    NewWords = std::move(newWords);
    NowWords = std::move(nowWords);
    KnownWords = std::move(knownWords);
    return r.Changed();
}

} // namespace

TPlanClock SetPlanClock(TPlanClock clock)
{
    TPlanClock old = std::move(Clock());
    Clock() = std::move(clock);
    return old;
}

QDateTime PlanNow() { return Clock() ? Clock()() : QDateTime::currentDateTime(); }

QString PlanFileName()
{
    const QFileInfo program(ProgramFilePath());
    const QString name = program.fileName();
    const int dot = name.lastIndexOf('.');
    const QString base = dot > 0 ? name.left(dot) : name;
    return QDir(program.absolutePath()).filePath(base + ".plan");
}

TPlanRules TPlanRules::FromSettings()
{
    // A hand-edited value outside its range runs as the nearest one inside.
    return {PlanWordsRange.Clamp(Settings.PlanWords), PlanDaysRange.Clamp(Settings.PlanDays),
            PlanPerDayRange.Clamp(Settings.PlanPerDay), PlanShowsRange.Clamp(Settings.PlanShows),
            PlanGapRange.Clamp(Settings.PlanGap)};
}

// ---------------------------------------------------------------------------
// The file

QByteArray TPlan::Bytes() const
{
    QByteArray b = Header + '\n' + "last\t" + DateText(LastRotation) + '\n';
    for (const TPlanWord &w : Words) {
        QByteArrayList days;
        for (const QDate &d : w.ShownDays)
            days << DateText(d);
        b += "word\t" + QByteArray::number(w.Word.SoundNo) + '\t' + DateText(w.InUseSince) + '\t' + DateText(w.Retired)
             + '\t' + (days.isEmpty() ? QByteArray("-") : days.join(',')) + '\t'
             + QUrl::toPercentEncoding(w.Word.Text) + '\n';
    }
    for (const TPlanDay &d : Days) {
        QByteArrayList times;
        for (const QTime &t : d.Showings)
            times << TimeText(t);
        b += "day\t" + DateText(d.Date) + '\t' + (d.Rotated ? "1" : "0") + '\t' + QByteArray::number(d.Known) + '\t'
             + (times.isEmpty() ? QByteArray("-") : times.join(',')) + '\n';
    }
    return b + "end\t" + Crc(b).toLatin1() + '\n';
}

bool TPlan::Parse(const QByteArray &bytes, TPlan &plan)
{
    TPlan p;
    const qsizetype endAt = bytes.lastIndexOf("\nend\t");
    if (!bytes.startsWith(Header + '\n') || endAt < 0)
        return false;
    const QByteArrayView body = QByteArrayView(bytes).first(endAt + 1);
    if (QByteArrayView(bytes).sliced(endAt + 1) != "end\t" + Crc(body).toLatin1() + '\n')
        return false;
    // The lines between the header and the checksum, without the line break
    // the body ends with.
    QByteArrayView lines = body.sliced(Header.size() + 1);
    if (lines.isEmpty())
        return false;
    lines.chop(1);
    if (!lines.startsWith("last\t"))
        return false;
    bool first = true;
    const auto readLine = [&](QByteArrayView line) {
        if (first) {
            first = false;
            return ReadDate(line.sliced(5), p.LastRotation, true);
        }
        // No line has more than six fields; a seventh refuses the file.
        std::array<QByteArrayView, 6> f;
        qsizetype n = 0;
        if (!EachPart(line, '\t', [&](QByteArrayView part) {
                if (n == qsizetype(f.size()))
                    return false;
                f[n++] = part;
                return true;
            }))
            return false;
        if (f[0] == "word" && n == 6) {
            TPlanWord w;
            if (!ReadInt(f[1], w.Word.SoundNo) || !ReadDate(f[2], w.InUseSince, false) || !ReadDate(f[3], w.Retired, true))
                return false;
            if (f[4] != "-" && !EachPart(f[4], ',', [&](QByteArrayView t) {
                    QDate d;
                    if (!ReadDate(t, d, false))
                        return false;
                    w.ShownDays << d;
                    return true;
                }))
                return false;
            std::sort(w.ShownDays.begin(), w.ShownDays.end());
            w.ShownDays.erase(std::unique(w.ShownDays.begin(), w.ShownDays.end()), w.ShownDays.end());
            w.Word.Text = QUrl::fromPercentEncoding(f[5].toByteArray());
            p.Words << w;
            return true;
        }
        if (f[0] == "day" && n == 5) {
            TPlanDay d;
            if (!ReadDate(f[1], d.Date, false) || (f[2] != "0" && f[2] != "1") || !ReadInt(f[3], d.Known))
                return false;
            d.Rotated = f[2] == "1";
            if (f[4] != "-" && !EachPart(f[4], ',', [&](QByteArrayView t) {
                    QTime time;
                    if (!ReadTime(t, time))
                        return false;
                    d.Showings << time;
                    return true;
                }))
                return false;
            p.Days << d;
            return true;
        }
        return false;
    };
    if (!EachPart(lines, '\n', readLine))
        return false;
    std::sort(p.Days.begin(), p.Days.end(), [](const TPlanDay &a, const TPlanDay &b) { return a.Date < b.Date; });
    plan = std::move(p);
    return true;
}

// ---------------------------------------------------------------------------
// Words

int TPlan::Find(const TWordEntry &word) const
{
    for (int i = 0; i < Words.size(); ++i)
        if (Words[i].Word == word)
            return i;
    return -1;
}

void TPlan::Reconcile(const TWordList &nowWords, const QDate &today)
{
    QHash<QString, int> known;
    for (int i = 0; i < Words.size(); ++i)
        known.insert(Key(Words[i].Word), i);
    QList<TPlanWord> kept;
    QSet<QString> seen;
    for (const TWordEntry &w : nowWords) {
        const QString key = Key(w);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        if (const auto it = known.constFind(key); it != known.constEnd()) {
            TPlanWord p = Words[*it];
            // Still in use: the save that was to retire it never happened.
            p.Retired = QDate();
            kept << p;
        } else {
            kept << TPlanWord{w, today, {}, {}};
        }
    }
    Words = std::move(kept);
}

void TPlan::Restart(const TWordList &words, const QDate &today)
{
    for (const TWordEntry &w : words)
        if (const int i = Find(w); i >= 0)
            Words[i] = TPlanWord{w, today, {}, {}};
}

// ---------------------------------------------------------------------------
// Days

TPlanDay &TPlan::DayFor(const QDate &day, int known)
{
    auto it = std::lower_bound(Days.begin(), Days.end(), day, [](const TPlanDay &d, const QDate &v) { return d.Date < v; });
    if (it == Days.end() || it->Date != day)
        it = Days.insert(it, TPlanDay{day, false, known, {}});
    it->Known = known;
    return *it;
}

const TPlanDay *TPlan::Day(const QDate &day) const
{
    for (const TPlanDay &d : Days)
        if (d.Date == day)
            return &d;
    return nullptr;
}

bool TPlan::RotatedOn(const QDate &day) const
{
    const TPlanDay *d = Day(day);
    return d && d->Rotated;
}

bool TPlan::RotationDue(const QDate &today) const
{
    return !RotatedOn(today) && !(LastRotation.isValid() && today < LastRotation);
}

int TPlan::ShowingsOn(const QDate &day) const
{
    const TPlanDay *d = Day(day);
    return d ? int(d->Showings.size()) : 0;
}

QDateTime TPlan::NextShowingDue(const QDate &today, int gapMinutes) const
{
    const TPlanDay *d = Day(today);
    if (!d || d->Showings.isEmpty())
        return QDateTime();
    const QTime last = *std::max_element(d->Showings.begin(), d->Showings.end());
    return QDateTime(today, last).addSecs(qint64(gapMinutes) * 60);
}

void TPlan::Prune(const QDate &today)
{
    // Counted in days of use, not on the calendar: a clock put a year ahead
    // and back adds one day far ahead, and must not take the real history
    // with it. Days after today (the clock put back) are kept and not counted.
    constexpr qsizetype Kept = 367;
    const auto past = std::upper_bound(Days.begin(), Days.end(), today,
                                       [](const QDate &v, const TPlanDay &d) { return v < d.Date; });
    if (const qsizetype n = past - Days.begin(); n > Kept)
        Days.erase(Days.begin(), Days.begin() + (n - Kept));
}

void TPlan::WordShown(const TWordEntry &word, const QDateTime &at, int known)
{
    const QDate day = at.date();
    int i = Find(word);
    if (i < 0) {
        Words << TPlanWord{word, day, {}, {}};
        i = int(Words.size()) - 1;
    }
    QList<QDate> &days = Words[i].ShownDays;
    const auto it = std::lower_bound(days.begin(), days.end(), day);
    if (it == days.end() || *it != day)
        days.insert(it, day);
    DayFor(day, known);
}

void TPlan::ShowingDone(const QDateTime &at, int known) { DayFor(at.date(), known).Showings << at.time(); }

QList<TPlanChartDay> TPlan::Chart(const QDate &today, int days, int knownNow) const
{
    const QDate first = today.addDays(1 - days);
    int known = knownNow;
    auto it = std::lower_bound(Days.begin(), Days.end(), first, [](const TPlanDay &d, const QDate &v) { return d.Date < v; });
    if (it != Days.begin())
        known = std::prev(it)->Known;
    else if (it != Days.end())
        known = it->Known;
    QList<TPlanChartDay> chart;
    for (QDate d = first; d <= today; d = d.addDays(1)) {
        TPlanChartDay c{d, 0, known, false};
        if (it != Days.end() && it->Date == d) {
            c.Showings = int(it->Showings.size());
            c.Known = known = it->Known;
            c.Used = true;
            ++it;
        }
        chart << c;
    }
    if (!chart.isEmpty())
        chart.last().Known = knownNow;
    return chart;
}

// ---------------------------------------------------------------------------
// Rotation

TPlanRotation TPlan::Rotate(const QDate &today, const TPlanRules &rules, bool fillAll, TWordList &newWords,
                            TWordList &nowWords, TWordList &knownWords)
{
    TPlanRotation r;
    Reconcile(nowWords, today);
    const bool due = RotationDue(today);
    if (due) {
        struct TCandidate {
            int Now;    // index in nowWords
            int Days;
            QDate Since;
        };
        QList<TCandidate> candidates;
        for (int i = 0; i < nowWords.size(); ++i)
            if (const int p = Find(nowWords[i]); p >= 0 && Words[p].ShownDays.size() >= rules.Days)
                candidates << TCandidate{i, int(Words[p].ShownDays.size()), Words[p].InUseSince};
        // Most days first, then the longest in use, then list order.
        std::stable_sort(candidates.begin(), candidates.end(), [](const TCandidate &a, const TCandidate &b) {
            if (a.Days != b.Days)
                return a.Days > b.Days;
            return a.Since < b.Since;
        });
        candidates = candidates.mid(0, rules.PerDay);
        QList<int> leaving;
        for (const TCandidate &c : std::as_const(candidates)) {
            r.Retired << nowWords[c.Now];
            Words[Find(nowWords[c.Now])].Retired = today;
            leaving << c.Now;
        }
        std::sort(leaving.begin(), leaving.end(), std::greater<int>());
        for (int i : std::as_const(leaving))
            nowWords.removeAt(i);
        knownWords << r.Retired;
    }
    if (due || fillAll) {
        qsizetype n = std::min<qsizetype>(rules.Words - nowWords.size(), newWords.size());
        if (!fillAll)
            n = std::min<qsizetype>(n, rules.PerDay);
        for (qsizetype k = 0; k < n; ++k) {
            const TWordEntry w = newWords.takeFirst();
            nowWords << w;
            Words << TPlanWord{w, today, {}, {}};
            r.BroughtIn << w;
        }
    }
    TPlanDay &day = DayFor(today, int(knownWords.size()));
    if (!day.Rotated) {
        // A day before the latest rotation is the day the clock was put back
        // on: it counts as rotated, and the rotations go on from it tomorrow.
        day.Rotated = true;
        LastRotation = today;
    }
    return r;
}

TPlanForecast TPlan::Forecast(const QDate &today, const TPlanRules &rules, const TWordList &newWords,
                              const TWordList &nowWords) const
{
    struct TSim {
        TWordEntry Word;
        QDate Since;
        int Days;
        QDate Last;
        bool Original;
    };
    QList<TSim> sim;
    for (const TWordEntry &w : nowWords) {
        const int p = Find(w);
        if (p < 0)
            sim << TSim{w, today, 0, QDate(), true};
        else
            sim << TSim{w, Words[p].InUseSince, int(Words[p].ShownDays.size()),
                        Words[p].ShownDays.isEmpty() ? QDate() : Words[p].ShownDays.last(), true};
    }
    TPlanForecast f;
    f.NewLeft = int(newWords.size());
    int originals = int(sim.size());
    qsizetype next = 0;
    const bool rotatedToday = !RotationDue(today);
    // Three years is far beyond 500 words at one a day.
    for (QDate d = today; d <= today.addYears(3) && (originals > 0 || next < newWords.size()); d = d.addDays(1)) {
        if (d > today || !rotatedToday) {
            QList<int> ready;
            for (int i = 0; i < sim.size(); ++i)
                if (sim[i].Days >= rules.Days)
                    ready << i;
            std::stable_sort(ready.begin(), ready.end(), [&](int a, int b) {
                if (sim[a].Days != sim[b].Days)
                    return sim[a].Days > sim[b].Days;
                return sim[a].Since < sim[b].Since;
            });
            ready = ready.mid(0, rules.PerDay);
            std::sort(ready.begin(), ready.end(), std::greater<int>());
            QList<TPlanForecast::TRetiring> retiringOn;
            for (int i : std::as_const(ready)) {
                if (sim[i].Original) {
                    retiringOn.prepend({sim[i].Word, d});
                    --originals;
                }
                sim.removeAt(i);
            }
            f.Retiring << retiringOn;
            const qsizetype n = std::min<qsizetype>({rules.Words - sim.size(), newWords.size() - next, rules.PerDay});
            for (qsizetype k = 0; k < n; ++k)
                sim << TSim{newWords[next++], d, 0, QDate(), false};
            if (n > 0 && next == newWords.size())
                f.NewRunOut = d;
        }
        for (TSim &s : sim)
            if (s.Last != d) {
                ++s.Days;
                s.Last = d;
            }
    }
    return f;
}

// ---------------------------------------------------------------------------
// The program's plan

void PlanClear()
{
    Plan = TPlan();
    GPlanFileBlocked = false;
    GPlanDirty = false;
}

QString PlanLoad()
{
    PlanClear();
    const QString path = PlanFileName();
    QFile f(path);
    if (!f.exists())
        return QString();
    QByteArray bytes;
    if (OpenPlainFile(f))
        bytes = f.readAll();
    const bool read = f.isOpen() && f.error() == QFileDevice::NoError;
    f.close();
    if (read && TPlan::Parse(bytes, Plan))
        return QString();
    Plan = TPlan();
    QString aside = path + ".damaged";
    for (int n = 1; QFileInfo::exists(aside); ++n)
        aside = path + ".damaged" + QString::number(n);
    if (RenameFileDurably(path, aside))
        return QCoreApplication::translate("DailyPlan", "The daily plan's file could not be read. It has been kept as %1, and the plan starts "
                              "afresh today.")
            .arg(QDir::toNativeSeparators(aside));
    GPlanFileBlocked = true;
    return QCoreApplication::translate("DailyPlan", "The daily plan's file %1 could not be read, nor moved aside. The plan starts afresh today "
                          "but is not saved until that file is moved away.")
        .arg(QDir::toNativeSeparators(path));
}

bool PlanSave()
{
    Plan.Prune(PlanNow().date());
    return WritePlan(Plan);
}

void PlanSaveLists()
{
    // The plan runs only after the word list was read, so the save never has
    // an unreadable list to keep aside.
    SaveWordListAndSettings();
}

void PlanStart()
{
    try {
        const QString note = PlanLoad();
        if (!note.isEmpty())
            Report(note);
        if (Settings.PlanEnabled && RotateGlobals(PlanNow().date(), false))
            PlanSaveLists();
    } catch (const std::exception &e) {
        Report(QString::fromUtf8(e.what()), QMessageBox::Critical);
    } catch (...) {
        Report(QCoreApplication::translate("DailyPlan", "The daily plan could not be run today."), QMessageBox::Critical);
    }
}

void PlanConfigOk(bool wasEnabled, const TWordList &entered)
{
    if (!Settings.PlanEnabled)
        return;
    try {
        const QDate today = PlanNow().date();
        RotateGlobals(today, !wasEnabled, entered);
    } catch (const std::exception &e) {
        Report(QString::fromUtf8(e.what()), QMessageBox::Critical);
    }
}

void PlanWordPainted(const TWordEntry &word, bool showingDone)
{
    if (!Settings.PlanEnabled)
        return;
    const QDateTime now = PlanNow();
    Plan.WordShown(word, now, int(KnownWords.size()));
    GPlanDirty = true;
    // Kept at each completed showing, so a crash loses at most the words of one pass.
    if (showingDone) {
        Plan.ShowingDone(now, int(KnownWords.size()));
        PlanSave();
    }
}

void PlanRunClosed()
{
    // Quietly: a child at the run screen must never meet a message; the next
    // save tries again.
    if (GPlanDirty)
        PlanSave();
}
