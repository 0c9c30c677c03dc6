// The daily plan page: the plan's settings, what the plan will do next, and a
// picture of the last thirty days.
//
// The picture is drawn with QPainter: it is one small chart of two series, and
// Qt Charts would add a library and its QML-era dependencies to the program
// for that alone.
#include "config/uConfig.h"
#include "config/uConfigPlan.h"

#include "config/uConfigCommon.h"
#include "platform/Language.h"
#include "widgets/StdCtrls.h"
#include "widgets/oxForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int ChartDays = 30;
// One help topic serves the page and, through context help, each of its controls.
constexpr int PlanHelpTopic = 600;

QString DayText(const QDate &d) { return ProgramLocale().toString(d, QStringLiteral("ddd d MMM")); }

QString NewWordsText(int n)
{
    return n == 1 ? QCoreApplication::translate("TfmConfig", "1 new word")
                  : QCoreApplication::translate("TfmConfig", "%1 new words").arg(n);
}

} // namespace

// ---------------------------------------------------------------------------
// TPlanChart

TPlanChart::TPlanChart(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPlanChart::SetDays(const QList<TPlanChartDay> &days, int shows)
{
    if (days.size() == FDays.size() && shows == FShows
        && std::equal(days.begin(), days.end(), FDays.begin(), [](const TPlanChartDay &a, const TPlanChartDay &b) {
               return a.Date == b.Date && a.Showings == b.Showings && a.Known == b.Known && a.Used == b.Used;
           }))
        return;
    FDays = days;
    FShows = shows;
    update();
}

void TPlanChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (FDays.isEmpty())
        return;

    const QFontMetrics fm(font());
    const int lineH = fm.height();
    // Showings on the left scale, words known on the right one.
    const QRect plot = rect().adjusted(24, lineH + 6, -30, -(lineH + 6));
    int maxShows = FShows;
    int maxKnown = 1, minKnown = FDays.first().Known;
    for (const TPlanChartDay &d : FDays) {
        maxShows = std::max(maxShows, d.Showings);
        maxKnown = std::max(maxKnown, d.Known);
        minKnown = std::min(minKnown, d.Known);
    }
    minKnown = std::max(0, std::min(minKnown, maxKnown - 1));
    const int n = int(FDays.size());
    const double slot = double(plot.width()) / n;
    auto showY = [&](double v) { return plot.bottom() - v * plot.height() / maxShows; };
    auto knownY = [&](double v) { return plot.bottom() - (v - minKnown) * plot.height() / (maxKnown - minKnown); };

    // The day's aim, dashed across the bars.
    const QColor aimColour(0x30, 0x80, 0x30), shortColour(0xE0, 0xA0, 0x20), lineColour(0x20, 0x40, 0xC0);
    p.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), showY(FShows)), QPointF(plot.right(), showY(FShows)));

    // Bars: green where the aim was met, amber below it; a grey tick marks a
    // day the program was not used.
    for (int i = 0; i < n; ++i) {
        const TPlanChartDay &d = FDays[i];
        const double x = plot.left() + i * slot;
        if (d.Showings > 0) {
            const QRectF bar(x + slot * 0.15, showY(d.Showings), slot * 0.7, plot.bottom() - showY(d.Showings));
            p.fillRect(bar, d.Showings >= FShows ? aimColour : shortColour);
        } else {
            p.fillRect(QRectF(x + slot * 0.3, plot.bottom() - 2, slot * 0.4, 2),
                       d.Used ? shortColour : palette().color(QPalette::Mid));
        }
    }

    // Words known, a step each day.
    QPainterPath known;
    for (int i = 0; i < n; ++i) {
        const QPointF pt(plot.left() + (i + 0.5) * slot, knownY(FDays[i].Known));
        i == 0 ? known.moveTo(pt) : known.lineTo(pt);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(lineColour, 2));
    p.drawPath(known);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Scales and captions.
    p.setPen(palette().color(QPalette::Text));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawText(QRect(2, plot.top() - lineH / 2, 20, lineH), Qt::AlignRight | Qt::AlignVCenter, QString::number(maxShows));
    p.drawText(QRect(2, plot.bottom() - lineH / 2, 20, lineH), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    p.setPen(lineColour);
    p.drawText(QRect(plot.right() + 4, plot.top() - lineH / 2, 26, lineH), Qt::AlignLeft | Qt::AlignVCenter,
               QString::number(maxKnown));
    p.drawText(QRect(plot.right() + 4, plot.bottom() - lineH / 2, 26, lineH), Qt::AlignLeft | Qt::AlignVCenter,
               QString::number(minKnown));
    p.drawText(QRect(plot.left(), 2, plot.width(), lineH), Qt::AlignRight, tr("words known"));
    p.setPen(aimColour);
    p.drawText(QRect(plot.left(), 2, plot.width(), lineH), Qt::AlignLeft,
               tr("showings a day (aim %1)").arg(FShows));
    p.setPen(palette().color(QPalette::Text));
    const QRect dates(plot.left(), plot.bottom() + 3, plot.width(), lineH);
    p.drawText(dates, Qt::AlignLeft, DayText(FDays.first().Date));
    p.drawText(dates, Qt::AlignRight, DayText(FDays.last().Date));
}

// ---------------------------------------------------------------------------
// The page

void TfmConfig::CreatePlanPage()
{
    tsPlan = new QWidget;
    tsPlan->setProperty("Tag", 3);
    Pages->addTab(tsPlan, tr("Daily Plan"));

    cbPlan = new QCheckBox(tr("Run the daily plan"), tsPlan);
    cbPlan->setGeometry(20, 10, 200, 17);
    SetHint(cbPlan, tr("The program moves the words for you: it retires the words your child has seen on "
                       "enough days and brings new ones in, once a day"),
            PlanHelpTopic);

    // Translated where they are shown.
    struct TSetting {
        TSpinEdit *&edit;
        const char *caption;
        TPlanRange range;
        const char *hint;
    };
    const TSetting settings[] = {
        {udWords, QT_TRANSLATE_NOOP("TfmConfig", "Words in use"), PlanWordsRange,
         QT_TRANSLATE_NOOP("TfmConfig", "How many words are in use at once")},
        {udDays, QT_TRANSLATE_NOOP("TfmConfig", "Days to learn a word"), PlanDaysRange,
         QT_TRANSLATE_NOOP("TfmConfig", "A word is known once it was shown on this many different days")},
        {udPerDay, QT_TRANSLATE_NOOP("TfmConfig", "New words a day"), PlanPerDayRange,
         QT_TRANSLATE_NOOP("TfmConfig", "How many words at most are retired, and new ones brought in, each day")},
        {udShows, QT_TRANSLATE_NOOP("TfmConfig", "Showings a day"), PlanShowsRange,
         QT_TRANSLATE_NOOP("TfmConfig", "How many times a day you aim to show the words")},
        {udGap, QT_TRANSLATE_NOOP("TfmConfig", "Minutes between"), PlanGapRange,
         QT_TRANSLATE_NOOP("TfmConfig", "How long you want to wait between two showings")},
    };
    int y = 34;
    for (const TSetting &s : settings) {
        auto *caption = new QLabel(QCoreApplication::translate("TfmConfig", s.caption), tsPlan);
        caption->setGeometry(20, y + 3, 130, 16);
        s.edit = new TSpinEdit(tsPlan);
        s.edit->setGeometry(150, y, 56, 22);
        s.edit->setAccessibleName(caption->text());
        s.edit->SetRange(s.range.Min, s.range.Max);
        caption->setBuddy(s.edit);
        SetHint(s.edit, QCoreApplication::translate("TfmConfig", s.hint), PlanHelpTopic);
        connect(s.edit, &TSpinEdit::OnChange, this, &TfmConfig::PlanPageChange);
        y += 24;
    }

    auto status = [this](int top, int height, const QString &hint) {
        auto *l = new QLabel(tsPlan);
        // The forecasts name words, which are the parent's own text.
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(226, top, 245, height);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        SetHint(l, hint, PlanHelpTopic);
        return l;
    };
    laToday = status(12, 16, tr("Today's showings against the number you aim for"));
    laNext = status(32, 16, tr("When the next showing is due, going by the minutes between showings"));
    laRetire = status(56, 44, tr("The words that become known next, and on which day"));
    laNewLeft = status(104, 44, tr("The new words still waiting, and when the last one comes into use"));
    QFont bold = laToday->font();
    bold.setBold(true);
    laToday->setFont(bold);

    pgProgress = new TPlanChart(tsPlan);
    pgProgress->setGeometry(13, 158, 458, 134);
    SetHint(pgProgress, tr("The last thirty days: bars for the showings of each day, the line for the words "
                           "your child knows"),
            PlanHelpTopic);
    SetHelpContext(tsPlan, PlanHelpTopic);   // "?" on the page itself

    connect(cbPlan, &QCheckBox::toggled, this, &TfmConfig::PlanPageChange);
}

void TfmConfig::PlanFormCreate()
{
    cbPlan->setChecked(Settings.PlanEnabled);
    udWords->SetValue(Settings.PlanWords);
    udDays->SetValue(Settings.PlanDays);
    udPerDay->SetValue(Settings.PlanPerDay);
    udShows->SetValue(Settings.PlanShows);
    udGap->SetValue(Settings.PlanGap);
    // From here on, every word put into use (moved, dragged or newly saved)
    // starts its count afresh at OK, also one moved out and back.
    connect(lbNow->model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first, int last) {
        for (int r = first; r <= last; ++r)
            FEnteredUse << lbNow->Word(r);
    });
    PlanPageChange();
}

void TfmConfig::PlanPageChange()
{
    // Worked out for the page in view only: the forecast over hundreds of
    // words is the dearest thing in opening the dialog, and setting the
    // page's five values would otherwise work it out five times over. The
    // page is brought up to date whenever it is shown.
    if (Pages->ActiveTag() != 3)
        return;
    const TPlanRules rules{udWords->Value(), udDays->Value(), udPerDay->Value(), udShows->Value(), udGap->Value()};
    const QDateTime now = PlanNow();
    const QDate today = now.date();

    laToday->setText(tr("%1 of %2 today").arg(Plan.ShowingsOn(today)).arg(rules.Shows));
    const QDateTime due = Plan.NextShowingDue(today, rules.Gap);
    if (Plan.ShowingsOn(today) >= rules.Shows)
        laNext->setText(tr("Today's showings are done."));
    else if (!due.isValid() || due <= now)
        laNext->setText(tr("Next showing: now"));
    else if (due.date() != today)
        // The gap runs past midnight; a new day's showings start afresh.
        laNext->setText(tr("Next showing: tomorrow"));
    else
        laNext->setText(tr("Next showing: from %1").arg(due.time().toString(QStringLiteral("HH:mm"))));

    const TPlanForecast f = Plan.Forecast(today, rules, lbNew->Words(), lbNow->Words());
    QStringList next;
    for (qsizetype i = 0; i < std::min<qsizetype>(3, f.Retiring.size()); ++i)
        next << tr("%1 on %2").arg(f.Retiring[i].Word.Text, DayText(f.Retiring[i].On));
    laRetire->setText(next.isEmpty() ? tr("No words in use.") : tr("Known next: ") + next.join(", "));
    if (f.NewLeft == 0)
        laNewLeft->setText(tr("No new words left: record some on the recording page."));
    else if (f.NewRunOut.isValid())
        laNewLeft->setText(
            tr("%1 left; the last comes into use on %2.").arg(NewWordsText(f.NewLeft), DayText(f.NewRunOut)));
    else
        laNewLeft->setText(tr("%1 left.").arg(NewWordsText(f.NewLeft)));

    pgProgress->SetDays(Plan.Chart(today, ChartDays, int(lbKnown->count())), rules.Shows);
}

void TfmConfig::PlanOkClick()
{
    const bool wasEnabled = Settings.PlanEnabled;
    Settings.PlanEnabled = cbPlan->isChecked();
    Settings.PlanWords = udWords->Value();
    Settings.PlanDays = udDays->Value();
    Settings.PlanPerDay = udPerDay->Value();
    Settings.PlanShows = udShows->Value();
    Settings.PlanGap = udGap->Value();
    TWordList entered;
    for (const TWordEntry &w : std::as_const(FEnteredUse))
        if (NowWords.contains(w))
            entered << w;
    PlanConfigOk(wasEnabled, entered);
}
