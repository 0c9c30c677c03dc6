// The translation files: their source texts are the program's English as it
// was before any text went through the translation system, every language
// translates every text the code has and no other, and a translation keeps
// what the code fills in (placeholders) and what the keyboard needs (one "&").
#include "picture/PGraphic.h"
#include "platform/Language.h"
#include "app/Application.h"
#include "data/uCommon.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"
#include "support/TranslationFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A text as it stands between the quotes in C++ source, as the list of English texts keeps it.
QString CEscaped(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c == '\\' || c == '"')
            out += '\\' + QString(c);
        else if (c == '\n')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    return out;
}

const QStringList Translated = {"de", "fr", "es", "pl"};

// %1..%9 and the picture messages' %S1..%S3, each counted.
QStringList Placeholders(const QString &text)
{
    static const QRegularExpression holes(QStringLiteral("%S?\\d"));
    QStringList found;
    for (auto it = holes.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

int Accelerators(QString text)
{
    text.remove(QStringLiteral("&&"));
    return int(text.count(QLatin1Char('&')));
}

} // namespace

TEST(TranslationFiles, EverySourceTextIsTheEnglishThatWasShownBefore)
{
    // The texts the program showed before it was translated, and the few new
    // ones that came with the translations (the language chooser's).
    QSet<QString> before;
    for (const char *name : {"EnglishTexts.txt", "EnglishTextsAdded.txt"}) {
        QFile list(QStringLiteral(LUMWORD_SOURCE_DIR "/tests/app/") + QLatin1String(name));
        ASSERT_TRUE(list.open(QIODevice::ReadOnly)) << name;
        for (const QByteArray &line : list.readAll().split('\n'))
            before.insert(QString::fromUtf8(line));
    }
    for (const QString &language : Translated) {
        const QList<TTsMessage> messages = ReadTs(TsFile(language));
        EXPECT_GT(messages.size(), 300) << language.toStdString();
        for (const TTsMessage &m : messages)
            EXPECT_TRUE(before.contains(CEscaped(m.Source)))
                << language.toStdString() << ", " << m.Context.toStdString() << ": \"" << m.Source.toStdString()
                << "\" is not a text the program showed before";
    }
}

TEST(TranslationFiles, EachTranslationIsFinishedAndKeepsPlaceholdersAndItsOneAccelerator)
{
    for (const QString &language : Translated)
        for (const TTsMessage &m : ReadTs(TsFile(language))) {
            const std::string where = language.toStdString() + ", " + m.Context.toStdString() + ": \""
                                      + m.Source.toStdString() + "\" -> \"" + m.Translation.toStdString() + "\"";
            EXPECT_TRUE(m.Type.isEmpty()) << where << " is " << m.Type.toStdString();
            EXPECT_FALSE(m.Translation.isEmpty()) << where;
            EXPECT_EQ(Placeholders(m.Translation), Placeholders(m.Source)) << where;
            EXPECT_EQ(Accelerators(m.Translation), Accelerators(m.Source)) << where;
        }
}

// What a translator runs after the code changed, run on copies: every text
// is already there and translated, and none is left over.
TEST(TranslationFiles, HoldEveryTextOfTheCodeAndNoOther)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList copies;
    for (const QString &language : Translated) {
        copies << dir.filePath(QStringLiteral("lumword_%1.ts").arg(language));
        ASSERT_TRUE(QFile::copy(TsFile(language), copies.last()));
    }
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(LUMWORD_SOURCE_DIR));
    lupdate.start(QStringLiteral(LUMWORD_LUPDATE),
                  QStringList{"-silent", "-locations", "none", "-I", "."}
                      + QStringList{"app", "audio", "config", "data", "picture", "platform", "run", "sound", "widgets"}
                      + QStringList{"-ts"} + copies);
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << lupdate.errorString().toStdString();
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    for (int i = 0; i < copies.size(); ++i) {
        const QList<TTsMessage> updated = ReadTs(copies[i]);
        EXPECT_EQ(updated.size(), ReadTs(TsFile(Translated[i])).size()) << Translated[i].toStdString();
        for (const TTsMessage &m : updated)
            EXPECT_TRUE(m.Type.isEmpty()) << Translated[i].toStdString() << ", " << m.Context.toStdString() << ": \""
                                          << m.Source.toStdString() << "\" is " << m.Type.toStdString();
    }
}

TEST(Language, TheStoredChoiceThenTheDesktopsFirstLanguageWeSpeakThenEnglish)
{
    const struct {
        const char *stored;
        QStringList desktop;
        const char *chosen;
    } cases[] = {
        {"", {"de-DE", "en-US"}, "de"},
        {"", {"ja-JP", "ja"}, "en"},
        {"", {"ja", "es_ES.UTF-8", "fr"}, "es"},
        {"", {"PL"}, "pl"},
        {"", {}, "en"},
        {"fr", {"de-DE"}, "fr"},
        {"en", {"pl-PL"}, "en"},
        {"xx", {"fr-CA"}, "fr"},   // a choice the program does not offer is Automatic
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChooseLanguage(QString::fromLatin1(c.stored), c.desktop), QString::fromLatin1(c.chosen))
            << c.stored << " / " << c.desktop.join(',').toStdString();
}

// The program's own texts, Qt's standard buttons and the dates all change
// with the language, and English takes every one of them back.
TEST(Language, InstallingOneBringsItsTextsQtsOwnAndItsDatesAndEnglishTakesThemBack)
{
    const QDate day(2026, 3, 2);
    EXPECT_EQ(ProgramLocale().toString(day, QStringLiteral("ddd d MMM")), "Mon 2 Mar");
    QString generalDe;
    for (const TTsMessage &m : ReadTs(TsFile("de")))
        if (m.Context == "TfmConfig" && m.Source == "General")
            generalDe = m.Translation;
    ASSERT_FALSE(generalDe.isEmpty());

    ASSERT_TRUE(InstallLanguage("de"));
    EXPECT_EQ(ProgramLanguage(), "de");
    EXPECT_EQ(QCoreApplication::translate("TfmConfig", "General"), generalDe);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    EXPECT_EQ(ProgramLocale().toString(day, QStringLiteral("ddd d MMM")), "Mo. 2 März");
    EXPECT_EQ(QLocale().toString(1.5, 'f', 1), "1,5");
    EXPECT_EQ(PGLangStr(32), "Unerwartetes Dateiende");   // the picture readers' messages too

    ASSERT_TRUE(InstallLanguage("en"));
    EXPECT_EQ(ProgramLanguage(), "en");
    EXPECT_EQ(QCoreApplication::translate("TfmConfig", "General"), "General");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    EXPECT_EQ(ProgramLocale().toString(day, QStringLiteral("ddd d MMM")), "Mon 2 Mar");
    EXPECT_EQ(PGLangStr(32), "Unexpected end of file");
    EXPECT_FALSE(InstallLanguage("ja"));
    EXPECT_EQ(ProgramLanguage(), "en");
}

class StartLanguage : public ProgramFolderTest {
protected:
    void TearDown() override
    {
        RemoveLanguage();
        ProgramFolderTest::TearDown();
    }
};

// The choice stored beside the program, read before the settings are.
TEST_F(StartLanguage, IsTheStoredChoiceAndOtherwiseTheDesktops)
{
    WriteAll(file("lumword.INI"), "[General]\nLanguage=pl\n");
    InstallStartLanguage();
    EXPECT_EQ(ProgramLanguage(), "pl");
    WriteAll(file("lumword.INI"), "[General]\nLanguage=\n");
    InstallStartLanguage();
    EXPECT_EQ(ProgramLanguage(), ChooseLanguage(QString(), QLocale::system().uiLanguages()));
}
