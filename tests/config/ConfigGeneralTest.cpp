// The dialog frame and the general page: creation from Settings, OK taking
// every control back, the clamped and unknown values, the backgrounds, the
// preview, hints, help by page, fonts by name and keyboard order.
#include "ConfigTestSupport.h"

#include "picture/PGImage.h"
#include "picture/PGraphic.h"
#include "platform/Colors.h"
#include "platform/Language.h"
#include "platform/help.h"
#include "platform/profile.h"
#include "run/uRun.h"
#include "support/MessageLog.h"
#include "widgets/ColorBtn.h"
#include "widgets/StdCtrls.h"
#include "widgets/oxBtns.h"
#include "widgets/oxForm.h"

#include <QTabBar>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

using namespace cfgtest;

namespace {

const QByteArray FullIni =
    "[Opening]\nBack=stars\nColor=255\n"
    "[General]\nHints=0\nProtect=1\nSoundMode=1\n"
    "[Main]\nName=Arial\nSize=40\nColor=65280\nBold=0\nBack=16711680\nTransition=2\nDelay=10\n"
    "Button=2\nKey=16462\nSound=12345\n"
    "[Config]\nAutoAdd=1\n";

class ConfigDialog : public ConfigFolder {};

void PickColour(TColorButton *b, int swatch)
{
    Click(b);
    TColorPalette *palette = b->Palette();
    ASSERT_NE(palette, nullptr);
    Click(palette->Swatch(swatch));
}

} // namespace

TEST_F(ConfigDialog, CreationFillsEveryControlFromSettings)
{
    Images({"confetti.jpg", "stars.jpg"});
    Load(FullIni);
    AllWords = {{"cat", 1}, {"ball", 7}, {"dog", 499}, {"zebra", 3}};
    NewWords = {{"cat", 1}};
    NowWords = {{"dog", 499}, {"ball", 7}};
    KnownWords = {{"zebra", 3}};
    TfmConfig dlg;
    Show(dlg);

    EXPECT_EQ(dlg.Pages->currentWidget(), dlg.tsGeneral);
    EXPECT_FALSE(ApplicationShowHint());
    ASSERT_NE(dlg.Fondos->currentItem(), nullptr);
    EXPECT_EQ(dlg.Fondos->currentItem()->text(), "stars");
    EXPECT_EQ(dlg.pgOpening->FileName(), File("images/stars.jpg"));
    EXPECT_NE(dlg.pgOpening->PixelGraphic(), nullptr);
    EXPECT_EQ(dlg.coMainFont->Color(), 255);
    EXPECT_EQ(dlg.laMain->FontColor(), 255);
    EXPECT_FALSE(dlg.cbHints->isChecked());
    EXPECT_TRUE(dlg.cbProtect->isChecked());
    EXPECT_FALSE(dlg.rbNormal->isChecked());
    EXPECT_TRUE(dlg.rbDelayed->isChecked());
    EXPECT_FALSE(dlg.rbMute->isChecked());
    EXPECT_EQ(dlg.cbFont->FontName(), "Arial");
    EXPECT_FALSE(dlg.cbBold->isChecked());
    EXPECT_EQ(dlg.udSize->Value(), 40);
    EXPECT_EQ(dlg.coFont->Color(), 65280);
    EXPECT_EQ(dlg.coBack->Color(), 16711680);
    EXPECT_FALSE(dlg.rbDelay->isChecked());
    EXPECT_FALSE(dlg.rbMove->isChecked());
    EXPECT_TRUE(dlg.rbClick->isChecked());
    EXPECT_FALSE(dlg.rbKey->isChecked());
    EXPECT_EQ(dlg.tbDelay->Position(), 10);
    EXPECT_EQ(dlg.laDelay->text(), "5.0 s");
    EXPECT_FALSE(dlg.btNone->Value());
    EXPECT_FALSE(dlg.btLeft->Value());
    EXPECT_TRUE(dlg.btRight->Value());
    EXPECT_EQ(dlg.hkKey->HotKey(), 16462);
    EXPECT_EQ(dlg.hkKey->text(), "Ctrl+N");
    EXPECT_TRUE(dlg.cbAdd->isChecked());
    // Only the mouse-click controls of the word change show.
    EXPECT_TRUE(dlg.btLeft->isVisible());
    EXPECT_FALSE(dlg.tbDelay->isVisible());
    EXPECT_FALSE(dlg.laDelay->isVisible());
    EXPECT_FALSE(dlg.hkKey->isVisible());

    // Word lists sorted, each entry with its sound number.
    EXPECT_EQ(Texts(dlg.lbAll), QStringList({"ball", "cat", "dog", "zebra"}));
    EXPECT_EQ(dlg.lbNow->Words(), TWordList({{"ball", 7}, {"dog", 499}}));
    EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"cat", 1}}));
    EXPECT_EQ(dlg.lbKnown->Words(), TWordList({{"zebra", 3}}));
    ASSERT_EQ(dlg.UsedSounds.size(), 500);
    EXPECT_EQ(dlg.UsedSounds.count(true), 4);
    for (int n : {1, 3, 7, 499})
        EXPECT_TRUE(dlg.UsedSounds.testBit(n)) << n;
}

TEST_F(ConfigDialog, OkTakesEveryControlBack)
{
    Images({"confetti.jpg", "stars.jpg", "waves.jpg"});
    LoadSettings();   // defaults
    TfmConfig dlg;
    Show(dlg);

    // Run-screen look.
    dlg.cbFont->setFocus();
    const int fontRow = dlg.cbFont->currentIndex();
    QTest::keyClick(dlg.cbFont, fontRow + 1 < dlg.cbFont->count() ? Qt::Key_Down : Qt::Key_Up);
    const QString font = dlg.cbFont->FontName();
    ASSERT_NE(font, "Arial");
    dlg.udSize->setFocus();
    dlg.udSize->selectAll();
    QTest::keyClicks(dlg.udSize, "150");
    QTest::keyClick(dlg.udSize, Qt::Key_Up);        // 152
    QTest::keyClick(dlg.udSize, Qt::Key_PageDown);  // 142
    PickColour(dlg.coFont, 3);                      // 0000FF
    Click(dlg.cbBold);
    PickColour(dlg.coBack, 14);                     // FFF7EF

    // Main window look.
    ClickRow(dlg.Fondos, Texts(dlg.Fondos).indexOf("waves"));
    EXPECT_EQ(dlg.pgOpening->FileName(), File("images/waves.jpg"));
    PickColour(dlg.coMainFont, 6);                  // 7F0000
    EXPECT_EQ(dlg.laMain->FontColor(), 0x00007F);

    // Word change: the delay moved, then the key chosen.
    dlg.tbDelay->setFocus();
    QTest::keyClick(dlg.tbDelay, Qt::Key_End);      // 20
    QTest::keyClick(dlg.tbDelay, Qt::Key_Left);     // 19
    EXPECT_EQ(dlg.laDelay->text(), "9.5 s");
    Click(dlg.rbClick);
    Click(dlg.btLeft);
    Click(dlg.rbKey);
    dlg.hkKey->setFocus();
    QTest::keyClick(dlg.hkKey, Qt::Key_B, Qt::AltModifier);

    Click(dlg.cbHints);
    Click(dlg.cbProtect);
    Click(dlg.rbMute);
    ShowPage(dlg, 1);
    Click(dlg.cbAdd);

    Click(dlg.btOk);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), mrOk);
    EXPECT_EQ(Settings.FontName, font);
    EXPECT_EQ(Settings.FontSize, 142);
    EXPECT_EQ(Settings.FontColor, 0xFF0000);
    EXPECT_FALSE(Settings.FontBold);
    EXPECT_EQ(Settings.BackColor, 0xEFF7FF);
    EXPECT_EQ(Settings.OpeningBack, "waves");
    EXPECT_EQ(Settings.OpeningColor, 0x00007F);
    EXPECT_EQ(Settings.Transition, tmKeyPress);
    EXPECT_EQ(Settings.Delay, 19);
    EXPECT_EQ(Settings.Button, btnLeft);
    EXPECT_EQ(Settings.HotKey, 0x8000 | 66);
    EXPECT_FALSE(Settings.Hints);
    EXPECT_TRUE(Settings.Protect);
    EXPECT_EQ(Settings.SoundMode, sndMute);
    EXPECT_TRUE(Settings.AutoAdd);
    EXPECT_EQ(Settings.SoundSlot, 66305);
    EXPECT_EQ(Settings.ListChecksum, "NOT DEFINED");
}

TEST_F(ConfigDialog, DelayAndSizeOutsideTheirRangesAreClampedAndWrittenBackClamped)
{
    Images({"confetti.jpg"});
    struct Case {
        QByteArray ini;
        int delay, size;
        const char *label;
    } cases[] = {
        {"[Main]\nDelay=40\nSize=5\n", 20, 12, "10.0 s"},
        {"[Main]\nDelay=2\nSize=500\n", 4, 200, "2.0 s"},
        {"[Main]\nDelay=6\nSize=96\n", 6, 96, "3.0 s"},
    };
    for (const Case &c : cases) {
        Load(c.ini);
        TfmConfig dlg;
        Show(dlg);
        EXPECT_EQ(dlg.tbDelay->Position(), c.delay);
        EXPECT_EQ(dlg.udSize->Value(), c.size);
        EXPECT_EQ(dlg.laDelay->text(), c.label);
        Click(dlg.btOk);
        EXPECT_EQ(Settings.Delay, c.delay) << c.ini.constData();
        EXPECT_EQ(Settings.FontSize, c.size) << c.ini.constData();
    }
}

TEST_F(ConfigDialog, UnknownTransitionAndSoundModeLeaveTheirRadiosUncheckedAndOkKeepsThem)
{
    Images({"confetti.jpg"});
    Load("[Main]\nTransition=7\n[General]\nSoundMode=-1\n");
    TfmConfig dlg;
    Show(dlg);
    for (QRadioButton *rb : {dlg.rbDelay, dlg.rbMove, dlg.rbClick, dlg.rbKey, dlg.rbNormal, dlg.rbDelayed, dlg.rbMute})
        EXPECT_FALSE(rb->isChecked()) << rb->text().toStdString();
    EXPECT_FALSE(dlg.tbDelay->isVisible());
    EXPECT_FALSE(dlg.btNone->isVisible());
    EXPECT_FALSE(dlg.hkKey->isVisible());
    Click(dlg.btOk);
    EXPECT_EQ(Settings.Transition, 7);
    EXPECT_EQ(Settings.SoundMode, -1);
}

TEST_F(ConfigDialog, TransitionRadiosShowOnlyTheirOwnControls)
{
    Images({"confetti.jpg"});
    LoadSettings();
    TfmConfig dlg;
    Show(dlg);
    struct Row {
        QRadioButton *radio;
        bool delay, mouse, key;
    } rows[] = {
        {dlg.rbMove, false, false, false},
        {dlg.rbClick, false, true, false},
        {dlg.rbKey, false, false, true},
        {dlg.rbDelay, true, false, false},
    };
    for (const Row &r : rows) {
        Click(r.radio);
        ASSERT_TRUE(r.radio->isChecked());
        EXPECT_EQ(dlg.tbDelay->isVisible(), r.delay) << r.radio->text().toStdString();
        EXPECT_EQ(dlg.laDelay->isVisible(), r.delay);
        EXPECT_EQ(dlg.btNone->isVisible(), r.mouse);
        EXPECT_EQ(dlg.btLeft->isVisible(), r.mouse);
        EXPECT_EQ(dlg.btRight->isVisible(), r.mouse);
        EXPECT_EQ(dlg.hkKey->isVisible(), r.key);
    }
    // The mouse buttons always keep one pressed.
    Click(dlg.rbClick);
    ASSERT_TRUE(dlg.btNone->Value());
    Click(dlg.btNone);
    EXPECT_TRUE(dlg.btNone->Value());
    Click(dlg.btRight);
    EXPECT_TRUE(dlg.btRight->Value());
    EXPECT_FALSE(dlg.btNone->Value());
}

TEST_F(ConfigDialog, BackgroundNamesAreLowerCaseAndAStoredNameInAnotherCaseIsSelected)
{
    Images({"Clouds.JPG", "stars.jpg", "Waves.Jpg", "notes.txt", "photo.jpeg", "dots.jpg.bak"});
    Load("[Opening]\nBack=WAVES\n");
    TfmConfig dlg;
    Show(dlg);
    QStringList names = Texts(dlg.Fondos);
    names.sort();
    EXPECT_EQ(names, QStringList({"clouds", "stars", "waves"}));
    ASSERT_NE(dlg.Fondos->currentItem(), nullptr);
    EXPECT_EQ(dlg.Fondos->currentItem()->text(), "waves");
    // Shown from the file as it is named on disk.
    EXPECT_EQ(dlg.pgOpening->FileName(), File("images/Waves.Jpg"));
    EXPECT_NE(dlg.pgOpening->PixelGraphic(), nullptr);
    ClickRow(dlg.Fondos, dlg.Fondos->row(dlg.Fondos->findItems("clouds", Qt::MatchExactly).value(0)));
    EXPECT_EQ(dlg.pgOpening->FileName(), File("images/Clouds.JPG"));
    Click(dlg.btOk);
    EXPECT_EQ(Settings.OpeningBack, "clouds");
}

TEST_F(ConfigDialog, ADamagedBackgroundIsReadOnceAndReportedOnceWhenTheDialogOpens)
{
    Images({"confetti.jpg"});
    WriteAll(File("images/broken.jpg"), QByteArray("\xFF\xD8\xFF\xE0 not the rest of a JPEG", 28));
    Load("[Opening]\nBack=broken\n");
    // The picture's complaints: warnings of the reader and errors of the box.
    MessageLog log;
    QStringList warnings;
    SetPGWarningBox([&](const QString &, const QString &text, bool) {
        warnings << text;
        return true;
    });
    struct Restore {
        ~Restore() { SetPGWarningBox({}); }
    } restore;
    TfmConfig dlg;
    Show(dlg);
    // One read: the reader's one warning and the one error it ends with.
    EXPECT_EQ(warnings, QStringList({"Premature end of JPEG file"}));
    EXPECT_EQ(log.Texts.size(), 1) << log.Texts.join(" | ").toStdString();
    ASSERT_NE(dlg.Fondos->currentItem(), nullptr);
    EXPECT_EQ(dlg.Fondos->currentItem()->text(), "broken");
    // Choosing it again reads it again.
    ClickRow(dlg.Fondos, dlg.Fondos->row(dlg.Fondos->findItems("confetti", Qt::MatchExactly).value(0)));
    EXPECT_EQ(dlg.pgOpening->FileName(), File("images/confetti.jpg"));
    EXPECT_EQ(log.Texts.size(), 1);
    EXPECT_EQ(warnings.size(), 1);
}

TEST_F(ConfigDialog, OkWithNoBackgroundSelectedKeepsTheStoredNameAndTakesTheRest)
{
    Images({"confetti.jpg"});
    Load("[Opening]\nBack=gone\n");
    TfmConfig dlg;
    Show(dlg);
    EXPECT_TRUE(dlg.Fondos->selectedItems().isEmpty());
    Click(dlg.cbBold);
    Click(dlg.rbMute);
    Click(dlg.btOk);
    EXPECT_EQ(Settings.OpeningBack, "gone");
    EXPECT_FALSE(Settings.FontBold);
    EXPECT_EQ(Settings.SoundMode, sndMute);
}

TEST_F(ConfigDialog, MissingImagesFolderIsReportedAndTheDialogStillWorks)
{
    LoadSettings();
    AllWords = {{"ball", 7}, {"cat", 2}};
    NewWords = {{"ball", 7}};
    NowWords = {{"cat", 2}};
    MessageLog log;
    TfmConfig dlg;
    Show(dlg);
    EXPECT_EQ(log.Texts, QStringList({"Invalid starting directory"}));
    EXPECT_EQ(dlg.Fondos->count(), 0);
    // Everything after the listing is filled.
    EXPECT_TRUE(dlg.cbBold->isChecked());
    EXPECT_EQ(dlg.udSize->Value(), 96);
    EXPECT_TRUE(dlg.rbDelay->isChecked());
    EXPECT_EQ(Texts(dlg.lbAll), QStringList({"ball", "cat"}));
    EXPECT_TRUE(dlg.UsedSounds.testBit(7));
    EXPECT_TRUE(dlg.UsedSounds.testBit(2));

    ShowPage(dlg, 2);
    EXPECT_EQ(dlg.laNew->text(), "1");
    Click(dlg.btAllNew);
    Click(dlg.btNew2Now);
    Click(dlg.btOk);
    EXPECT_EQ(Settings.OpeningBack, "confetti");
    EXPECT_EQ(NowWords, TWordList({{"ball", 7}, {"cat", 2}}));
    EXPECT_TRUE(NewWords.isEmpty());
}

TEST_F(ConfigDialog, PreviewShowsTheUnsavedLookAndCancelAfterwardsKeepsTheSettings)
{
    Images({"confetti.jpg"});
    LoadSettings();
    const TSettings before = Settings;
    TfmConfig dlg;
    Show(dlg);
    PickColour(dlg.coFont, 7);        // 007F00
    PickColour(dlg.coBack, 5);        // black
    dlg.udSize->setFocus();
    dlg.udSize->selectAll();
    QTest::keyClicks(dlg.udSize, "abc");   // counts as 12
    Click(dlg.cbBold);

    struct Seen {
        bool shown = false;
        TRunMode mode = rmStart;
        QColor font, back;
        int size = 0;
        QString family;
        bool bold = true;
    } seen;
    QTimer::singleShot(0, &dlg, [&] {
        const QList<TfmRun *> runs = dlg.findChildren<TfmRun *>();
        ASSERT_EQ(runs.size(), 1);
        TfmRun *run = runs.first();
        seen.shown = run->isVisible();
        seen.mode = run->Mode;
        seen.font = run->FontColor();
        seen.back = run->BackColor();
        seen.size = run->font().pointSize();
        seen.family = run->font().family();
        seen.bold = run->font().bold();
        run->Close();
    });
    Click(dlg.oxButton1);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.mode, rmPreview);
    EXPECT_EQ(seen.font, QColor(0x00, 0x7F, 0x00));
    EXPECT_EQ(seen.back, QColor(0, 0, 0));
    EXPECT_EQ(seen.size, 12);
    EXPECT_EQ(seen.family, "Arial");
    EXPECT_FALSE(seen.bold);
    EXPECT_TRUE(dlg.findChildren<TfmRun *>().isEmpty());

    Click(dlg.btCancel);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), mrCancel);
    EXPECT_EQ(Settings.FontColor, before.FontColor);
    EXPECT_EQ(Settings.BackColor, before.BackColor);
    EXPECT_EQ(Settings.FontSize, before.FontSize);
    EXPECT_EQ(Settings.FontBold, before.FontBold);
}

TEST_F(ConfigDialog, HintsSwitchForTheWholeProgramAtOnce)
{
    Images({"confetti.jpg"});
    LoadSettings();
    TfmConfig dlg;
    Show(dlg);
    ASSERT_TRUE(ApplicationShowHint());
    Click(dlg.cbHints);
    EXPECT_FALSE(ApplicationShowHint());
    Click(dlg.cbProtect);   // also re-applies the hint box
    EXPECT_FALSE(ApplicationShowHint());
    Click(dlg.cbHints);
    EXPECT_TRUE(ApplicationShowHint());
}

TEST_F(ConfigDialog, HelpOpensTheTopicOfThePageShown)
{
    Images({"confetti.jpg"});
    LoadSettings();
    TfmConfig dlg;
    Show(dlg);
    const int topics[] = {200, 300, 400};
    for (int page : {1, 2, 0}) {
        ShowPage(dlg, page);
        ASSERT_EQ(dlg.Pages->currentIndex(), page);
        Click(dlg.btHelp);
        THelpViewer *viewer = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *v = qobject_cast<THelpViewer *>(w); v && v->isVisible())
                viewer = v;
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->CurrentTopic(), topics[page]);
        viewer->close();
    }
    EXPECT_TRUE(dlg.isVisible()) << "Help leaves the dialog open";
}

TEST_F(ConfigDialog, FramePagesButtonsAndFontsAskedForByName)
{
    Images({"confetti.jpg"});
    LoadSettings();
    TfmConfig dlg;
    Show(dlg);
    EXPECT_EQ(dlg.windowTitle(), "Configure Wordlark");
    EXPECT_EQ(dlg.oxForm1->ClientSize(), QSize(484, 363));
    EXPECT_EQ(dlg.oxForm1->Client()->size(), QSize(484, 363));
    EXPECT_TRUE(dlg.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dlg.oxForm1->CaptionButtons(), ToxCaptionButtons(oxbHelp));
    // A ridged border, active or not: highlight inside the face on top,
    // shadow outermost at the bottom with highlight two rows in.
    EXPECT_EQ(dlg.oxForm1->ActiveBorder(), ox3Ridged);
    EXPECT_EQ(dlg.oxForm1->InactiveBorder(), ox3Ridged);
    const QImage frame = dlg.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int mid = frame.width() / 2, bottom = frame.height() - 1;
    EXPECT_EQ(frame.pixel(mid, 0), ToQColor(clBtnFace).rgb());
    EXPECT_EQ(frame.pixel(mid, 1), ToQColor(clBtnHighlight).rgb());
    EXPECT_EQ(frame.pixel(mid, bottom), ToQColor(clBtnShadow).rgb());
    EXPECT_EQ(frame.pixel(mid, bottom - 2), ToQColor(clBtnHighlight).rgb());
    EXPECT_EQ(dlg.font().family(), "Arial");
    EXPECT_EQ(dlg.font().pixelSize(), 11);
    EXPECT_EQ(dlg.laMain->font().family(), "Arial");
    EXPECT_EQ(dlg.laMain->font().pixelSize(), 16);
    EXPECT_TRUE(dlg.laMain->font().bold());
    EXPECT_EQ(dlg.laMain->Caption(), "Buttons");
    EXPECT_TRUE(dlg.laMain->Shadow());
    EXPECT_EQ(dlg.pgOpening->Stretch(), sAlways);
    EXPECT_TRUE(dlg.pgOpening->Center());
    EXPECT_FALSE(dlg.pgOpening->ShowHourGlass());

    EXPECT_EQ(dlg.Pages->geometry(), QRect(0, 0, 484, 325));
    ASSERT_EQ(dlg.Pages->count(), 4);
    EXPECT_EQ(dlg.Pages->tabText(1), "Database Recording");
    EXPECT_EQ(dlg.Pages->tabText(2), "Database Select");
    EXPECT_EQ(dlg.Pages->tabText(3), "Daily Plan");
    // Four tabs share the 480 pixels inside the page control's frame, each at
    // least as wide as its caption needs.
    QTabBar *tabs = dlg.Pages->tabBar();
    int used = 0;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dlg.Pages->widget(i)->property("Tag").toInt(), i);
        const int need = tabs->fontMetrics().horizontalAdvance(tabs->tabText(i));
        EXPECT_GT(tabs->tabRect(i).width(), need) << tabs->tabText(i).toStdString();
        used += tabs->tabRect(i).width();
    }
    EXPECT_LE(used, 480);
    EXPECT_GE(used, 470);
    EXPECT_EQ(dlg.btOk->geometry(), QRect(7, 331, 75, 25));
    EXPECT_EQ(dlg.btCancel->geometry(), QRect(92, 331, 75, 25));
    EXPECT_EQ(dlg.btHelp->geometry(), QRect(177, 331, 75, 25));
    EXPECT_EQ(dlg.btOk->Caption(), "&Ok");
    EXPECT_EQ(dlg.btOk->ModalResult(), mrOk);
    EXPECT_EQ(dlg.btCancel->ModalResult(), mrCancel);
    EXPECT_EQ(dlg.cbAdd->text(), "Add to use words");
    EXPECT_EQ(dlg.cbAdd->geometry(), QRect(282, 100, 121, 17));
    EXPECT_EQ(dlg.pnLook->geometry(), QRect(13, 24, 257, 125));
    EXPECT_EQ(dlg.pnOptions->geometry(), QRect(277, 156, 185, 125));

    // A sample of hints and help contexts across the frame and the page.
    struct Hint {
        QWidget *w;
        const char *hint;
        int context;
    } hints[] = {
        {dlg.cbFont, "This is the font that will be used", 201},
        {dlg.tbDelay, "Select the delay between words", 214},
        {dlg.btNone, "Use the any mouse button", 215},
        {dlg.cbProtect, "if checked you will have to press Shift and Alt to access the configuration dialog", 218},
        {dlg.rbMute, "Mute - Words will not be played", 219},
        {dlg.btHelp, "Get help", 104},
        {dlg.lbNow, "Those words are used now. Move them to the list of 'words known' when your child knows them", 402},
        {dlg.btNow2Known, "Move selected words to the list of 'Words known'", 406},
    };
    for (const Hint &h : hints) {
        EXPECT_EQ(h.w->toolTip(), QString::fromUtf8(h.hint));
        EXPECT_EQ(h.w->property("HelpContext").toInt(), h.context) << h.hint;
    }
}

TEST_F(ConfigDialog, TabWalksThePagesInOrderAndCtrlTabTurnsThePages)
{
    Images({"confetti.jpg"});
    Load("[Main]\nTransition=2\n[General]\nSoundMode=0\n");
    TfmConfig dlg;
    Show(dlg);
    // The focus as a control: the inner editors of the combo and spin box count as theirs.
    auto focused = [&dlg]() -> QWidget * {
        QWidget *w = QApplication::focusWidget();
        for (QWidget *c : {static_cast<QWidget *>(dlg.cbFont), static_cast<QWidget *>(dlg.udSize)})
            if (w && c->isAncestorOf(w))
                return c;
        return w;
    };
    auto walk = [&](QWidget *from, int stops) {
        from->setFocus();
        QList<QWidget *> seen;
        for (int i = 0; i < stops; ++i) {
            seen << focused();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return seen;
    };
    // An exclusive radio group takes one stop, at its checked button.
    EXPECT_EQ(walk(dlg.cbFont, 15),
              (QList<QWidget *>{dlg.cbFont, dlg.udSize, dlg.coFont, dlg.cbBold, dlg.coBack, dlg.oxButton1,
                                dlg.Fondos, dlg.coMainFont, dlg.rbClick, dlg.btNone, dlg.btLeft, dlg.btRight,
                                dlg.cbHints, dlg.cbProtect, dlg.rbNormal}));
    ShowPage(dlg, 2);
    EXPECT_EQ(walk(dlg.lbNew, 7),
              (QList<QWidget *>{dlg.lbNew, dlg.lbNow, dlg.lbKnown, dlg.btNew2Now, dlg.btNow2New, dlg.btNow2Known,
                                dlg.btKnown2Now}));

    ShowPage(dlg, 0);
    dlg.cbFont->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(dlg.Pages->currentWidget(), dlg.tsRecord);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(dlg.Pages->currentWidget(), dlg.tsSelect);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dlg.Pages->currentWidget(), dlg.tsRecord);
}

TEST_F(ConfigDialog, ContextHelpOfAControlShowsItsTopicAsAPopUp)
{
    Images({"confetti.jpg"});
    LoadSettings();
    TfmConfig dlg;
    Show(dlg);
    QList<int> topics;
    dlg.oxForm1->ShowHelp = [&](int topic, bool popup, const QPoint &) {
        EXPECT_TRUE(popup);
        topics << topic;
    };
    for (QWidget *w : {static_cast<QWidget *>(dlg.udSize), static_cast<QWidget *>(dlg.coMainFont),
                       static_cast<QWidget *>(dlg.btOk), static_cast<QWidget *>(dlg.laDelay)})
        dlg.oxForm1->HelpRequest(w, w->mapToGlobal(QPoint(2, 2)));
    // The delay label has none of its own: the request reaches no context
    // on the way up through its panel and page.
    EXPECT_EQ(topics, QList<int>({202, 209, 501}));
}

// What the parent picks beside the general page is kept for the next start;
// Automatic, never changed, leaves the settings file as older versions wrote it.
TEST_F(ConfigDialog, TheLanguageChosenBesideTheGeneralPageIsKeptForTheNextStart)
{
    Images({"confetti.jpg"});
    Load("[General]\nHints=1\n");
    Settings.Language = "xx";   // a language of a later version: Automatic here, and left alone
    {
        TfmConfig dlg;
        Show(dlg);
        EXPECT_TRUE(dlg.cbLanguage->isVisible());
        EXPECT_EQ(dlg.cbLanguage->currentText(), "Automatic");
        EXPECT_EQ(dlg.cbLanguage->accessibleName(), "Language (used from the next start)");
        // In the bottom row, after the Help button, inside the dialog.
        const QRect help = dlg.btHelp->geometry(), label = dlg.laLanguage->geometry(),
                    chooser = dlg.cbLanguage->geometry();
        EXPECT_GT(label.left(), help.right());
        EXPECT_GT(chooser.left(), label.right());
        EXPECT_LE(chooser.right(), dlg.cbLanguage->parentWidget()->width());
        for (const QRect &r : {label, chooser})
            EXPECT_TRUE(r.top() <= help.bottom() && r.bottom() >= help.top());
        Click(dlg.btCancel);
    }
    Settings.Language.clear();
    {
        TfmConfig dlg;
        Show(dlg);
        Click(dlg.btOk);
    }
    SaveWordListAndSettings();   // the main window's part of OK
    EXPECT_FALSE(TIniFile(File("lumword.INI")).ValueExists("General", "Language"));
    {
        TfmConfig dlg;
        Show(dlg);
        QTest::keyClick(&dlg, Qt::Key_L, Qt::AltModifier);   // the label's letter
        ASSERT_EQ(QApplication::focusWidget(), dlg.cbLanguage);
        QTest::keyClick(dlg.cbLanguage, Qt::Key_Down);       // English
        QTest::keyClick(dlg.cbLanguage, Qt::Key_Down);       // Deutsch
        ShowPage(dlg, 1);
        EXPECT_FALSE(dlg.cbLanguage->isVisible());
        EXPECT_FALSE(dlg.laLanguage->isVisible());
        Click(dlg.btOk);
    }
    SaveWordListAndSettings();   // the main window's part of OK
    EXPECT_EQ(StoredLanguage(), "de");
    EXPECT_EQ(ProgramLanguage(), "en");   // until the next start
    {
        TfmConfig dlg;
        Show(dlg);
        EXPECT_EQ(dlg.cbLanguage->currentText(), "Deutsch");
        dlg.cbLanguage->setFocus();
        QTest::keyClick(dlg.cbLanguage, Qt::Key_Home);       // Automatic
        Click(dlg.btOk);
    }
    SaveWordListAndSettings();   // the main window's part of OK
    const TIniFile ini(File("lumword.INI"));
    EXPECT_TRUE(ini.ValueExists("General", "Language"));
    EXPECT_EQ(ini.ReadString("General", "Language", "?"), "");
}
