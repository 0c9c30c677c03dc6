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

// A label that acts as a link: a click, or Space while it has the focus.
class TURLLabel : public QLabel {
    Q_OBJECT
public:
    explicit TURLLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void OnClick();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
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
