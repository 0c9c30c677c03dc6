#pragma once
// The daily plan: it keeps the parent's routine for them. A few words are in
// use at once; each calendar day the program retires the words the child has
// seen on enough days to the known list and brings new words in, and it
// counts the showings of each day. What it has to remember lives in its own
// file beside the program, so the word list's format stays as it is.
//
// Everything runs on the user-interface thread. Nothing here may keep the
// program from starting: a plan file that cannot be read is set aside and the
// plan starts afresh.
#include "data/uCommon.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <functional>

// The settings of [Plan], their ranges and defaults.
struct TPlanRange {
    int Min, Max, Default;
    int Clamp(int v) const { return v < Min ? Min : v > Max ? Max : v; }
};
inline constexpr TPlanRange PlanWordsRange{1, 25, 5};
inline constexpr TPlanRange PlanDaysRange{1, 30, 5};
inline constexpr TPlanRange PlanPerDayRange{1, 5, 1};
inline constexpr TPlanRange PlanShowsRange{1, 10, 3};
inline constexpr TPlanRange PlanGapRange{0, 240, 30};

// Where the plan reads the time. Tests put a clock of their own here to live
// through weeks in a second; an empty clock puts the system's local time back.
// Returns the clock it replaced.
using TPlanClock = std::function<QDateTime()>;
TPlanClock SetPlanClock(TPlanClock clock);
QDateTime PlanNow();

// Beside the program, named after the program file, like the settings.
QString PlanFileName();

// A word in use as the plan sees it.
struct TPlanWord {
    TWordEntry Word;
    QDate InUseSince;
    QList<QDate> ShownDays;      // sorted, each day once
    QDate Retired;               // set by a rotation until the lists are saved
    bool operator==(const TPlanWord &) const = default;
};

// One day the program was used on.
struct TPlanDay {
    QDate Date;
    bool Rotated = false;
    int Known = 0;               // words known at the day's last record
    QList<QTime> Showings;
    bool operator==(const TPlanDay &) const = default;
};

// What a rotation did.
struct TPlanRotation {
    TWordList Retired;
    TWordList BroughtIn;
    bool Changed() const { return !Retired.isEmpty() || !BroughtIn.isEmpty(); }
};

// The settings the plan runs by, within their ranges.
struct TPlanRules {
    int Words, Days, PerDay, Shows, Gap;
    static TPlanRules FromSettings();
};

// What the plan page tells the parent about the days ahead, assuming the
// routine holds (every word in use is shown each day from today on).
struct TPlanForecast {
    struct TRetiring {
        TWordEntry Word;
        QDate On;
    };
    QList<TRetiring> Retiring;   // the words in use, soonest first
    int NewLeft = 0;
    QDate NewRunOut;             // when the last new word comes in; invalid when none are left
};

// One day of the progress picture.
struct TPlanChartDay {
    QDate Date;
    int Showings = 0;
    int Known = 0;               // words known that day
    bool Used = false;           // the program ran that day
};

class TPlan {
public:
    QList<TPlanWord> Words;
    QList<TPlanDay> Days;        // sorted by date
    // The day of the latest rotation, in the order they happened: after the
    // clock was put back it may lie before other rotated days.
    QDate LastRotation;

    bool operator==(const TPlan &) const = default;

    // The file's bytes, and reading them back; false for anything that is not
    // a whole plan file of this program.
    QByteArray Bytes() const;
    static bool Parse(const QByteArray &bytes, TPlan &plan);

    // Matches the plan's words with the words in use: a word that came into
    // use gets a fresh count from today, one that left is forgotten.
    void Reconcile(const TWordList &nowWords, const QDate &today);
    // Words the parent put into use again: their counts start afresh.
    void Restart(const TWordList &words, const QDate &today);

    bool RotatedOn(const QDate &day) const;
    // Whether a rotation is due today: not yet done today, and today not
    // before the latest rotation (a clock put back is still the same day).
    bool RotationDue(const QDate &today) const;
    // Retires and brings in on the given lists (at most once a day); with
    // fillAll, new words come in until `Words` are in use, whatever `PerDay`.
    TPlanRotation Rotate(const QDate &today, const TPlanRules &rules, bool fillAll, TWordList &newWords,
                         TWordList &nowWords, TWordList &knownWords);

    // A word painted on the run screen, and a showing completed.
    void WordShown(const TWordEntry &word, const QDateTime &at, int known);
    void ShowingDone(const QDateTime &at, int known);

    const TPlanDay *Day(const QDate &day) const;
    int ShowingsOn(const QDate &day) const;
    // When the next showing is due by the gap; invalid when none was made today.
    QDateTime NextShowingDue(const QDate &today, int gapMinutes) const;
    TPlanForecast Forecast(const QDate &today, const TPlanRules &rules, const TWordList &newWords,
                           const TWordList &nowWords) const;
    // The last `days` days up to today; days without a record carry the
    // known count of the day before; today's is `knownNow`.
    QList<TPlanChartDay> Chart(const QDate &today, int days, int knownNow) const;
    // Forgets the days of use older than the newest year of them up to today.
    void Prune(const QDate &today);

private:
    TPlanDay &DayFor(const QDate &day, int known);
    int Find(const TWordEntry &word) const;
};

// The plan of this run.
extern TPlan Plan;

// Forgets the plan in memory (a fresh program folder).
void PlanClear();

// Reads the plan file into Plan. A missing file starts afresh; one that
// cannot be read is set aside under another name and the text to show the
// parent is returned (empty when there is nothing to say).
QString PlanLoad();
// Writes Plan crash-safely; false when the file could not be written.
bool PlanSave();

// The save of the lists a rotation changed: the same crash-safe save as the
// configuration dialog's OK (word list, then the settings with its checksum).
void PlanSaveLists();

// At start-up, after the word list was read: loads the plan and, when it is
// on, rotates once a day and saves. Shows what the parent must know; never throws.
void PlanStart();
// After the configuration dialog's OK copied its values back: rotates when
// the plan is on and has not rotated today (or was just switched on: then new
// words fill up at once). `entered` are the words the parent put into use in
// the dialog; their counts restart. The main window's save then writes the lists.
void PlanConfigOk(bool wasEnabled, const TWordList &entered);
// The run screen painted a word; `showingDone` when that completed a pass
// over every word in use.
void PlanWordPainted(const TWordEntry &word, bool showingDone);
// The run screen closed: what it counted is kept.
void PlanRunClosed();
