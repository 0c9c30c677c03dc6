#include "platform/Language.h"
#include "platform/ProgramFile.h"
#include "platform/help.h"
#include "support/ProgramFolder.h"
#include "support/PointerScan.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QWhatsThis>
#include <gtest/gtest.h>

TEST(HelpFile, ParsesTopicsMarkupListsAndLinks)
{
    const THelpFile h = THelpFile::Parse("## a comment\n@@ 0 Contents\nSee [[200|the *general* page]] and *this*.\n"
                                         "second line\n\n- one\n- two\n1. first\n2. second\n## hidden\n@@ 200 General\nx < y & z\n");
    ASSERT_TRUE(h.IsLoaded());
    EXPECT_EQ(h.Topics(), (QList<int>{0, 200}));
    EXPECT_EQ(h.Title(200), "General");
    const QString html = h.Html(0);
    EXPECT_TRUE(html.contains("<a href=\"topic:200\">the <b>general</b> page</a>"));
    EXPECT_TRUE(html.contains("<b>this</b>"));
    EXPECT_TRUE(html.contains("second line</p>"));
    EXPECT_TRUE(html.contains("<ul>\n<li>one</li>\n<li>two</li>\n</ul>\n<ol>\n<li>first</li>"));
    EXPECT_FALSE(html.contains("hidden"));
    EXPECT_TRUE(h.Html(200).contains("x &lt; y &amp; z"));
}

class HelpViewer : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyHelp();
    }
    void TearDown() override
    {
        SetHelpFile("Lumword.hlp");
        RemoveLanguage();
        ProgramFolderTest::TearDown();
    }
};

TEST_F(HelpViewer, ShowsTheProgramsTopicsAndFollowsLinks)
{
    const THelpFile file = THelpFile::Load(HelpFilePath());
    ASSERT_TRUE(file.IsLoaded()) << file.Error().toStdString();
    QList<int> wanted = {0, 104, 501, 502, 5000};
    for (int n = 200; n <= 219; ++n) wanted << n;
    for (int n = 300; n <= 309; ++n) wanted << n;
    for (int n = 400; n <= 408; ++n) wanted << n;
    for (int n : wanted)
        EXPECT_TRUE(file.HasTopic(n)) << "topic " << n;

    THelpViewer viewer;
    for (int n : {0, 200, 5000}) {
        viewer.ShowTopic(n);
        EXPECT_EQ(viewer.CurrentTopic(), n);
        EXPECT_TRUE(viewer.windowTitle().contains(file.Title(n)));
        EXPECT_GT(viewer.CurrentText().size(), 100) << "topic " << n;
    }
    auto *browser = viewer.findChild<QTextBrowser *>();
    emit browser->anchorClicked(QUrl("topic:300"));
    EXPECT_EQ(viewer.CurrentTopic(), 300);
}

TEST_F(HelpViewer, TitleNamesTheTopicAndTheProgramOnce)
{
    THelpViewer viewer;
    viewer.ShowTopic(0);
    EXPECT_EQ(viewer.windowTitle(), QString::fromUtf8("Pellan Wordlark Help \u2014 Nestling"));
    viewer.ShowTopic(200);
    EXPECT_EQ(viewer.windowTitle(), QString::fromUtf8("General settings \u2014 Nestling"));
    viewer.ShowTopic(9999);
    EXPECT_EQ(viewer.windowTitle(), QString::fromUtf8("Help \u2014 Nestling"));
}

TEST_F(HelpViewer, UnknownTopicAndMissingFileSayWhatIsWrong)
{
    THelpViewer viewer;
    viewer.ShowTopic(9999);
    EXPECT_TRUE(viewer.CurrentText().contains("There is no help topic number 9999 in Lumword.hlp"));
    EXPECT_TRUE(HelpPopupText(9999).contains("9999"));

    QTemporaryDir empty;
    SetProgramFilePath(empty.filePath("lumword"));
    viewer.ShowTopic(0);
    EXPECT_TRUE(viewer.CurrentText().contains("could not be found"));
    EXPECT_TRUE(viewer.CurrentText().contains(empty.filePath("Lumword.hlp")));
}

TEST_F(HelpViewer, EveryLinkInTheProgramsHelpLeadsToATopic)
{
    const QString text = QString::fromUtf8(ReadAll(HelpFilePath()));
    const THelpFile file = THelpFile::Parse(text);
    static const QRegularExpression link(QStringLiteral("\\[\\[(\\d+)\\|"));
    int links = 0;
    for (auto it = link.globalMatch(text); it.hasNext(); ++links) {
        const int target = it.next().captured(1).toInt();
        EXPECT_TRUE(file.HasTopic(target)) << "link to " << target;
    }
    EXPECT_GT(links, 10);
}

TEST_F(HelpViewer, EveryTopicIsReachableFromATopicTheProgramAsksFor)
{
    const THelpFile file = THelpFile::Load(HelpFilePath());
    ASSERT_TRUE(file.IsLoaded());
    // The numbers the program asks for: main window, no-words dialog, the
    // configuration dialog's Help button and its controls' context help.
    QList<int> open = {0, 5000, 104, 501, 502, 600};
    for (int n = 200; n <= 219; ++n) open << n;
    for (int n = 300; n <= 309; ++n) open << n;
    for (int n = 400; n <= 408; ++n) open << n;
    QSet<int> reached;
    static const QRegularExpression link(QStringLiteral("href=\"topic:(\\d+)\""));
    while (!open.isEmpty()) {
        const int n = open.takeLast();
        if (reached.contains(n) || !file.HasTopic(n))
            continue;
        reached.insert(n);
        for (auto it = link.globalMatch(file.Html(n)); it.hasNext();)
            open << it.next().captured(1).toInt();
    }
    for (int n : file.Topics())
        EXPECT_TRUE(reached.contains(n)) << "topic " << n << " cannot be reached";
    // A link broken over two lines would show as plain text.
    const QString source = QString::fromUtf8(ReadAll(HelpFilePath()));
    int written = 0, shown = 0;
    for (const QString &line : source.split('\n'))
        if (!line.startsWith(QStringLiteral("##")))
            written += line.count(QStringLiteral("[["));
    for (int n : file.Topics())
        shown += file.Html(n).count(QStringLiteral("<a href="));
    EXPECT_EQ(shown, written);
    // The guides for parents are among them.
    EXPECT_TRUE(reached.contains(5001));
    EXPECT_TRUE(reached.contains(5002));
}

TEST_F(HelpViewer, GoesWithAModalDialogAndBackOutButNeverOverAModalScreen)
{
    QWidget screen;   // modal like the run screen, which the help must not cover
    screen.setWindowModality(Qt::ApplicationModal);
    screen.show();
    QPointer<THelpViewer> viewer = HelpShowTopic(0);
    EXPECT_EQ(viewer->parentWidget(), nullptr);
    screen.hide();

    viewer->move(40, 30);
    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
    HelpShowTopic(200);
    EXPECT_EQ(viewer->parentWidget(), &dialog);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->pos(), QPoint(40, 30)) << "it stays where it was";

    dialog.hide();
    ASSERT_FALSE(viewer.isNull());
    EXPECT_EQ(viewer->parentWidget(), nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->CurrentTopic(), 200);
    delete viewer;
}

TEST_F(HelpViewer, ALinkInAPopUpToTheContentsOpensTheViewerThere)
{
    QTemporaryDir dir;
    WriteAll(dir.filePath("Lumword.hlp"), "@@ 0 Contents\nAll of it.\n@@ 7 Note\n[[0|Back to the contents]]\n");
    SetProgramFilePath(dir.filePath("lumword"));
    HelpShowPopup(7, QPoint(50, 50));
    QWidget *popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    // The pop-up shows a pointing hand over its link.
    const QPoint link = FindPointingHand(popup);
    ASSERT_GE(link.x(), 0) << "no link in the pop-up";
    QTest::mouseClick(popup, Qt::LeftButton, {}, link);
    QPointer<THelpViewer> viewer;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *v = qobject_cast<THelpViewer *>(w); v && v->isVisible())
            viewer = v;
    ASSERT_FALSE(viewer.isNull()) << "the link opened nothing";
    EXPECT_EQ(viewer->CurrentTopic(), 0);
    EXPECT_TRUE(viewer->CurrentText().contains("All of it."));
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    // Nothing to go back to yet.
    for (QPushButton *b : viewer->findChildren<QPushButton *>()) {
        if (b->text() == "&Back") {
            EXPECT_FALSE(b->isEnabled());
        }
    }

    // The same link clicked in the viewer's own window.
    viewer->ShowTopic(7);
    auto *browser = viewer->findChild<QTextBrowser *>();
    QPoint inViewer(-1, -1);
    for (int y = 2; y < browser->viewport()->height() && inViewer.x() < 0; y += 3)
        for (int x = 2; x < browser->viewport()->width(); x += 3)
            if (browser->anchorAt(QPoint(x, y)) == "topic:0") {
                inViewer = QPoint(x, y);
                break;
            }
    ASSERT_GE(inViewer.x(), 0);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, inViewer);
    EXPECT_EQ(viewer->CurrentTopic(), 0);
    delete viewer;
}

TEST_F(HelpViewer, ShowsTheHelpOfTheProgramsLanguageAndEnglishForATopicItLacks)
{
    WriteAll(file("Lumword.de.hlp"), "## Hilfe\n@@ 200 Allgemeine Einstellungen\nDie *erste* Seite.\n");
    ASSERT_TRUE(InstallLanguage("de"));
    THelpViewer viewer;
    viewer.ShowTopic(200);
    EXPECT_EQ(viewer.windowTitle(), QString::fromUtf8("Allgemeine Einstellungen \u2014 Nestling"));
    EXPECT_EQ(viewer.CurrentText().trimmed(), "Allgemeine Einstellungen\nDie erste Seite.");
    EXPECT_TRUE(HelpPopupText(200).contains("<b>erste</b>"));
    viewer.ShowTopic(0);
    EXPECT_EQ(viewer.windowTitle(), QString::fromUtf8("Pellan Wordlark Help \u2014 Nestling"));

    // Without the English help the translated one still serves.
    QFile::remove(file("Lumword.hlp"));
    viewer.ShowTopic(200);
    EXPECT_EQ(viewer.windowTitle(), QString::fromUtf8("Allgemeine Einstellungen — Nestling"));
    THelpFile onlyTranslated = THelpFile::Load(HelpFilePath());
    onlyTranslated.Overlay(THelpFile::Load(TranslatedHelpFilePath()));
    EXPECT_TRUE(onlyTranslated.IsLoaded());
    EXPECT_TRUE(onlyTranslated.Error().isEmpty());

    CopyHelp();
    ASSERT_TRUE(InstallLanguage("en"));
    viewer.ShowTopic(200);
    EXPECT_EQ(viewer.windowTitle(), QString::fromUtf8("General settings \u2014 Nestling"));
    EXPECT_TRUE(TranslatedHelpFilePath().isEmpty());
}

// Context help and links ask for topics by number: each language's help has
// every topic of the English one, and each topic links where the English does.
TEST_F(HelpViewer, EachTranslatedHelpHasTheEnglishTopicsAndTheirLinks)
{
    const THelpFile english = THelpFile::Load(HelpFilePath());
    static const QRegularExpression link(QStringLiteral("href=\"topic:(\\d+)\""));
    auto links = [](const THelpFile &help, int topic) {
        QList<int> to;
        for (auto it = link.globalMatch(help.Html(topic)); it.hasNext();)
            to << it.next().captured(1).toInt();
        std::sort(to.begin(), to.end());
        return to;
    };
    for (const QString language : {"de", "fr", "es", "pl"}) {
        const QString path = QStringLiteral(LUMWORD_SOURCE_DIR "/dist/Lumword.%1.hlp").arg(language);
        const THelpFile help = THelpFile::Load(path);
        ASSERT_TRUE(help.IsLoaded()) << help.Error().toStdString();
        EXPECT_EQ(help.Topics(), english.Topics()) << language.toStdString();
        const QString source = QString::fromUtf8(ReadAll(path));
        int written = 0, shown = 0;
        for (const QString &line : source.split('\n'))
            if (!line.startsWith(QStringLiteral("##")))
                written += line.count(QStringLiteral("[["));
        for (int n : help.Topics()) {
            EXPECT_EQ(links(help, n), links(english, n)) << language.toStdString() << " topic " << n;
            EXPECT_FALSE(help.Title(n).isEmpty()) << language.toStdString() << " topic " << n;
            shown += help.Html(n).count(QStringLiteral("<a href="));
        }
        EXPECT_EQ(shown, written) << language.toStdString() << ": a link broken over two lines";
    }
}
