// The program's language: its chooser in the dialog's bottom row beside the
// general page (the page itself has no free room), shown with that page as
// Export and Import are with theirs.
#include "config/uConfig.h"

#include "config/uConfigCommon.h"
#include "data/uCommon.h"
#include "platform/Language.h"
#include "widgets/oxForm.h"

#include <QComboBox>
#include <QLabel>

void TfmConfig::CreateLanguageControls()
{
    QWidget *client = oxForm1->Client();
    cbLanguage = new QComboBox(client);
    cbLanguage->setGeometry(385, 333, 92, 21);
    cbLanguage->addItem(tr("Automatic"), QString());
    for (const TProgramLanguage &l : ProgramLanguages())
        cbLanguage->addItem(l.Name, l.Code);
    // The texts are made once, at start-up: the label says when a choice shows.
    laLanguage = CreateLabel(client, QRect(262, 328, 120, 30), tr("&Language (used from the next start)"), cbLanguage);
    laLanguage->setWordWrap(true);
    SetHint(cbLanguage, tr("Choose the language of the program's windows and help; it changes when the program is "
                           "started next"),
            220);
}

void TfmConfig::LanguageFormCreate()
{
    // A language this version does not offer is Automatic, as at start-up.
    cbLanguage->setCurrentIndex(qMax(0, cbLanguage->findData(Settings.Language)));
}

void TfmConfig::LanguageOkClick() { Settings.Language = cbLanguage->currentData().toString(); }

void TfmConfig::ShowLanguageControls(bool shown)
{
    laLanguage->setVisible(shown);
    cbLanguage->setVisible(shown);
}
