#pragma once
// The main window: a small borderless card with a background picture and the
// five buttons, moved by dragging its background.
#include <QWidget>
#include <functional>

class QFrame;
class QPushButton;

// Stand-in for the picture box: paints the background picture tiled from the
// top-left corner. Replaced by TPGImage when the picture box lands.
class TBackgroundStandIn : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // Throws Exception when the file cannot be loaded; the area is then empty.
    void SetFileName(const QString &fileName);
    const QString &FileName() const { return FFileName; }
    bool Empty() const { return FPixmap.isNull(); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString FFileName;
    QPixmap FPixmap;
};

class TfmMain : public QWidget {
    Q_OBJECT
public:
    explicit TfmMain(QWidget *parent = nullptr);
    ~TfmMain() override;

    // Set when start-up found the word list changed behind the program's back
    // and asked the application to end.
    bool Terminated() const { return FTerminated; }

    void ApplyLook();

    void btRunClick();
    void btConfigureClick();
    void btHelpClick();
    void btExitClick();
    void btAboutClick();

    // Opens the configuration dialog modally; true when it closed with OK.
    // Stand-in until the configuration dialog lands: the default opens nothing.
    std::function<bool()> ExecuteConfigDialog = [] { return false; };

    QFrame *PGPanel1;
    TBackgroundStandIn *pgBack;
    QPushButton *btAbout;
    QPushButton *btRun;
    QPushButton *btConfigure;
    QPushButton *btHelp;
    QPushButton *btExit;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    void pgBackPicBoxOnMouseDown(const QPoint &pos);
    void pgBackPicBoxOnMouseMove(const QPoint &pos);
    void pgBackPicBoxOnMouseUp();

    bool FTerminated = false;
    static bool FDragging;   // one drag for the whole program
    QPoint FDragPoint;       // where the button went down, in picture-box coordinates
};
