#pragma once
// The no-words dialog: "Run" was pressed while no word is in use. It says why
// and offers the tutorial in the help file.
#include <QDialog>
#include <QRect>

class QLabel;
class ToxButton;
class ToxForm;
class TPGPanel;

// A command button of the program's small dialogs: standard frame, inset
// caption, solid face, bold while focused, "MS Sans Serif" at 11 pixels.
ToxButton *CreateDialogButton(QWidget *parent, const QRect &geometry, const QString &caption);

// Places a dialog in the middle of the screen its parent is on (or the primary one).
void CentreOnScreen(QWidget *dialog);

class TfmError : public QDialog {
    Q_OBJECT
public:
    explicit TfmError(QWidget *parent = nullptr);

    // Opens the tutorial; the dialog closes with Yes right after.
    void btOkClick();

    ToxForm *oxForm1;
    TPGPanel *Panel1;
    QLabel *Label1;
    QLabel *Label2;
    ToxButton *btOk;
    ToxButton *oxButton1;
};
