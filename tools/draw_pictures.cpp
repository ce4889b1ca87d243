// Draws Pindrel's gallows stage pictures, the empty beach picture and the editor's
// browsing arrows. The icon (data/icons/pindrel.svg) is a drawing of the same scene.
//
// Usage: draw_pictures STAGE_DIR RESOURCE_DIR
//
// Only QImage and QPainter are used, so no windowing platform is needed and the
// tool runs on build machines without a display. Nothing is random, so every run
// produces the same pictures.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>

#include <array>
#include <cstdio>

namespace {

constexpr int kWidth = 172;
constexpr int kHeight = 209;
// Drawn at the largest zoom step and shown fitted to their boxes, so that no step blows up
// pixels drawn for a smaller one.
constexpr int kScale = 3;
constexpr qreal kHorizon = 112;
constexpr qreal kShore = 150;

const QColor kWood(92, 52, 22);
const QColor kRope(170, 120, 60);
const QColor kFigure(35, 32, 45);

QPen woodPen()
{
    return QPen(kWood, 8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}
QPen figurePen()
{
    return QPen(kFigure, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The scene is laid out in a 209 pixel high space, in the width given.
void drawSun(QPainter &p, qreal width)
{
    const QPointF centre(width - 26, 26);
    p.setPen(QPen(QColor(255, 200, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 30.0);
        p.drawLine(QPointF(17, 0), QPointF(22, 0));
        p.restore();
    }
    QRadialGradient glow(centre, 14);
    glow.setColorAt(0, QColor(255, 245, 150));
    glow.setColorAt(1, QColor(255, 210, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 13, 13);
}

void drawSea(QPainter &p, qreal width)
{
    QLinearGradient sea(0, kHorizon, 0, kShore);
    sea.setColorAt(0, QColor(30, 110, 190));
    sea.setColorAt(1, QColor(70, 170, 210));
    p.fillRect(QRectF(0, kHorizon, width, kShore - kHorizon + 10), sea);
    // A few short white arcs read as waves even at this size.
    p.setPen(QPen(QColor(235, 248, 255), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const std::array<QPointF, 5> waves {{{14, 122}, {60, 118}, {130, 124}, {36, 136}, {150, 138}}};
    for (const QPointF &w : waves)
        p.drawArc(QRectF(w.x(), w.y(), 14, 8), 20 * 16, 140 * 16);
}

void drawSand(QPainter &p, qreal width)
{
    QPainterPath shore(QPointF(0, kShore));
    shore.cubicTo(width * 0.3, kShore - 6, width * 0.6, kShore + 6, width, kShore - 3);
    shore.lineTo(width, kHeight);
    shore.lineTo(0, kHeight);
    shore.closeSubpath();
    p.setPen(QPen(QColor(250, 250, 245), 2.5)); // foam along the water line
    p.setBrush(QColor(240, 214, 150));
    p.drawPath(shore);
}

void drawPalm(QPainter &p, qreal width)
{
    const QPointF top(width - 20, 146);
    QPainterPath trunk(QPointF(width - 8, 200));
    trunk.quadTo(width - 8, 170, top.x(), top.y());
    p.setPen(QPen(QColor(130, 90, 45), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trunk);
    p.setPen(QPen(QColor(40, 140, 60), 3.5, Qt::SolidLine, Qt::RoundCap));
    const std::array<QPointF, 5> tips {{{-17, 4}, {-11, -9}, {2, -12}, {14, -6}, {17, 6}}};
    for (const QPointF &t : tips) {
        QPainterPath frond(top);
        frond.quadTo(top + QPointF(t.x() * 0.5, t.y() - 6), top + t);
        p.drawPath(frond);
    }
}

void drawScene(QPainter &p, qreal width)
{
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0, QColor(110, 180, 240));
    sky.setColorAt(1, QColor(205, 232, 252));
    p.fillRect(QRectF(0, 0, width, kHorizon), sky);
    drawSun(p, width);
    drawSea(p, width);
    drawSand(p, width);
    drawPalm(p, width);
}

// Gallows parts, in the order a wrong guess adds them.
void drawBase(QPainter &p)
{
    p.setPen(woodPen());
    p.drawLine(QPointF(18, 190), QPointF(82, 190));
}
void drawPost(QPainter &p)
{
    p.setPen(woodPen());
    p.drawLine(QPointF(36, 186), QPointF(36, 26));
}
void drawBeam(QPainter &p)
{
    p.setPen(woodPen());
    p.drawLine(QPointF(36, 26), QPointF(114, 26));
}
void drawBrace(QPainter &p)
{
    p.setPen(woodPen());
    p.drawLine(QPointF(40, 60), QPointF(70, 30));
}
void drawRope(QPainter &p)
{
    p.setPen(QPen(kRope, 3.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(106, 30), QPointF(106, 52));
}
void drawHead(QPainter &p)
{
    p.setPen(figurePen());
    p.setBrush(QColor(255, 236, 205));
    p.drawEllipse(QPointF(106, 63), 11, 11);
}
void drawBody(QPainter &p)
{
    p.setPen(figurePen());
    p.drawLine(QPointF(106, 74), QPointF(106, 118));
}
void drawArms(QPainter &p)
{
    p.setPen(figurePen());
    p.drawLine(QPointF(106, 84), QPointF(89, 104));
    p.drawLine(QPointF(106, 84), QPointF(123, 104));
}
void drawLegs(QPainter &p)
{
    p.setPen(figurePen());
    p.drawLine(QPointF(106, 118), QPointF(93, 146));
    p.drawLine(QPointF(106, 118), QPointF(119, 146));
}

using PartFn = void (*)(QPainter &);
constexpr std::array<PartFn, 9> kParts {drawBase, drawPost, drawBeam, drawBrace, drawRope,
                                        drawHead, drawBody, drawArms, drawLegs};

QImage stageImage(int stage)
{
    QImage img(kWidth * kScale, kHeight * kScale, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    drawScene(p, kWidth);
    for (int i = 0; i < stage; ++i)
        kParts[i](p);
    return img;
}

// Points to the right; the left arrow is its mirror image.
QImage arrowImage()
{
    QImage img(29 * kScale, 38 * kScale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    const QPolygonF shape {{3, 13}, {14, 13}, {14, 3}, {27, 19}, {14, 35}, {14, 25}, {3, 25}};
    p.setPen(QPen(QColor(120, 170, 255), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0, 70, 200));
    p.drawPolygon(shape);
    return img;
}

bool save(const QImage &img, const QString &path, int quality = -1)
{
    if (img.save(path, nullptr, quality))
        return true;
    std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_pictures STAGE_DIR RESOURCE_DIR\n");
        return 2;
    }
    const QDir stages(QString::fromLocal8Bit(argv[1]));
    const QDir resources(QString::fromLocal8Bit(argv[2]));
    for (const QDir &dir : {stages, resources}) {
        if (!QDir().mkpath(dir.path())) {
            std::fprintf(stderr, "draw_pictures: cannot create %s\n", qPrintable(dir.path()));
            return 1;
        }
    }
    constexpr int jpegQuality = 90;
    bool ok = true;
    for (int k = 0; k <= 9; ++k)
        ok = save(stageImage(k),
                  stages.filePath(QStringLiteral("%1.jpg").arg(k, 2, 10, QLatin1Char('0'))), jpegQuality)
            && ok;
    const QImage right = arrowImage();
    ok = save(stageImage(0), resources.filePath(QStringLiteral("beach.jpg")), jpegQuality) && ok;
    ok = save(right.mirrored(true, false), resources.filePath(QStringLiteral("arrow_left.png"))) && ok;
    ok = save(right, resources.filePath(QStringLiteral("arrow_right.png"))) && ok;
    return ok ? 0 : 1;
}
