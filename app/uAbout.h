#pragma once
// The about box: the product logo, the version, a notice line and the web
// address, which opens in the desktop's browser when clicked.
#include <QDialog>
#include <QLabel>
#include <QUrl>
#include <functional>

class ToxButton;
class ToxForm;
class TPGPanel;

// A line of text that acts as a link: a click, or Space while it has the
// focus. It draws its text itself; a QLabel that takes the focus lays its text
// out as a document, which costs more than the rest of the box.
class TURLLabel : public QWidget {
    Q_OBJECT
public:
    explicit TURLLabel(const QString &text, QWidget *parent = nullptr);
    QString text() const { return FText; }
    void setText(const QString &text);
    QSize sizeHint() const override;

signals:
    void OnClick();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    QString FText;
    bool FPressed = false;
};

// The maker's web page, as the about box shows it.
extern const char *const MakerURL;

class TfmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfmAbout(QWidget *parent = nullptr);

    void laURLClick();

    // Opens an address in the desktop's browser; false when that failed.
    // Tests put their own here so that no browser starts.
    std::function<bool(const QUrl &)> OpenURL;

    ToxForm *oxForm1;
    TPGPanel *Panel1;
    TPGPanel *Panel2;
    QLabel *imLogo;
    QLabel *laVersion;
    QWidget *Bevel1;
    QLabel *laNotice;
    TURLLabel *laURL;
    ToxButton *btOk;

private:
    void FormCreate();
};
