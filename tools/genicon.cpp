// genicon: draws the program's icon for the desktop's menus.
//
// The icon files in desktop/icons/ are generated, not hand-made, so that they can
// be rebuilt and reviewed. To rebuild them:
//
//     cmake --build <build dir> --target genicon
//     <build dir>/tools/genicon desktop/icons
//
// It writes pellan-wordlark.svg (the scalable icon) and pellan-wordlark-48.png and
// pellan-wordlark-256.png. All three come from one list of shapes, so they always
// show the same picture: a lark sitting on an open book, on a pale yellow card
// with the run screen's red and the main window's navy. Only paths and flat
// colours are used, no text, so no font can change the picture; the output is the
// same on every run.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double kSize = 256;  // the drawing's own coordinate space

struct TShape {
    QPainterPath Path;
    QColor Fill;                 // invalid: not filled
    QColor Stroke;               // invalid: no outline
    double StrokeWidth = 0;
};

const QColor Navy(0x1f, 0x2a, 0x5c);
const QColor Red(0xd9, 0x2b, 0x2b);
const QColor Card(0xff, 0xf1, 0xb0);
const QColor Page(0xff, 0xff, 0xff);
const QColor Lark(0xb8, 0x7a, 0x3d);
const QColor Breast(0xf2, 0xd7, 0xa6);
const QColor Wing(0x8a, 0x55, 0x25);
const QColor Beak(0xf0, 0x9a, 0x1a);

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF &pt : points) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    p.closeSubpath();
    return p;
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

std::vector<TShape> IconShapes()
{
    std::vector<TShape> s;
    QPainterPath card;
    card.addRoundedRect(QRectF(12, 12, 232, 232), 48, 48);
    s.push_back({card, Card, Navy, 10});

    // The open book: two pages meeting at the spine, each with lines of "words".
    s.push_back({Polygon({{128, 150}, {40, 132}, {40, 214}, {128, 226}}), Page, Navy, 8});
    s.push_back({Polygon({{128, 150}, {216, 132}, {216, 214}, {128, 226}}), Page, Navy, 8});
    for (int i = 0; i < 3; ++i) {
        const double y = 160 + i * 18;
        s.push_back({Polygon({{56, y - 8}, {112, y + 3}, {112, y + 11}, {56, y}}), Red, {}, 0});
        s.push_back({Polygon({{144, y + 3}, {200, y - 8}, {200, y}, {144, y + 11}}), Red, {}, 0});
    }

    // The lark on top of the book: tail, body, breast, wing, head, crest, beak, eye.
    s.push_back({Polygon({{66, 116}, {30, 92}, {40, 128}}), Wing, Navy, 5});
    s.push_back({Ellipse(116, 112, 56, 36), Lark, Navy, 6});
    s.push_back({Ellipse(136, 124, 30, 20), Breast, {}, 0});
    QPainterPath wing;
    wing.moveTo(78, 104);
    wing.cubicTo(96, 80, 136, 86, 140, 108);
    wing.cubicTo(120, 122, 94, 124, 78, 104);
    wing.closeSubpath();
    s.push_back({wing, Wing, Navy, 5});
    s.push_back({Polygon({{150, 58}, {160, 36}, {168, 60}}), Wing, Navy, 5});
    s.push_back({Ellipse(166, 78, 28, 26), Lark, Navy, 6});
    s.push_back({Polygon({{190, 72}, {222, 82}, {190, 90}}), Beak, Navy, 5});
    s.push_back({Ellipse(172, 72, 6, 6), Navy, {}, 0});
    return s;
}

QString Number(double v)
{
    QString t = QString::number(v, 'f', 2);
    while (t.endsWith('0'))
        t.chop(1);
    if (t.endsWith('.'))
        t.chop(1);
    return t == "-0" ? QStringLiteral("0") : t;
}

QString Colour(const QColor &c) { return c.name(QColor::HexRgb); }

// A QPainterPath as the "d" attribute of an SVG path: moves, lines and cubic curves.
QString SvgPathData(const QPainterPath &path)
{
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            parts << QStringLiteral("M%1 %2").arg(Number(e.x), Number(e.y));
            break;
        case QPainterPath::LineToElement:
            parts << QStringLiteral("L%1 %2").arg(Number(e.x), Number(e.y));
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            parts << QStringLiteral("C%1 %2 %3 %4 %5 %6")
                         .arg(Number(e.x), Number(e.y), Number(c2.x), Number(c2.y), Number(end.x), Number(end.y));
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return parts.join(' ') + 'Z';
}

std::string Svg(const std::vector<TShape> &shapes)
{
    QString out = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!-- Pellan Wordlark icon, written by tools/genicon.cpp; rebuild rather than edit. -->\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n");
    for (const TShape &s : shapes) {
        out += QStringLiteral("  <path d=\"%1\" fill=\"%2\"").arg(SvgPathData(s.Path),
                                                                  s.Fill.isValid() ? Colour(s.Fill) : "none");
        if (s.Stroke.isValid())
            out += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\"")
                       .arg(Colour(s.Stroke), Number(s.StrokeWidth));
        out += QStringLiteral("/>\n");
    }
    out += QStringLiteral("</svg>\n");
    return out.toStdString();
}

QImage Render(const std::vector<TShape> &shapes, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kSize, size / kSize);
    for (const TShape &s : shapes) {
        p.setBrush(s.Fill.isValid() ? QBrush(s.Fill) : QBrush(Qt::NoBrush));
        if (s.Stroke.isValid()) {
            QPen pen(s.Stroke, s.StrokeWidth);
            pen.setJoinStyle(Qt::RoundJoin);
            p.setPen(pen);
        } else {
            p.setPen(Qt::NoPen);
        }
        p.drawPath(s.Path);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: genicon OUTPUT_DIR\n");
        return 2;
    }
    // Drawing into images needs no window system; offscreen keeps it that way.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::filesystem::path dir(argv[1]);
    std::filesystem::create_directories(dir);
    const std::vector<TShape> shapes = IconShapes();

    std::ofstream svg(dir / "pellan-wordlark.svg", std::ios::binary);
    svg << Svg(shapes);
    if (!svg.flush()) {
        std::fprintf(stderr, "genicon: cannot write %s\n", (dir / "pellan-wordlark.svg").c_str());
        return 1;
    }
    for (int size : {48, 256}) {
        const std::filesystem::path png = dir / ("pellan-wordlark-" + std::to_string(size) + ".png");
        if (!Render(shapes, size).save(QString::fromStdString(png.string()), "PNG")) {
            std::fprintf(stderr, "genicon: cannot write %s\n", png.c_str());
            return 1;
        }
    }
    return 0;
}
