// The dialog frame: pages, OK, Cancel, Help, creation and taking the values back.
#include "config/uConfig.h"

#include "audio/MMEvenOut.h"
#include "config/uConfigCommon.h"
#include "data/WordMerge.h"
#include "audio/MMHiTimer.h"
#include "audio/MMWaveIO.h"
#include "picture/PGImage.h"
#include "platform/AppHints.h"
#include "platform/AtomicFile.h"
#include "platform/Exceptions.h"
#include "platform/MessageBox.h"
#include "platform/help.h"
#include "widgets/ColorBtn.h"
#include "widgets/StdCtrls.h"
#include "widgets/oxBtns.h"
#include "widgets/oxForm.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QTabBar>

#include <cmath>

namespace {

// Tabs of one fixed width, as long as they fit.
class TPageTabBar : public QTabBar {
public:
    explicit TPageTabBar(QWidget *parent) : QTabBar(parent)
    {
        setAttribute(Qt::WA_Hover);   // the tab under the pointer lights up
        setExpanding(false);
        setDrawBase(true);
    }

protected:
    QSize tabSizeHint(int index) const override
    {
        // 160 each while they fit; once the plan's page makes four, the room is
        // shared in proportion to each caption's own width, so none is cut off.
        const QSize natural = QTabBar::tabSizeHint(index);
        const int room = parentWidget() ? parentWidget()->width() - 4 : 640;
        if (count() * 160 <= room)
            return QSize(160, natural.height());
        int all = 0;
        for (int i = 0; i < count(); ++i)
            all += QTabBar::tabSizeHint(i).width();
        return QSize(std::min(160, natural.width() * room / std::max(1, all)), natural.height());
    }
};

} // namespace

void SetHint(QWidget *w, const QString &hint, int helpContext)
{
    if (!hint.isEmpty())
        w->setToolTip(hint);
    if (helpContext != 0)
        SetHelpContext(w, helpContext);
}

QLabel *CreateLabel(QWidget *parent, const QRect &geometry, const QString &caption, QWidget *buddy)
{
    auto *l = new QLabel(caption, parent);
    l->setGeometry(geometry);
    if (buddy) {
        l->setBuddy(buddy);
        buddy->setAccessibleName(QString(caption).remove('&'));
    }
    return l;
}

QFont NamedFont(const QString &family, int pixelSize, bool bold)
{
    // Asked for by name: where the family is missing, the font system picks
    // its metric-compatible substitute when the text is drawn.
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// ---------------------------------------------------------------------------
// TPageControl

TPageControl::TPageControl(QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new TPageTabBar(this));
    setUsesScrollButtons(false);
}

int TPageControl::ActiveTag() const
{
    const QWidget *page = currentWidget();
    return page ? page->property("Tag").toInt() : -1;
}

// ---------------------------------------------------------------------------
// TfmConfig

TfmConfig::TfmConfig(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("fmConfig"));
    setWindowTitle(tr("Configure Wordlark"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFont(NamedFont(QStringLiteral("Arial"), 11, false));
    setModal(true);

    // The caption bar with its "?" button, painted by the dialog itself.
    oxForm1 = new ToxForm(this);
    oxForm1->SetCaptionButtons(oxbHelp);
    oxForm1->SetActiveBorder(ox3Ridged);
    oxForm1->SetInactiveBorder(ox3Ridged);
    oxForm1->SetClientSize(484, 363);

    CreateFrame();
    CreateGeneralPage();
    CreateVoiceControls();
    CreateRecordPage();
    CreateSelectPage();
    CreatePlanPage();
    CreatePackButtons();
    CreateLanguageControls();
    CreateAudio();
    SetTabOrder();

    if (const QScreen *screen = (owner ? owner->screen() : QGuiApplication::primaryScreen()))
        move(screen->availableGeometry().center() - rect().center());

    FormCreate();
    connect(Pages, &QTabWidget::currentChanged, this, &TfmConfig::PagesChange);
    connect(this, &QDialog::finished, this, &TfmConfig::FormClose);
}

TfmConfig::~TfmConfig()
{
    AwaitFileJob();
    FormClose();
    DestroyAudio();
}

void TfmConfig::CreateFrame()
{
    QWidget *client = oxForm1->Client();
    Pages = new TPageControl(client);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->setGeometry(0, 0, 484, 325);
    tsGeneral = new QWidget;
    tsRecord = new QWidget;
    tsSelect = new QWidget;
    tsGeneral->setProperty("Tag", 0);
    tsRecord->setProperty("Tag", 1);
    tsSelect->setProperty("Tag", 2);
    Pages->addTab(tsGeneral, tr("General"));
    Pages->addTab(tsRecord, tr("Database Recording"));
    Pages->addTab(tsSelect, tr("Database Select"));

    btOk = CreateCommandButton(client, QRect(7, 331, 75, 25), tr("&Ok"), TCommandLook::Plain);
    btCancel = CreateCommandButton(client, QRect(92, 331, 75, 25), tr("&Cancel"), TCommandLook::Plain);
    btHelp = CreateCommandButton(client, QRect(177, 331, 75, 25), tr("&Help"), TCommandLook::Plain);
    btOk->SetModalResult(mrOk);
    btCancel->SetModalResult(mrCancel);
    btCancel->SetCancel(true);
    SetHint(btOk, tr("Close the dialog, saving changes made"), 501);
    SetHint(btCancel, tr("Cancel all the changes made and close the dialog"), 502);
    SetHint(btHelp, tr("Get help"), 104);
    connect(btOk, &ToxButton::OnClick, this, &TfmConfig::btOkClick);
    connect(btCancel, &ToxButton::OnClick, this, &TfmConfig::btCancelClick);
    connect(btHelp, &ToxButton::OnClick, this, &TfmConfig::btHelpClick);
}

void TfmConfig::SetTabOrder()
{
    const QList<QWidget *> order = {
        Pages->tabBar(),
        // General page.
        cbFont, udSize, coFont, cbBold, coBack, oxButton1, Fondos, coMainFont,
        rbDelay, rbMove, rbClick, rbKey, tbDelay, btNone, btLeft, btRight, hkKey,
        cbHints, cbProtect, rbNormal, rbDelayed, rbMute, cbSpeak, cbVoice,
        // Recording page.
        lbAll, btNew, btDelete, btSave, edWord, cbAdd, btRec, btPlay,
        cbEven, btEvenAll, btUndo, btEvenCancel,
        // Selection page.
        lbNew, lbNow, lbKnown, btNew2Now, btNow2New, btNow2Known, btKnown2Now,
        btAllNew, btAllNow, btAllKnow, btNoneNew, btNoneNow, btNoneKnow,
        btOk, btCancel, btHelp, btExport, btImport, cbLanguage,
    };
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    // Ctrl+Tab turns the pages wherever the focus is; a combo box would
    // otherwise take the Tab as a letter to search for.
    auto turn = [this](int by) { Pages->setCurrentIndex((Pages->currentIndex() + by + Pages->count()) % Pages->count()); };
    for (const QKeySequence &k : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(k, this), &QShortcut::activated, this, [turn] { turn(1); });
    for (const QKeySequence &k : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                  QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(k, this), &QShortcut::activated, this, [turn] { turn(-1); });

    // Tab into a radio group lands on its checked button, as the arrow keys
    // then move from there.
    for (QRadioButton *rb : findChildren<QRadioButton *>())
        rb->installEventFilter(this);
}

void TfmConfig::closeEvent(QCloseEvent *event)
{
    if (FJob) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool TfmConfig::eventFilter(QObject *watched, QEvent *event)
{
    // While a file job runs, keys reach only the evening's Cancel (the other
    // controls are disabled), so nothing closes the dialog under it.
    if (FJob && watched != btEvenCancel && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease
            || event->type() == QEvent::ShortcutOverride)) {
        event->accept();
        return true;
    }
    if (KeyPreview(watched, event))
        return true;
    if (event->type() == QEvent::FocusIn) {
        auto *rb = qobject_cast<QRadioButton *>(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (rb && !rb->isChecked() && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
            for (QRadioButton *other : rb->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
                if (other->isChecked() && other->isVisible() && other->isEnabled()) {
                    other->setFocus(reason);
                    break;
                }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TfmConfig::ListBackgrounds()
{
    const QString folder = Settings.ProgramDir + "images";
    if (!QFileInfo(folder).isDir())
        return false;
    // In the order the file system lists them.
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.suffix().compare(QLatin1String("JPG"), Qt::CaseInsensitive) == 0)
            ImageNames << info.filePath();
    }
    return true;
}

void TfmConfig::FormCreate()
{
    LoadRecordIcons();
    MaxWords = 500;
    Pages->setCurrentWidget(tsGeneral);
    SetApplicationShowHint(Settings.Hints);

    // A missing images folder is reported; the dialog still opens with every
    // other control, the word lists and the sound numbers filled, so that no
    // page works on missing data.
    if (ListBackgrounds()) {
        Fondos->setUpdatesEnabled(false);
        for (const QString &path : std::as_const(ImageNames))
            Fondos->addItem(QFileInfo(path).completeBaseName().toLower());
        Fondos->setUpdatesEnabled(true);
        // Selected quietly: FondosClick below shows the picture, once (a
        // damaged one would otherwise report its error twice).
        {
            const QSignalBlocker quiet(Fondos);
            for (int i = 0; i < Fondos->count(); ++i)
                if (Fondos->item(i)->text().compare(Settings.OpeningBack, Qt::CaseInsensitive) == 0) {
                    Fondos->setCurrentRow(i);
                    break;
                }
        }
        FondosClick();
    } else {
        ShowMessageBox(tr("Invalid starting directory"), QMessageBox::Critical);
    }

    coMainFont->SetColor(Settings.OpeningColor);
    coMainFontClick();
    cbHints->setChecked(Settings.Hints);
    cbProtect->setChecked(Settings.Protect);
    rbNormal->setChecked(Settings.SoundMode == sndNormal);
    rbDelayed->setChecked(Settings.SoundMode == sndDelayed);
    rbMute->setChecked(Settings.SoundMode == sndMute);

    cbFont->SetFontName(Settings.FontName);
    cbBold->setChecked(Settings.FontBold);
    udSize->SetValue(Settings.FontSize);
    coFont->SetColor(Settings.FontColor);
    coBack->SetColor(Settings.BackColor);

    rbDelay->setChecked(Settings.Transition == tmDelay);
    tbDelay->SetPosition(Settings.Delay);
    tbDelayChange();
    rbMove->setChecked(Settings.Transition == tmMouseMove);
    rbClick->setChecked(Settings.Transition == tmMouseClick);
    btNone->SetValue(Settings.Button == btnAny);
    btLeft->SetValue(Settings.Button == btnLeft);
    btRight->SetValue(Settings.Button == btnRight);
    rbKey->setChecked(Settings.Transition == tmKeyPress);
    hkKey->SetHotKey(Settings.HotKey);
    rbOptClick();

    cbAdd->setChecked(Settings.AutoAdd);
    cbEven->setChecked(Settings.SoundEven);

    lbAll->SetWords(AllWords);
    lbNew->SetWords(NewWords);
    lbNow->SetWords(NowWords);
    lbKnown->SetWords(KnownWords);

    UsedSounds = QBitArray(MaxWords);
    for (const TWordEntry &w : std::as_const(AllWords))
        if (w.SoundNo >= 0 && w.SoundNo < MaxWords)
            UsedSounds.setBit(w.SoundNo);

    PlanFormCreate();
    VoiceFormCreate();
    LanguageFormCreate();
}

void TfmConfig::FormClose()
{
    if (FClosed)
        return;
    FClosed = true;
    ImageNames.clear();
    UsedSounds.clear();
    // A recording still running is finished into its file here.
    WaveIn->Close();
    WaveOut->Close();
    Timer->SetEnabled(false);
}

void TfmConfig::PagesChange()
{
    btExport->setVisible(Pages->ActiveTag() == 2);
    btImport->setVisible(Pages->ActiveTag() == 2);
    ShowLanguageControls(Pages->ActiveTag() == 0);
    switch (Pages->ActiveTag()) {
    case 0:
        StopDevices();
        break;
    case 1:
        SetEditMode(weIdle);
        ShowRecordControls(false);
        break;
    case 2:
        StopDevices();
        UpdateCounts();
        break;
    case 3:
        StopDevices();
        PlanPageChange();
        break;
    default:
        break;
    }
}

bool TfmConfig::TakeInOtherCopysWords()
{
    std::optional<QByteArray> disk;
    try {
        if (!WordListBase().ChangedOnDisk(WordListFileName(), &disk))
            return true;
    } catch (const Exception &e) {
        ShowMessageBox(e.Message(), QMessageBox::Critical);
        return false;
    }
    // A list gone from the disk holds nothing that saving ours could undo.
    if (!disk) {
        WordListBase().RememberMissing();
        return true;
    }
    const TWordListMerge m = MergeWordLists(WordListBase().Bytes(), *disk,
                                            {{}, lbNew->Words(), lbNow->Words(), lbKnown->Words()}, MaxWords);
    if (!m.Merged) {
        ShowMessageBox(tr("Another copy of the program changed the word list while this dialog was open. "
                          "Saving now would undo these of its changes:\n\n%1\n\n"
                          "Nothing has been saved. Press Cancel and open Configure again to start "
                          "from the list as it is now.")
                           .arg(m.Undone.join('\n')),
                       QMessageBox::Warning);
        return false;
    }
    // Refilling the list is not the parent putting words into use: the
    // plan's counts of words in use before and after stay.
    const TWordList entered = FEnteredUse;
    lbNew->SetWords(m.New);
    lbNow->SetWords(m.Now);
    FEnteredUse = entered;
    lbKnown->SetWords(m.Known);
    lbAll->SetWords(m.New + m.Now + m.Known);
    WordListBase().Remember(*disk);
    if (!m.Renumbered.isEmpty()) {
        QStringList lines;
        for (const auto &[word, fresh] : m.Renumbered) {
            // Both copies recorded under one name; the file goes with our word
            // only while it still holds what this dialog recorded, so the other
            // copy's recording is never moved away or replaced.
            const QString from = SoundFileName(word.SoundNo);
            const bool ours = FRecorded.contains(from) && FRecorded.value(from) == TFileBase::Digest(from)
                              && RenameFileDurably(from, SoundFileName(fresh));
            // The take as captured goes with it (it was kept just before).
            if (ours && !RenameFileDurably(OriginalSoundName(from), OriginalSoundName(SoundFileName(fresh))))
                QFile::remove(OriginalSoundName(SoundFileName(fresh)));
            lines << (ours ? tr("\"%1\" now has sound number %2 and keeps its recording; the other "
                                "copy's word with number %3 has none now.")
                           : tr("\"%1\" now has sound number %2 and no recording: record it again "
                                "(the recording with number %3 is the other copy's)."))
                         .arg(word.Text)
                         .arg(fresh)
                         .arg(word.SoundNo);
        }
        ShowMessageBox(tr("Another copy of the program added words while this dialog was open; they "
                          "have been kept. It gave the same sound numbers to words of its own as this "
                          "dialog did:\n\n%1")
                           .arg(lines.join('\n')),
                       QMessageBox::Information);
    }
    return true;
}

void TfmConfig::btOkClick()
{
    // Another copy of the program (on another machine sharing the folder)
    // may have saved the word list since this dialog read it: its words are
    // taken in, and where ours would undo its changes nothing is taken over
    // and the dialog stays open.
    if (!TakeInOtherCopysWords()) {
        setResult(mrNone);
        return;
    }
    // With no background selected (no pictures, or the stored name matches
    // none) the stored name stays and everything else is taken over.
    if (QListWidgetItem *item = Fondos->currentItem(); item && item->isSelected())
        Settings.OpeningBack = item->text();
    Settings.OpeningColor = coMainFont->Color();
    Settings.Hints = cbHints->isChecked();
    Settings.Protect = cbProtect->isChecked();
    if (rbNormal->isChecked())
        Settings.SoundMode = sndNormal;
    if (rbDelayed->isChecked())
        Settings.SoundMode = sndDelayed;
    if (rbMute->isChecked())
        Settings.SoundMode = sndMute;

    Settings.FontName = cbFont->FontName();
    Settings.FontSize = udSize->Value();
    Settings.FontColor = coFont->Color();
    Settings.FontBold = cbBold->isChecked();
    Settings.BackColor = coBack->Color();

    if (rbDelay->isChecked())
        Settings.Transition = tmDelay;
    if (rbMove->isChecked())
        Settings.Transition = tmMouseMove;
    if (rbClick->isChecked())
        Settings.Transition = tmMouseClick;
    if (rbKey->isChecked())
        Settings.Transition = tmKeyPress;
    Settings.Delay = tbDelay->Position();

    if (btNone->Value())
        Settings.Button = btnAny;
    if (btLeft->Value())
        Settings.Button = btnLeft;
    if (btRight->Value())
        Settings.Button = btnRight;

    Settings.HotKey = hkKey->HotKey();
    rbOptClick();

    Settings.AutoAdd = cbAdd->isChecked();
    Settings.SoundEven = cbEven->isChecked();
    VoiceOkClick();
    LanguageOkClick();

    AllWords = lbAll->Words();
    NewWords = lbNew->Words();
    NowWords = lbNow->Words();
    KnownWords = lbKnown->Words();
    PlanOkClick();
}

void TfmConfig::btCancelClick()
{
    // The button's modal result closes the dialog; nothing is taken over.
}

void TfmConfig::btHelpClick()
{
    // The 500s belong to the dialog's buttons: the plan page's topics are the 600s.
    const int tag = Pages->ActiveTag();
    HelpShowTopic(tag == 3 ? 600 : 200 + 100 * tag);
}
