// Every window of the program in every language it speaks: the windows keep
// their fixed geometry, so each caption must fit the control it is drawn in,
// and no two controls of one page may answer to the same Alt+letter.
#include "app/uAbout.h"
#include "app/uError.h"
#include "app/uMain.h"
#include "config/uConfig.h"
#include "picture/PGImage.h"
#include "platform/Language.h"
#include "platform/help.h"
#include "support/ProgramFolder.h"
#include "support/TranslationFile.h"
#include "widgets/ColorBtn.h"
#include "widgets/oxBtns.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QStyleOptionComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>
#include <cmath>
#include <memory>

namespace {

QString Shown(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QChar(1), QLatin1Char('&'));
}

QString Name(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// The room a caption needs and the room its control gives it, or nothing when
// the widget draws no caption of its own.
struct TRoom {
    QString Text;
    int Needs = 0, Has = 0;
};

std::optional<TRoom> RoomOf(QWidget *w)
{
    if (auto *b = qobject_cast<ToxButton *>(w)) {
        if (b->Caption().isEmpty())
            return std::nullopt;
        // The caption as wide as it gets: bold where the focused button draws it so.
        QFont font = b->font();
        if (b->FocusStyle() & fsBoldFont)
            font.setBold(true);
        const int needs = QFontMetrics(font).size(Qt::TextShowMnemonic, b->Caption().replace("||", "\n")).width() + 4;
        const QRect picture = b->PictureRect();
        int has = b->width();
        if (!picture.isEmpty())
            has -= picture.width();
        return TRoom{b->Caption(), needs, has};
    }
    if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
        auto *b = static_cast<QAbstractButton *>(w);
        if (b->text().isEmpty())
            return std::nullopt;
        return TRoom{b->text(), b->sizeHint().width(), b->width()};
    }
    if (auto *b = qobject_cast<QPushButton *>(w)) {
        if (b->text().isEmpty())
            return std::nullopt;
        return TRoom{b->text(), b->fontMetrics().horizontalAdvance(Shown(b->text())) + 8, b->width()};
    }
    if (auto *c = qobject_cast<QComboBox *>(w); c && !c->isEditable() && !c->currentText().isEmpty()) {
        QStyleOptionComboBox option;
        option.initFrom(c);
        const QSize text(c->fontMetrics().horizontalAdvance(c->currentText()), c->fontMetrics().height());
        return TRoom{c->currentText(), c->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, c).width(),
                     c->width()};
    }
    if (auto *l = qobject_cast<QLabel *>(w)) {
        if (l->text().isEmpty() || l->textFormat() == Qt::RichText)
            return std::nullopt;
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        if (l->wordWrap())
            return TRoom{l->text(), l->heightForWidth(l->width()), l->height()};
        return TRoom{l->text(), l->fontMetrics().horizontalAdvance(Shown(l->text())), room.width()};
    }
    if (auto *l = qobject_cast<TPGLabel *>(w)) {
        if (l->Caption().isEmpty())
            return std::nullopt;
        return TRoom{l->Caption(), QFontMetrics(l->font()).horizontalAdvance(l->Caption()), l->width()};
    }
    if (auto *bar = qobject_cast<QTabBar *>(w)) {
        if (bar->count() == 0)
            return std::nullopt;
        // Tabs keep their natural width; too many for the bar get scroll arrows.
        return TRoom{QStringLiteral("tabs"), bar->tabRect(bar->count() - 1).right() + 1, bar->parentWidget()->width()};
    }
    return std::nullopt;
}

// The language's translation of each English text its file translates otherwise.
QHash<QString, QString> Translations(const QString &language)
{
    QHash<QString, QString> translated;
    if (language == QLatin1String("en") || language == QLatin1String("pseudo"))
        return translated;
    for (const TTsMessage &m : ReadTs(TsFile(language)))
        if (m.Translation != m.Source)
            translated.insert(m.Source, m.Translation);
    return translated;
}

// Every caption under `window` that is wider (or, wrapped, taller) than its
// control, or that is still the English of a text the language translates.
QStringList TooLong(QWidget *window, const QString &where, const QHash<QString, QString> &translations = {})
{
    QStringList found;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        const std::optional<TRoom> room = RoomOf(w);
        if (room && room->Needs > room->Has)
            found << QStringLiteral("%1 %2 \"%3\": needs %4 px, has %5")
                         .arg(where, Name(w), room->Text)
                         .arg(room->Needs)
                         .arg(room->Has);
        if (room && translations.contains(room->Text))
            found << QStringLiteral("%1 %2 \"%3\" is still in English").arg(where, Name(w), room->Text);
    }
    return found;
}

QChar Accelerator(const QString &text)
{
    for (qsizetype i = text.indexOf('&'); i >= 0 && i + 1 < text.size(); i = text.indexOf('&', i + 2))
        if (text[i + 1] != '&')
            return text[i + 1].toLower();
    return {};
}

// Letters that two controls of one page share; `shared` are controls seen with every page.
QStringList SharedAccelerators(QWidget *page, const QList<QWidget *> &shared, const QString &where)
{
    QList<QWidget *> widgets = page->findChildren<QWidget *>();
    widgets += shared;
    QMap<QChar, QString> taken;
    QStringList found;
    for (QWidget *w : widgets) {
        QString text;
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            text = b->text();
        else if (auto *l = qobject_cast<QLabel *>(w); l && l->buddy())
            text = l->text();
        const QChar letter = Accelerator(text);
        if (letter.isNull())
            continue;
        if (taken.contains(letter))
            found << QStringLiteral("%1: \"%2\" and \"%3\" share Alt+%4").arg(where, taken[letter], text, letter);
        taken[letter] = text;
    }
    return found;
}

// Lengthens every text by 40 %, as a long translation would.
class TPseudoTranslator : public QTranslator {
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return text + QString(int(std::ceil(text.size() * 0.4)), QLatin1Char('w'));
    }
    bool isEmpty() const override { return false; }
};

class LanguageFit : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyImage("confetti.jpg");
        CopyHelp();
    }
    void TearDown() override
    {
        RemoveLanguage();
        ProgramFolderTest::TearDown();
    }

    // Every window and page of the program in the language in place, with what does not fit.
    QStringList Problems(const QString &language)
    {
        const QHash<QString, QString> translations = Translations(language);
        QStringList found;
        auto look = [&](QWidget &w, const QString &what) {
            w.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
            found += TooLong(&w, language + " " + what, translations);
        };
        {
            TfmMain main;
            look(main, "main window");
        }
        {
            TfmConfig dlg;
            look(dlg, "configuration dialog");
            // The bottom row's buttons, and the language chooser's label, are seen with every page.
            QList<QWidget *> shared;
            for (QWidget *w : dlg.findChildren<QWidget *>())
                if (!dlg.Pages->isAncestorOf(w) && (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLabel *>(w)))
                    shared << w;
            for (int i = 0; i < dlg.Pages->count(); ++i)
                found += SharedAccelerators(dlg.Pages->widget(i), shared,
                                            language + " page \"" + dlg.Pages->tabText(i) + "\"");
        }
        {
            TfmAbout about;
            look(about, "about box");
        }
        {
            TfmError noWords;
            look(noWords, "no-words dialog");
            found += SharedAccelerators(&noWords, {}, language + " no-words dialog");
        }
        {
            QWidget owner;
            TColorPalette palette(0, &owner);
            look(palette, "colour palette");
        }
        THelpViewer *viewer = HelpShowTopic(0);
        found += TooLong(viewer, language + " help", translations);
        found += SharedAccelerators(viewer, {}, language + " help");
        viewer->close();
        return found;
    }
};

} // namespace

TEST_F(LanguageFit, EveryCaptionFitsItsControlInEveryLanguage)
{
    for (const TProgramLanguage &language : ProgramLanguages()) {
        ASSERT_TRUE(InstallLanguage(language.Code)) << language.Code.toStdString();
        const QStringList problems = Problems(language.Code);
        EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    }
}

// The same look with every text 40 % longer names the captions at risk, and
// shows the look finds a caption made too long.
TEST_F(LanguageFit, TextsLongerByFortyPercentAreFoundWhereTheyDoNotFit)
{
    TPseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    const QStringList problems = Problems(QStringLiteral("pseudo"));
    QCoreApplication::removeTranslator(&pseudo);
    EXPECT_FALSE(problems.isEmpty());
    auto names = [&](const QString &caption) {
        return std::any_of(problems.begin(), problems.end(),
                           [&](const QString &p) { return p.contains('"' + caption); });
    };
    EXPECT_TRUE(names("Protect Config dialog")) << problems.join('\n').toStdString();
    EXPECT_TRUE(names("Configure")) << problems.join('\n').toStdString();
    std::cout << "At risk at +40 %:\n" << problems.join('\n').toStdString() << std::endl;
}
