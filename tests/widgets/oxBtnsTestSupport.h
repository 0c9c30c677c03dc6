#pragma once
// Shared pieces of the button tests: a palette whose button colours are all
// different, a parent that paints a tiled pattern, and pixel helpers.
#include "widgets/oxBtns.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QWidget>
#include <gtest/gtest.h>

namespace oxtest {

constexpr QRgb kFace = 0xC0C0C0, kShadow = 0x808080, kHigh = 0xFFFFFF, kBlack = 0x000000,
               kLight = 0xDFDFDF;
constexpr QRgb kWindow = 0xE8E4DC;
constexpr QRgb kTileA = 0x30A030, kTileB = 0xE0D040;
constexpr QRgb kNavy = 0x000080;

inline QRgb Px(const QImage &img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

inline QImage Grab(QWidget &w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Bounding box of the pixels of one exact colour inside an area.
inline QRect BoxOf(const QImage &img, QRgb colour, QRect area = QRect())
{
    if (area.isNull())
        area = img.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Px(img, x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline int CountOf(const QImage &img, QRgb colour, QRect area = QRect())
{
    if (area.isNull())
        area = img.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += Px(img, x, y) == colour;
    return n;
}

// A caption font without anti-aliasing, so that every caption pixel has the
// exact colour of its layer.
inline QFont CrispFont(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// Button colours that are all different from each other.
class PaletteFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        FSaved = QApplication::palette();
        QPalette pal = FSaved;
        pal.setColor(QPalette::Button, QColor::fromRgb(kFace));
        pal.setColor(QPalette::Window, QColor::fromRgb(kWindow)); // not the button colour
        pal.setColor(QPalette::Dark, QColor::fromRgb(kShadow));
        pal.setColor(QPalette::Light, QColor::fromRgb(kHigh));
        pal.setColor(QPalette::Shadow, QColor::fromRgb(kBlack));
        pal.setColor(QPalette::Midlight, QColor::fromRgb(kLight));
        pal.setColor(QPalette::ButtonText, QColor::fromRgb(kBlack));
        QApplication::setPalette(pal);
    }
    void TearDown() override { QApplication::setPalette(FSaved); }

private:
    QPalette FSaved;
};

// The main window's picture box in small: a tiled two-colour pattern.
class TTiledParent : public QWidget {
public:
    explicit TTiledParent(QWidget *parent = nullptr) : QWidget(parent)
    {
        FTile = QPixmap(16, 16);
        FTile.fill(QColor::fromRgb(kTileA));
        QPainter p(&FTile);
        p.fillRect(0, 0, 8, 8, QColor::fromRgb(kTileB));
        p.fillRect(8, 8, 8, 8, QColor::fromRgb(kTileB));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    int Paints = 0;
    int Presses = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++Paints;
        QPainter p(this);
        p.drawTiledPixmap(rect(), FTile);
    }
    void mousePressEvent(QMouseEvent *) override { ++Presses; }

private:
    QPixmap FTile;
};

// One main-window button: bsWin97, fsShadow, clear, crisp navy caption.
inline ToxButton *MainButton(QWidget *parent, const QString &caption, QRect geometry)
{
    auto *b = new ToxButton(parent);
    b->setGeometry(geometry);
    b->SetStyle(bsWin97);
    b->SetFont3D(fsShadow);
    b->SetFocusStyle(fsBoldFont);
    b->Background()->SetStyle(oxbClear);
    b->Background()->SetDitherDown(false);
    b->SetTextX(0);
    b->SetTextY(0);
    b->setFont(CrispFont(32));
    b->SetFontColor(clNavy);
    b->SetCaption(caption);
    return b;
}

} // namespace oxtest
