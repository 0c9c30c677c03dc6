#include "app/uError.h"

#include "picture/PGImage.h"
#include "platform/help.h"
#include "widgets/oxBtns.h"
#include "widgets/oxForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {

constexpr int kTutorialTopic = 5000;
constexpr int kDialogButtonsTopic = 501;

QFont SansSerif11()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    return f;
}

QLabel *MakeLabel(QWidget *parent, const QRect &geometry, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

void CentreOnScreen(QWidget *dialog)
{
    const QWidget *owner = dialog->parentWidget();
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
}

TfmError::TfmError(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint)
{
    // No close button: the dialog is left through one of its two buttons.
    setWindowTitle(QStringLiteral("Wordlark"));
    setFont(SansSerif11());
    setModal(true);

    oxForm1 = new ToxForm(this);
    oxForm1->SetCaptionButtons({});
    oxForm1->SetActiveBorder(ox3Ridged);
    oxForm1->SetInactiveBorder(ox3Ridged);
    oxForm1->SetClientSize(423, 140);
    QWidget *client = oxForm1->Client();

    Panel1 = new TPGPanel(client);
    Panel1->setGeometry(8, 8, 409, 97);
    Panel1->SetBevelOuter(TPGPanel::bvRaised);
    Panel1->SetBevelInner(TPGPanel::bvLowered);
    Label1 = MakeLabel(Panel1, QRect(8, 9, 390, 45),
                       tr("Your database contains no Words on the \"Use Words\" category. Either you "
                          "haven't entered any word on the database, or you haven't placed any word on "
                          "the \"Use Word\" category."));
    Label2 = MakeLabel(Panel1, QRect(8, 55, 390, 31),
                       tr("You may want to see the Tutorial, which shows you how to enter new words to "
                          "the database. Do you want to run the Tutorial now?"));

    btOk = CreateCommandButton(client, QRect(7, 108, 162, 25), tr("&Yes, show me the tutorial"),
                               TCommandLook::Dialog);
    btOk->SetDefault(true);
    btOk->SetModalResult(mrYes);
    SetHelpContext(btOk, kDialogButtonsTopic);
    connect(btOk, &ToxButton::OnClick, this, &TfmError::btOkClick);

    oxButton1 = CreateCommandButton(client, QRect(175, 108, 242, 25),
                                    tr("&No, I already know how to use the program"), TCommandLook::Dialog);
    oxButton1->SetModalResult(mrNo);
    SetHelpContext(oxButton1, kDialogButtonsTopic);

    setTabOrder(btOk, oxButton1);
    btOk->setFocus();
    CentreOnScreen(this);
}

void TfmError::btOkClick() { HelpShowTopic(kTutorialTopic); }
