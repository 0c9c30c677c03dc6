// The general page: the run screen's look, how words change, the main
// window's look, hints, the lock and the sound mode.
#include "config/uConfig.h"

#include "config/uConfigCommon.h"
#include "picture/PGImage.h"
#include "platform/AppHints.h"
#include "platform/Exceptions.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "run/uRun.h"
#include "widgets/ColorBtn.h"
#include "widgets/StdCtrls.h"
#include "widgets/oxBtns.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace {

TPGPanel *CreateFramePanel(QWidget *parent, const QRect &geometry)
{
    auto *p = new TPGPanel(parent);
    p->setGeometry(geometry);
    p->SetBevelOuter(TPGPanel::bvLowered);
    p->SetBevelInner(TPGPanel::bvRaised);
    p->SetBevelWidth(1);
    return p;
}

template <class T>
T *Place(T *w, const QRect &geometry)
{
    w->setGeometry(geometry);
    return w;
}

} // namespace

void TfmConfig::CreateGeneralPage()
{
    QWidget *page = tsGeneral;
    pnLook = CreateFramePanel(page, QRect(13, 24, 257, 125));
    pnChange = CreateFramePanel(page, QRect(13, 156, 257, 125));
    pnMain = CreateFramePanel(page, QRect(277, 24, 185, 125));
    pnOptions = CreateFramePanel(page, QRect(277, 156, 185, 125));

    // Run-screen look.
    cbFont = Place(new TFontComboBox(pnLook), QRect(8, 12, 170, 22));
    cbFont->setAccessibleName(tr("Font"));
    udSize = Place(new TSpinEdit(pnLook), QRect(186, 12, 62, 22));
    udSize->setAccessibleName(tr("Size"));
    udSize->SetRange(12, 200);
    udSize->SetIncrement(2);
    udSize->SetPageIncrement(10);
    coFont = Place(new TColorButton(pnLook), QRect(80, 50, 56, 22));
    CreateLabel(pnLook, QRect(8, 53, 70, 16), tr("Font Color"), coFont);
    cbBold = Place(new QCheckBox(tr("Bold"), pnLook), QRect(150, 52, 98, 18));
    coBack = Place(new TColorButton(pnLook), QRect(80, 88, 56, 22));
    CreateLabel(pnLook, QRect(8, 91, 70, 16), tr("Background"), coBack);
    oxButton1 = CreateCommandButton(pnLook, QRect(150, 86, 98, 25), tr("Preview"), TCommandLook::Plain);
    SetHint(cbFont, tr("This is the font that will be used"), 201);
    SetHint(udSize, tr("This is the size of the font"), 202);
    SetHint(coFont, tr("This is the color of the font"), 203);
    SetHint(coBack, tr("This is the color of the background"), 204);
    SetHint(cbBold, tr("Select whether you want to use a Bold font"), 205);
    SetHint(oxButton1, tr("Shows the Run Screen so that you can Preview your settings"), 206);
    connect(oxButton1, &ToxButton::OnClick, this, &TfmConfig::btPreviewClick);

    // How words change: the radios on the left, each one's own controls beside it.
    rbDelay = Place(new QRadioButton(tr("Delay"), pnChange), QRect(8, 10, 110, 18));
    rbMove = Place(new QRadioButton(tr("Mouse move"), pnChange), QRect(8, 36, 110, 18));
    rbClick = Place(new QRadioButton(tr("Mouse click"), pnChange), QRect(8, 62, 110, 18));
    rbKey = Place(new QRadioButton(tr("Keyboard press"), pnChange), QRect(8, 88, 110, 18));
    tbDelay = Place(new TTrackBar(pnChange), QRect(120, 4, 128, 26));
    tbDelay->setRange(4, 20);
    tbDelay->setPageStep(4);
    tbDelay->setSingleStep(1);
    tbDelay->setAccessibleName(tr("Delay"));
    laDelay = Place(new QLabel(pnChange), QRect(120, 31, 128, 16));
    laDelay->setAlignment(Qt::AlignCenter);
    auto makeMouseButton = [this](int x, const QString &caption) {
        ToxButton *b = CreateCommandButton(pnChange, QRect(x, 60, 42, 22), caption, TCommandLook::Plain);
        b->SetButtonType(oxbToggle);
        b->SetGroup(1);
        b->SetGroupAllowNoSel(false);
        return b;
    };
    btLeft = makeMouseButton(120, tr("Left"));
    btNone = makeMouseButton(163, tr("Any"));
    btRight = makeMouseButton(206, tr("Right"));
    hkKey = Place(new THotKey(pnChange), QRect(120, 86, 128, 22));
    hkKey->setAccessibleName(tr("Key"));
    hkKey->SetInvalidKeys(hcNone | hcShift);
    hkKey->SetModifiers(0);
    SetHint(rbDelay, tr("Click to have the words change after the specified delay"), 210);
    SetHint(rbMove, tr("Select to have words change when the mouse is moved"), 211);
    SetHint(rbClick, tr("Select to have words change when a mouse button is clicked"), 212);
    SetHint(rbKey, tr("Select to have words change when the specified key is pressed"), 213);
    SetHint(tbDelay, tr("Select the delay between words"), 214);
    SetHint(btLeft, tr("Use the left mouse button"), 215);
    SetHint(btRight, tr("Use the right mouse button"), 215);
    SetHint(btNone, tr("Use the any mouse button"), 215);
    SetHint(hkKey, tr("Select the key to use or (none) for any key"), 216);
    for (QRadioButton *rb : {rbDelay, rbMove, rbClick, rbKey})
        connect(rb, &QRadioButton::toggled, this, &TfmConfig::rbOptClick);
    connect(tbDelay, &TTrackBar::OnChange, this, &TfmConfig::tbDelayChange);

    // Main window look.
    Fondos = Place(new QListWidget(pnMain), QRect(8, 8, 80, 109));
    Fondos->setAccessibleName(tr("Main window background"));
    Fondos->setSelectionMode(QAbstractItemView::SingleSelection);
    pgOpening = Place(new TPGImage(pnMain), QRect(96, 8, 81, 66));
    pgOpening->SetAutoScroll(false);
    pgOpening->SetCenter(true);
    pgOpening->SetStretch(sAlways);
    pgOpening->SetShowHourGlass(false);
    pgOpening->SetActionMode(amNone);
    pgOpening->SetReadWarningAction(pgwaOKCancelBox);
    pgOpening->setAccessibleName(tr("Main window preview"));
    laMain = new TPGLabel(tr("Buttons"), pgOpening);
    laMain->setGeometry(pgOpening->rect());
    laMain->setFont(NamedFont(QStringLiteral("Arial"), 16, true));
    laMain->SetAlignment(Qt::AlignCenter);
    laMain->SetShadow(true);
    laMain->SetTransparent(true);
    laMain->setAttribute(Qt::WA_TransparentForMouseEvents);
    coMainFont = Place(new TColorButton(pnMain), QRect(96, 95, 81, 22));
    CreateLabel(pnMain, QRect(96, 77, 81, 16), tr("Font Color"), coMainFont);
    SetHint(Fondos, tr("Select the background of the main window"), 207);
    SetHint(pgOpening, tr("This is how the main window will appear"), 208);
    SetHint(coMainFont, tr("This is the color of the buttons of the main window"), 209);
    connect(Fondos, &QListWidget::itemSelectionChanged, this, &TfmConfig::FondosClick);
    connect(coMainFont, &TColorButton::OnChange, this, &TfmConfig::coMainFontClick);

    // Hints, lock, sound mode.
    cbHints = Place(new QCheckBox(tr("Show Hints"), pnOptions), QRect(8, 8, 170, 18));
    cbProtect = Place(new QCheckBox(tr("Protect Config dialog"), pnOptions), QRect(8, 30, 170, 18));
    rbNormal = Place(new QRadioButton(tr("Normal Sounds"), pnOptions), QRect(8, 58, 170, 18));
    rbDelayed = Place(new QRadioButton(tr("Delayed Sounds"), pnOptions), QRect(8, 80, 170, 18));
    rbMute = Place(new QRadioButton(tr("Mute (no Sounds)"), pnOptions), QRect(8, 102, 170, 18));
    SetHint(cbHints, tr("Select whether you want to use the balloon hints"), 217);
    SetHint(cbProtect, tr("if checked you will have to press Shift and Alt to access the configuration dialog"), 218);
    SetHint(rbNormal, tr("Normal Sounds - Words are played when they are shown"), 219);
    SetHint(rbDelayed, tr("Delayed Sounds - Words will be played after a 2s delay"), 219);
    SetHint(rbMute, tr("Mute - Words will not be played"), 219);
    connect(cbHints, &QCheckBox::toggled, this, &TfmConfig::cbHintsClick);
    connect(cbProtect, &QCheckBox::toggled, this, &TfmConfig::cbHintsClick);
}

void TfmConfig::rbOptClick()
{
    const bool delay = rbDelay->isChecked(), click = rbClick->isChecked(), key = rbKey->isChecked();
    laDelay->setVisible(delay);
    tbDelay->setVisible(delay);
    btNone->setVisible(click);
    btLeft->setVisible(click);
    btRight->setVisible(click);
    hkKey->setVisible(key);
}

void TfmConfig::tbDelayChange()
{
    laDelay->setText(ProgramLocale().toString(tbDelay->Position() * 0.5, 'f', 1) + QStringLiteral(" s"));
}

void TfmConfig::FondosClick()
{
    const int row = Fondos->currentRow();
    if (row < 0 || !Fondos->item(row)->isSelected() || row >= ImageNames.size())
        return;
    // The listed path, not the lower-case name: file names differ by case here.
    try {
        pgOpening->SetFileName(ImageNames[row]);
    } catch (const Exception &e) {
        ShowMessageBox(e.Message(), QMessageBox::Critical);
    } catch (const std::exception &e) {
        ShowMessageBox(QString::fromLocal8Bit(e.what()), QMessageBox::Critical);
    }
}

void TfmConfig::coMainFontClick() { laMain->SetFontColor(coMainFont->Color()); }

void TfmConfig::cbHintsClick() { SetApplicationShowHint(cbHints->isChecked()); }

void TfmConfig::btPreviewClick()
{
    TfmRun fmRun(this);
    fmRun.Mode = rmPreview;
    fmRun.SetAppearance(coFont->Color(), coBack->Color(), udSize->Value(), cbFont->FontName(), cbBold->isChecked());
    fmRun.ShowModal();
}
