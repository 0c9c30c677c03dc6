#include "app/uAbout.h"

#include "app/uError.h"
#include "picture/PGImage.h"
#include "platform/MessageBox.h"
#include "resources/Resources.h"
#include "widgets/oxBtns.h"
#include "widgets/oxForm.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

const char *const MakerURL = "https://github.com/pellan/wordlark";

namespace {

const char *const kNotice = QT_TRANSLATE_NOOP("TfmAbout", "Free software for young readers and their parents.");

QFont Arial(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A line along the top of the control: shadow over highlight, as a bevel draws it.
class TBevelLine : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(QRect(0, 0, width(), 1), ToQColor(clBtnShadow));
        p.fillRect(QRect(0, 1, width(), 1), ToQColor(clBtnHighlight));
    }
};

TPGPanel *BumpPanel(QWidget *parent, const QRect &geometry)
{
    auto *p = new TPGPanel(parent);
    p->setGeometry(geometry);
    p->SetBevelOuter(TPGPanel::bvRaised);
    p->SetBevelInner(TPGPanel::bvLowered);
    return p;
}

} // namespace

TURLLabel::TURLLabel(const QString &text, QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setText(text);
}

void TURLLabel::setText(const QString &text)
{
    FText = text;
    setAccessibleName(text);
    update();
}

QSize TURLLabel::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(FText) + 1, fm.height());
}

void TURLLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, FText);
    if (hasFocus()) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }
}

void TURLLabel::mousePressEvent(QMouseEvent *e)
{
    FPressed = e->button() == Qt::LeftButton;
    e->accept();
}

void TURLLabel::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click = FPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    FPressed = false;
    e->accept();
    if (click)
        emit OnClick();
}

void TURLLabel::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier) {
        emit OnClick();
        return;
    }
    QWidget::keyPressEvent(e);
}

TfmAbout::TfmAbout(QWidget *parent) : QDialog(parent)
{
    InitResources();
    OpenURL = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    setWindowTitle(tr("About Pellan Wordlark"));
    setFont(Arial(11));
    setModal(true);

    oxForm1 = new ToxForm(this);
    oxForm1->SetCaptionButtons({});
    oxForm1->SetActiveBorder(ox3Ridged);
    oxForm1->SetInactiveBorder(ox3Ridged);
    oxForm1->SetClientSize(416, 230);
    QWidget *client = oxForm1->Client();

    // The logo sits in a bump frame inside another.
    Panel1 = BumpPanel(client, QRect(4, 4, 408, 71));
    Panel2 = BumpPanel(Panel1, QRect(2, 2, 404, 67));
    imLogo = new QLabel(Panel2);
    imLogo->setGeometry(2, 2, 400, 63);
    imLogo->setAlignment(Qt::AlignCenter);
    imLogo->setPixmap(QPixmap(QStringLiteral(":/about/AboutLogo.gif")));
    imLogo->setAccessibleName(QStringLiteral("Pellan Wordlark"));

    laVersion = new QLabel(tr("Version"), client);
    laVersion->setTextFormat(Qt::PlainText);
    laVersion->setGeometry(8, 84, 401, 22);
    laVersion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    laVersion->setFont(Arial(19, true));
    QPalette navy = laVersion->palette();
    navy.setColor(QPalette::WindowText, ToQColor(clNavy));
    laVersion->setPalette(navy);

    Bevel1 = new TBevelLine(client);
    Bevel1->setGeometry(0, 160, 417, 2);

    laNotice = new QLabel(QCoreApplication::translate("TfmAbout", kNotice), client);
    laNotice->setTextFormat(Qt::PlainText);
    laNotice->setGeometry(92, 168, 299, 14);
    laNotice->setAlignment(Qt::AlignRight | Qt::AlignTop);

    laURL = new TURLLabel(QString::fromLatin1(MakerURL), client);
    QFont link = Arial(11);
    link.setUnderline(true);
    laURL->setFont(link);
    QPalette blue = laURL->palette();
    blue.setColor(QPalette::WindowText, ToQColor(clBlue));
    laURL->setPalette(blue);
    // As wide as its text: the pointer turns to a hand over the address only.
    // Text and font never change, so they are measured once.
    static const QSize urlSize = laURL->sizeHint();
    laURL->setGeometry(QRect(QPoint(7, 208), urlSize));
    laURL->setAccessibleDescription(tr("Opens the web page in the browser"));
    connect(laURL, &TURLLabel::OnClick, this, &TfmAbout::laURLClick);

    btOk = CreateCommandButton(client, QRect(315, 198, 75, 25), tr("&Ok"), TCommandLook::Dialog);
    btOk->SetFontColor(clNavy);
    btOk->SetDefault(true);
    btOk->SetModalResult(mrOk);

    setTabOrder(btOk, laURL);
    btOk->setFocus();
    CentreOnScreen(this);
    FormCreate();
}

void TfmAbout::FormCreate() { laVersion->setText(tr("Version 1.0")); }

void TfmAbout::laURLClick()
{
    const QUrl url(laURL->text());
    if (!OpenURL || !OpenURL(url))
        ShowMessageBox(tr("The web page %1 could not be opened.").arg(url.toString()), QMessageBox::Warning);
}
