// The no-words dialog and the about box, opened from the main window and
// driven with real keys and clicks.
#include "app/uAbout.h"
#include "app/uError.h"
#include "app/uMain.h"
#include "data/uCommon.h"
#include "picture/PGImage.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFile.h"
#include "platform/help.h"
#include "support/ProgramFolder.h"
#include "support/MessageLog.h"
#include "widgets/oxBtns.h"
#include "widgets/oxForm.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

namespace {

// A program folder with the pictures and the help file that come with the program.
class DialogFolder : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyImage("confetti.jpg");
        CopyHelp();
        CloseViewer();
    }
    void TearDown() override
    {
        CloseViewer();
        ProgramFolderTest::TearDown();
    }
    static THelpViewer *Viewer()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *v = qobject_cast<THelpViewer *>(w); v && v->isVisible())
                return v;
        return nullptr;
    }
    static void CloseViewer()
    {
        if (THelpViewer *v = Viewer())
            v->close();
    }

    // Runs `act` once on the modal dialog of type T as soon as it is up. A guard
    // closes every window after a few seconds so that a fault cannot hang the suite.
    template <class T>
    void OnModal(std::function<void(T *)> act)
    {
        FPoll = std::make_unique<QTimer>();
        FPoll->setInterval(10);
        QObject::connect(FPoll.get(), &QTimer::timeout, [this, act] {
            auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            FPoll->stop();
            ++Seen;
            act(dialog);
        });
        FPoll->start();
        FGuard = std::make_unique<QTimer>();
        FGuard->setSingleShot(true);
        QObject::connect(FGuard.get(), &QTimer::timeout, [] {
            if (QWidget *m = QApplication::activeModalWidget())
                m->close();
        });
        FGuard->start(8000);
    }

    int Seen = 0;

private:
    std::unique_ptr<QTimer> FPoll, FGuard;
};

} // namespace

TEST_F(DialogFolder, RunWithoutWordsShowsTheNoWordsDialogAndEnterOpensTheTutorial)
{
    TfmMain w;
    w.show();
    ASSERT_TRUE(NowWords.isEmpty());
    int result = -1;
    bool stillOpenAfterHelp = false;
    OnModal<TfmError>([&](TfmError *d) {
        EXPECT_EQ(d->windowTitle(), QString("Wordlark"));
        EXPECT_EQ(d->oxForm1->Client()->size(), QSize(423, 140));
        EXPECT_TRUE(d->Label1->text().startsWith("Your database contains no Words on the \"Use Words\" category."));
        EXPECT_TRUE(d->Label2->text().endsWith("Do you want to run the Tutorial now?"));
        EXPECT_EQ(d->focusWidget(), d->btOk);
        d->activateWindow();
        QApplication::setActiveWindow(d);
        QObject::connect(d, &QDialog::finished, [&, d](int r) {
            result = r;
            stillOpenAfterHelp = d->isVisible();
        });
        QTest::keyClick(d->btOk, Qt::Key_Return);
    });
    w.btRun->click();
    EXPECT_EQ(Seen, 1);
    EXPECT_EQ(result, mrYes);
    EXPECT_FALSE(stillOpenAfterHelp);
    THelpViewer *viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->CurrentTopic(), 5000);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(DialogFolder, NoOnlyClosesTheDialog)
{
    TfmMain w;
    w.show();
    int result = -1;
    OnModal<TfmError>([&](TfmError *d) {
        QObject::connect(d, &QDialog::finished, [&](int r) { result = r; });
        QTest::mouseClick(d->oxButton1, Qt::LeftButton);
    });
    w.btRun->click();
    EXPECT_EQ(Seen, 1);
    EXPECT_EQ(result, mrNo);
    EXPECT_EQ(Viewer(), nullptr);
}

TEST_F(DialogFolder, EscapeDoesNothingInTheNoWordsDialog)
{
    TfmError d;
    d.show();
    d.activateWindow();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    QTest::keyClick(d.btOk, Qt::Key_Escape);
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Viewer(), nullptr);
    // No close button in its caption either.
    EXPECT_EQ(d.oxForm1->CloseButton(), nullptr);
    EXPECT_TRUE(d.findChildren<TNCButton *>().isEmpty());
    // The access key N chooses No.
    QTest::keyClick(&d, Qt::Key_N, Qt::AltModifier);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), mrNo);
}

TEST_F(DialogFolder, HelpOnANoWordsButtonOpensTopic501InTheViewer)
{
    TfmError d;
    d.show();
    d.activateWindow();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.oxButton1->setFocus();
    QTest::keyClick(d.oxButton1, Qt::Key_F1);
    THelpViewer *viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->CurrentTopic(), 501);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.oxForm1->ActiveBorder(), ox3Ridged);
    EXPECT_EQ(d.oxForm1->CaptionButtons(), ToxCaptionButtons());
}

TEST_F(DialogFolder, TitleButtonOpensTheAboutBoxWithVersionLogoAndAddress)
{
    TfmMain w;
    w.show();
    int result = -1;
    QList<QUrl> opened;
    QString version;
    QSize logo;
    int navyPixels = 0;
    bool hasClose = false;
    OnModal<TfmAbout>([&](TfmAbout *d) {
        version = d->laVersion->text();
        logo = d->imLogo->pixmap().size();
        hasClose = d->oxForm1->CloseButton()->isVisible();
        const QImage text = d->laVersion->grab().toImage();
        for (int y = 0; y < text.height(); ++y)
            for (int x = 0; x < text.width(); ++x)
                navyPixels += (text.pixel(x, y) & 0xFFFFFF) == 0x000080;
        d->OpenURL = [&](const QUrl &url) {
            opened << url;
            return true;
        };
        QTest::mouseClick(d->laURL, Qt::LeftButton, {}, QPoint(3, 3));
        d->laURL->setFocus();
        QTest::keyClick(d->laURL, Qt::Key_Space);
        QObject::connect(d, &QDialog::finished, [&](int r) { result = r; });
        QTest::keyClick(d->laURL, Qt::Key_Return);
    });
    w.btAbout->click();
    EXPECT_EQ(Seen, 1);
    EXPECT_EQ(version, QString("Version 1.0"));
    EXPECT_GT(navyPixels, 20) << "the version is written in navy";
    EXPECT_EQ(logo, QSize(400, 63));
    EXPECT_TRUE(hasClose);
    EXPECT_EQ(opened, (QList<QUrl>{QUrl("https://github.com/pellan/wordlark"), QUrl("https://github.com/pellan/wordlark")}));
    EXPECT_EQ(result, mrOk);
}

TEST_F(DialogFolder, AnAddressThatCannotBeOpenedIsReportedAndTheBoxStays)
{
    TfmAbout d;
    EXPECT_EQ(d.windowTitle(), QString("About Pellan Wordlark"));
    EXPECT_EQ(d.oxForm1->Client()->size(), QSize(416, 230));
    d.OpenURL = [](const QUrl &) { return false; };
    d.show();
    MessageLog log;
    QTest::mouseClick(d.laURL, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_TRUE(log.Texts.first().contains("https://github.com/pellan/wordlark"));
    EXPECT_TRUE(d.isVisible());
    // Its close button closes it with Cancel.
    QTest::mouseClick(d.oxForm1->CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), mrCancel);
}

TEST_F(DialogFolder, MessagesShowMarkupFromFilesAsTypedNeverAsPicturesOrHeadings)
{
    // The program's own box, not the tests' answering stand-in.
    const TMessageBoxHook old = SetMessageBoxHook({});
    const QString text = QStringLiteral("<h1>Done</h1><img src=\"/dev/zero\"> was imported.");
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    OnModal<QMessageBox>([&](QMessageBox *box) {
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        if (label) {
            shown = label->text();
            format = label->textFormat();
        }
        QTest::keyClick(box, Qt::Key_Return);
    });
    ShowMessageBox(text, QMessageBox::Information);
    SetMessageBoxHook(old);
    EXPECT_EQ(Seen, 1);
    EXPECT_EQ(shown, text);
    EXPECT_EQ(format, Qt::PlainText);
}
