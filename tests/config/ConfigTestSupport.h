#pragma once
// A program folder for the configuration dialog's tests, and clicks that land
// where a user's would.
#include "config/uConfig.h"
#include "data/uCommon.h"
#include "platform/AppHints.h"
#include "platform/ProgramFile.h"
#include "support/ProgramFolder.h"
#include "support/Pump.h"
#include "support/TestSupport.h"
#include "widgets/oxBtns.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace cfgtest {

class ConfigFolder : public ProgramFolderTest {
protected:
    // Pictures in the images folder under the names given (each a copy of a
    // shipped background).
    void Images(const QStringList &names)
    {
        for (const QString &n : names)
            CopyImage(n);
    }
    // The settings file as given, then read.
    void Load(const QByteArray &ini)
    {
        WriteAll(dir.filePath("lumword.INI"), ini);
        LoadSettings();
    }
    QString File(const QString &name) const { return dir.filePath(name); }
};

inline void Show(QWidget &w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
}

inline void Click(QWidget *w)
{
    // Check boxes and radio buttons take clicks on their box and caption only.
    const bool small = qobject_cast<QAbstractButton *>(w) && w->inherits("QCheckBox");
    const bool radio = w->inherits("QRadioButton");
    const QPoint at = (small || radio) ? QPoint(6, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

inline void ClickRow(QListWidget *list, int row)
{
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

inline void ShowPage(TfmConfig &dlg, int index)
{
    QTabBar *bar = dlg.Pages->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// Even out all, Undo and Import run on a worker with OK locked: waits until
// it is back (up to 10 s), as it is at once when no job started.
inline bool WaitForControls(const TfmConfig &dlg)
{
    return PumpUntil([&] { return dlg.btOk->isEnabled(); });
}

inline QStringList Texts(const QListWidget *list)
{
    QStringList t;
    for (int i = 0; i < list->count(); ++i)
        t << list->item(i)->text();
    return t;
}

inline QStringList SelectedTexts(const QListWidget *list)
{
    QStringList t;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            t << list->item(i)->text();
    return t;
}

} // namespace cfgtest

inline void PrintTo(const TWordEntry &w, std::ostream *os) { *os << '{' << w.Text.toStdString() << ", " << w.SoundNo << '}'; }
