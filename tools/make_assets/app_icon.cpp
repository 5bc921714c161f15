#include "make_assets/app_icon.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

namespace make_assets {
namespace {

const QString kIconName = QStringLiteral("io.github.quillan.Quillan");
constexpr double kCanvas = 512;
constexpr int kPngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// One filled and outlined shape of the icon, in canvas units.
struct Shape {
    QPainterPath path;
    QColor fill;
    QColor stroke;
    double strokeWidth = 0;
};

QPainterPath heart(QPointF centre, double size) {
    const double s = size / 2;
    QPainterPath p;
    p.moveTo(centre.x(), centre.y() + s);
    p.cubicTo(centre.x() - s * 1.3, centre.y() + s * 0.05, centre.x() - s * 0.9,
              centre.y() - s * 1.05, centre.x(), centre.y() - s * 0.45);
    p.cubicTo(centre.x() + s * 0.9, centre.y() - s * 1.05, centre.x() + s * 1.3,
              centre.y() + s * 0.05, centre.x(), centre.y() + s);
    p.closeSubpath();
    return p;
}

QPainterPath spade(QPointF centre, double size) {
    const double s = size / 2;
    QPainterPath p = QTransform()
                         .translate(centre.x(), centre.y() - s * 0.15)
                         .scale(1, -1)
                         .translate(-centre.x(), -centre.y())
                         .map(heart(centre, size * 0.9));
    QPainterPath stem;
    stem.moveTo(centre.x() - s * 0.12, centre.y() + s * 0.2);
    stem.lineTo(centre.x() - s * 0.45, centre.y() + s * 0.95);
    stem.lineTo(centre.x() + s * 0.45, centre.y() + s * 0.95);
    stem.lineTo(centre.x() + s * 0.12, centre.y() + s * 0.2);
    stem.closeSubpath();
    return p.united(stem);
}

// The three cards turn about a point below their middle, like a hand held in a fan.
QTransform fanned(double degrees) {
    return QTransform().translate(256, 424).rotate(degrees);
}

std::vector<Shape> iconShapes() {
    const QColor ink(0x1b, 0x1b, 0x1b);
    const QColor red(0xd0, 0x1f, 0x2a);
    const QColor paper(0xfb, 0xfa, 0xf5);
    std::vector<Shape> shapes;

    QPainterPath cloth;
    cloth.addEllipse(QPointF(256, 256), 240, 240);
    shapes.push_back({cloth, QColor(0x14, 0x7a, 0x45), QColor(0x0a, 0x45, 0x26), 12});

    const QRectF card(-102, -322, 204, 290); // about the 71 x 96 of a playing card
    QPainterPath outline;
    outline.addRoundedRect(card, 20, 20);

    // Left: a blue back with a pale frame.
    const QTransform left = fanned(-30);
    shapes.push_back({left.map(outline), QColor(0x1d, 0x4f, 0xa8), ink, 8});
    QPainterPath frame;
    frame.addRoundedRect(card.adjusted(22, 22, -22, -22), 10, 10);
    shapes.push_back({left.map(frame), QColor(0x2f, 0x6f, 0xd6), QColor(0xe8, 0xee, 0xfa), 8});

    // Middle: the ace of spades, its pip where the front card leaves it in view.
    const QTransform middle = fanned(-4);
    shapes.push_back({middle.map(outline), paper, ink, 8});
    shapes.push_back({middle.map(spade(QPointF(-36, -228), 104)), ink, ink, 2});

    // Front: the ace of hearts.
    const QTransform front = fanned(22);
    shapes.push_back({front.map(outline), paper, ink, 8});
    shapes.push_back({front.map(heart(QPointF(0, -180), 144)), red, red, 2});
    return shapes;
}

// The largest size drawn from the small design.
constexpr int kLargestSmallIcon = 24;

// Icons of kLargestSmallIcon pixels and less: fewer, bolder shapes laid on the pixel grid of
// that size (in pixels, drawn unscaled): a blue back behind a white card with a large red
// heart, each with a dark edge one pixel wide.
std::vector<Shape> smallIconShapes(int size) {
    const QColor ink(0x1b, 0x1b, 0x1b);
    const auto px = [size](double sixteenths) { return std::round(sixteenths * size / 16.0); };
    // An edge on the pixel grid: the outline's pixels are the rectangle's outermost ones.
    const auto card = [](double left, double top, double right, double bottom) {
        QPainterPath path;
        path.addRoundedRect(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1), 1.5,
                            1.5);
        return path;
    };
    std::vector<Shape> shapes;
    const QRectF back(QPointF(0, 0), QPointF(px(10), px(13)));
    shapes.push_back({card(back.left(), back.top(), back.right(), back.bottom()),
                      QColor(0x1d, 0x4f, 0xa8), ink, 1});
    QPainterPath inlay;
    inlay.addRect(QRectF(back.left() + 2.5, back.top() + 2.5, back.width() - 5, back.height() - 5));
    shapes.push_back({inlay, QColor(0x2f, 0x6f, 0xd6), QColor(0xb8, 0xcc, 0xf0), 1});
    const QRectF front(QPointF(px(5), px(3)), QPointF(size, size));
    shapes.push_back({card(front.left(), front.top(), front.right(), front.bottom()),
                      QColor(0xfb, 0xfa, 0xf5), ink, 1});
    const QPointF centre = front.center() + QPointF(0, size >= 22 ? 0.5 : 0.0);
    shapes.push_back({heart(centre, front.width() * 0.7), QColor(0xd0, 0x1f, 0x2a), QColor(), 0});
    return shapes;
}

// Small icons keep every outline at least one pixel wide.
QImage renderPng(const std::vector<Shape>& shapes, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = size / kCanvas;
    painter.scale(scale, scale);
    for (const Shape& shape : shapes) {
        const double width = std::max(shape.strokeWidth, shape.strokeWidth > 4 ? 1.0 / scale : 0.0);
        painter.setPen(width > 0
                           ? QPen(shape.stroke, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                           : QPen(Qt::NoPen));
        painter.setBrush(shape.fill);
        painter.drawPath(shape.path);
    }
    return image;
}

QImage renderSmallPng(const std::vector<Shape>& shapes, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Shape& shape : shapes) {
        painter.setPen(shape.strokeWidth > 0 ? QPen(shape.stroke, shape.strokeWidth)
                                             : QPen(Qt::NoPen));
        painter.setBrush(shape.fill);
        painter.drawPath(shape.path);
    }
    return image;
}

QString svgPathData(const QPainterPath& path) {
    QString d;
    QTextStream out(&d);
    out.setRealNumberPrecision(2);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            out << (i > 0 ? "Z M" : "M") << e.x << ' ' << e.y << ' ';
        } else if (e.isLineTo()) {
            out << 'L' << e.x << ' ' << e.y << ' ';
        } else if (e.isCurveTo()) {
            const auto c2 = path.elementAt(i + 1);
            const auto end = path.elementAt(i + 2);
            out << 'C' << e.x << ' ' << e.y << ' ' << c2.x << ' ' << c2.y << ' ' << end.x << ' '
                << end.y << ' ';
            i += 2;
        }
    }
    out << 'Z';
    return d;
}

QString renderSvg(const std::vector<Shape>& shapes) {
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"512\" height=\"512\" "
           "viewBox=\"0 0 512 512\">\n";
    for (const Shape& shape : shapes) {
        out << "  <path d=\"" << svgPathData(shape.path) << "\" fill=\"" << shape.fill.name()
            << "\" stroke=\"" << shape.stroke.name() << "\" stroke-width=\"" << shape.strokeWidth
            << "\" stroke-linejoin=\"round\" fill-rule=\"nonzero\"/>\n";
    }
    out << "</svg>\n";
    return svg;
}

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(text.toUtf8()) >= 0;
}

} // namespace

bool writeIcons(const QString& folder) {
    const QDir root(folder);
    const std::vector<Shape> shapes = iconShapes();
    bool ok = root.mkpath(QStringLiteral("hicolor/scalable/apps")) &&
              writeText(root.filePath(QStringLiteral("hicolor/scalable/apps/") + kIconName +
                                      QStringLiteral(".svg")),
                        renderSvg(shapes));
    for (const int size : kPngSizes) {
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const bool small = size <= kLargestSmallIcon;
        ok =
            root.mkpath(dir) &&
            (small ? renderSmallPng(smallIconShapes(size), size) : renderPng(shapes, size))
                .save(root.filePath(dir + QLatin1Char('/') + kIconName + QStringLiteral(".png"))) &&
            ok;
    }
    if (!ok) {
        QTextStream(stderr) << "cannot write the icons under " << folder << '\n';
    }
    return ok;
}

} // namespace make_assets
