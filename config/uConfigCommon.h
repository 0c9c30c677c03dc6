#pragma once
// Small helpers shared by the dialog's pages.
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;
class ToxButton;

// Sets a control's hint (tool tip) and its help context (the help topic that
// context help opens for it); an empty hint or a 0 context leaves that part.
void SetHint(QWidget *w, const QString &hint, int helpContext);
// A font asked for by family name, with its height in pixels.
QFont NamedFont(const QString &family, int pixelSize, bool bold);
// A command button of the dialogs.
ToxButton *CreateConfigButton(QWidget *parent, const QRect &geometry, const QString &caption);
