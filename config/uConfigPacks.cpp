// Word packs on the selection page: Export writes the selected words (or all)
// with their recordings into a pack file, Import adds a pack's words as new
// words and saves the list at once, as OK would.
#include "config/uConfig.h"

#include "config/uConfigCommon.h"
#include "data/uWordPack.h"
#include "platform/AtomicFile.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "widgets/oxBtns.h"
#include "widgets/oxForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QShowEvent>

namespace {

// A typed full path and Enter is the whole job: the name field has the
// focus, its text selected so that typing replaces it.
class TPackFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void showEvent(QShowEvent *event) override
    {
        QFileDialog::showEvent(event);
        if (auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
            name->setFocus(Qt::OtherFocusReason);
            name->selectAll();
        }
    }
};

QString PackFilter() { return QCoreApplication::translate("TfmConfig", "Word packs (*.wordpack)"); }

} // namespace

void TfmConfig::CreatePackButtons()
{
    QWidget *client = oxForm1->Client();
    btExport = CreateCommandButton(client, QRect(317, 331, 75, 25), tr("&Export..."), TCommandLook::Plain);
    btImport = CreateCommandButton(client, QRect(402, 331, 75, 25), tr("&Import..."), TCommandLook::Plain);
    btExport->setAccessibleName(tr("Export..."));
    btImport->setAccessibleName(tr("Import..."));
    SetHint(btExport, tr("Save the selected words (all the words when none is selected) with their "
                         "recordings into a word pack file"),
            901);
    SetHint(btImport, tr("Add the words of a word pack file, with their recordings, as new words"), 902);
    btExport->setVisible(false);
    btImport->setVisible(false);
    connect(btExport, &ToxButton::OnClick, this, &TfmConfig::btExportClick);
    connect(btImport, &ToxButton::OnClick, this, &TfmConfig::btImportClick);
}

QString TfmConfig::AskWordPackFile(bool save)
{
    const QString packs = Settings.ProgramDir + "packs";
    const QString start = save ? QDir::homePath() : (QFileInfo(packs).isDir() ? packs : Settings.ProgramDir);
    TPackFileDialog dialog(this, save ? tr("Export words") : tr("Import words"), start, PackFilter());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("wordpack"));
    // The name becomes the pack's title; an import starts at the starter pack of the program's language.
    const QString starter = packs + '/' + ProgramLanguage() + QStringLiteral(".wordpack");
    if (save)
        dialog.selectFile(tr("My words.wordpack"));
    else if (QFileInfo(starter).isFile())
        dialog.selectFile(starter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

void TfmConfig::btExportClick()
{
    QList<TPackWord> selected, all;
    const struct {
        TWordListBox *list;
        int category;
    } groups[] = {{lbNew, catNew}, {lbNow, catNow}, {lbKnown, catKnown}};
    for (const auto &g : groups)
        for (int i = 0; i < g.list->count(); ++i) {
            const TPackWord w{g.list->Word(i), g.category};
            all.append(w);
            if (g.list->item(i)->isSelected())
                selected.append(w);
        }
    const QList<TPackWord> &words = selected.isEmpty() ? all : selected;
    if (words.isEmpty()) {
        ShowMessageBox(tr("There are no words to export."), QMessageBox::Information);
        return;
    }
    const QString path = AskWordPackFile(true);
    if (path.isEmpty())
        return;
    try {
        const TWordPack pack = CollectWordPack(words, QFileInfo(path).completeBaseName(),
                                               QLocale::languageToCode(QLocale().language()));
        if (!WriteFileAtomically(path, WriteWordPack(pack)))
            throw EInOutError(tr("Cannot create file %1").arg(QDir::toNativeSeparators(path)));
        ShowMessageBox(tr("%1 words (%2 with recordings) were exported to %3.")
                           .arg(words.size())
                           .arg(pack.Sounds.size())
                           .arg(QDir::toNativeSeparators(path)),
                       QMessageBox::Information);
    } catch (const Exception &e) {
        ShowMessageBox(e.Message(), QMessageBox::Warning);
    }
}

namespace {

// What the import worker hands back.
struct TImportResult {
    TPackImport Done;
    QString Title;
    QString Refusal;   // why nothing was imported, when so
};

} // namespace

void TfmConfig::btImportClick()
{
    const QString path = AskWordPackFile(false);
    if (path.isEmpty())
        return;
    // Words of this dialog and of the saved list: a word deleted here but
    // not yet given up by OK keeps its number and its text.
    QSet<QString> present;
    QBitArray taken = UsedSounds;   // MaxWords bits
    for (const TWordList &list : {lbAll->Words(), AllWords})
        for (const TWordEntry &w : list) {
            present.insert(w.Text);
            if (w.SoundNo >= 0 && w.SoundNo < MaxWords)
                taken.setBit(w.SoundNo);
        }
    if (EditMode == weNew && CurrentSound >= 0 && CurrentSound < MaxWords)
        taken.setBit(CurrentSound);

    // The pack is read and checked and its recordings written on the
    // worker; the words join the lists, and the list is saved, back here,
    // since the program's lists and settings belong to this thread.
    auto result = std::make_shared<TImportResult>();
    const auto work = [path, present, taken, result](TFileJob &) {
        try {
            RunFileJobHook(path);
            // Packs beyond the limits are refused before they are read in.
            if (QFileInfo(path).size() > kPackMaxTotalBytes)
                throw EWordPack(tr("The pack is larger than 200 MB."));
            const std::optional<QByteArray> bytes = TFileBase::Read(path);
            if (!bytes)
                throw EInOutError(tr("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
            const TWordPack pack = ReadWordPack(*bytes);
            result->Title = pack.Title.isEmpty() ? QFileInfo(path).completeBaseName() : pack.Title;
            result->Done = WritePackRecordings(pack, present, taken);
        } catch (const Exception &e) {
            result->Refusal = e.Message();
        }
    };
    const auto end = [this, path, result] {
        if (result->Refusal.isEmpty()) {
            try {
                AddImportedWords(result->Done);
            } catch (const Exception &e) {
                result->Refusal = e.Message();
            }
        }
        if (!result->Refusal.isEmpty()) {
            ShowMessageBox(tr("The word pack %1 was not imported:\n\n%2\n\nNothing has been changed.")
                               .arg(QDir::toNativeSeparators(path), result->Refusal),
                           QMessageBox::Warning);
            return;
        }
        const TPackImport &done = result->Done;
        for (const TWordEntry &w : done.AddedWords) {
            lbAll->AddWord(w);
            lbNew->AddWord(w);
            UsedSounds.setBit(w.SoundNo);
        }
        UpdateCounts();
        QString text = tr("\"%1\": %2 words were added as new words, %3 were already there.")
                           .arg(result->Title)
                           .arg(done.Added)
                           .arg(done.AlreadyThere);
        if (!done.Warning.isEmpty())
            text += "\n\n" + done.Warning;
        ShowMessageBox(text, done.Warning.isEmpty() ? QMessageBox::Information : QMessageBox::Warning);
    };
    StartFileJob({Pages->tabBar(), btOk, btCancel, btHelp, btExport, btImport, lbNew, lbNow, lbKnown, btNew2Now,
                  btNow2New, btNow2Known, btKnown2Now, btAllNew, btAllNow, btAllKnow, btNoneNew, btNoneNow,
                  btNoneKnow},
                 work, end);
}
