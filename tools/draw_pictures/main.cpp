// Draws the pictures the program ships (the two faces of the flight computer, the thank-you
// picture) and its icons, and writes them into the folder named on the command line.
//
//   aerlith-draw-pictures OUTPUT_FOLDER [--preview FOLDER]
//
// --preview also writes every JPEG, decoded again from the written file, as a PNG into FOLDER,
// so the pictures can be looked at with JPEG artefacts included.
// Exit status: 0 when every file was written, 1 when a file or folder could not be written,
// 2 for a wrong command line.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace aerlith {
namespace {

// The main window's picture box is 2710 x 2600 twips, scaled by 1.498112 across and 1.408
// down, at 15 twips a pixel: 270.7 x 244.1 px. The box stretches its picture, so drawing at
// that size keeps circles round.
constexpr int kFaceWidth = 271;
constexpr int kFaceHeight = 244;

// The thank-you picture is shown at its own size with its corner at 4500,800 twips in a window
// 7000 x 4250 twips, scaled by 1.7024 across and 1.28 down: corner at 511,68 px in a window
// 794 x 363 px. 200 x 200 px leaves a margin to the right edge and below it.
constexpr int kThankYouSize = 200;

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// Drawn this many times larger and averaged down: thin ticks and small numbers come out
// smoother than with antialiasing alone.
constexpr int kSupersample = 4;

constexpr int kJpegQuality = 85;

// The main window's background shows in the picture's cut-off corners.
const QColor kWindowBlue(6, 109, 152);

using DrawFunction = std::function<void(QPainter&)>;

QImage Supersampled(int width, int height, const DrawFunction& draw) {
    QImage big(width * kSupersample, height * kSupersample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter painter(&big);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        painter.scale(kSupersample, kSupersample);
        draw(painter);
    }
    return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

/// Point at `radius` from `centre`, `angleDeg` degrees clockwise from straight up.
QPointF Polar(QPointF centre, double radius, double angleDeg) {
    const double a = Radians(angleDeg);
    return {centre.x() + radius * std::sin(a), centre.y() - radius * std::cos(a)};
}

QRectF CircleRect(QPointF centre, double radius) {
    return {centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius};
}

/// Writes `text` centred on `at`, `pixelSize` high, turned `angleDeg` clockwise.
void DrawLabel(QPainter& painter, QPointF at, double angleDeg, const QString& text,
               double pixelSize, const QColor& colour, bool bold = false) {
    // The font is set up large and the painter shrunk: pixel sizes are whole numbers only.
    constexpr int kFontPixels = 40;
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(kFontPixels);
    font.setBold(bold);
    painter.save();
    painter.translate(at);
    painter.rotate(angleDeg);
    painter.scale(pixelSize / kFontPixels, pixelSize / kFontPixels);
    painter.setFont(font);
    painter.setPen(colour);
    const QRectF box(-200.0, -kFontPixels, 400.0, 2.0 * kFontPixels);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

void DrawRadialLine(QPainter& painter, QPointF centre, double fromRadius, double toRadius,
                    double angleDeg) {
    painter.drawLine(Polar(centre, fromRadius, angleDeg), Polar(centre, toRadius, angleDeg));
}

void DrawRivet(QPainter& painter, QPointF at, double radius) {
    QRadialGradient metal(at.x() - radius * 0.4, at.y() - radius * 0.4, radius * 1.4);
    metal.setColorAt(0.0, QColor(250, 250, 250));
    metal.setColorAt(0.6, QColor(170, 173, 178));
    metal.setColorAt(1.0, QColor(105, 108, 114));
    painter.setPen(QPen(QColor(80, 82, 88), 0.5));
    painter.setBrush(metal);
    painter.drawEllipse(CircleRect(at, radius));
}

/// The computer's aluminium body filling the picture, with rounded corners, rivets and the
/// stamped recess the disc sits in.
void DrawBody(QPainter& painter, double width, double height, QPointF centre, double recess) {
    painter.fillRect(QRectF(0, 0, width, height), kWindowBlue);

    QLinearGradient metal(0, 0, width, height);
    metal.setColorAt(0.0, QColor(214, 217, 221));
    metal.setColorAt(0.5, QColor(184, 188, 194));
    metal.setColorAt(1.0, QColor(150, 154, 161));
    QPainterPath plate;
    plate.addRoundedRect(QRectF(0.5, 0.5, width - 1.0, height - 1.0), 14, 14);
    painter.setPen(QPen(QColor(70, 74, 80), 1.0));
    painter.setBrush(metal);
    painter.drawPath(plate);

    // Brushed grain: faint horizontal streaks, from a fixed seed so every run draws the same.
    painter.save();
    painter.setClipPath(plate);
    std::minstd_rand grain(1947);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (double y = 1.0; y < height; y += 0.75) {
        const double x0 = unit(grain) * width;
        const double length = 20.0 + unit(grain) * 80.0;
        const int shade = unit(grain) < 0.5 ? 255 : 60;
        painter.setPen(QPen(QColor(shade, shade, shade, 18), 0.35));
        painter.drawLine(QPointF(x0, y), QPointF(x0 + length, y));
    }
    painter.restore();

    // The stamped edge: shadow on the upper left, light on the lower right.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(95, 99, 106), 1.2));
    painter.drawArc(CircleRect(centre, recess), 30 * 16, 180 * 16);
    painter.setPen(QPen(QColor(240, 242, 245), 1.2));
    painter.drawArc(CircleRect(centre, recess), 210 * 16, 180 * 16);

    const double inset = 11.0;
    for (QPointF at : {QPointF(inset, inset), QPointF(width - inset, inset),
                       QPointF(inset, height - inset), QPointF(width - inset, height - inset)}) {
        DrawRivet(painter, at, 3.6);
    }
}

/// Angle of a value on the logarithmic scale: one turn per decade, 10 straight up.
double LogScaleAngle(double value) { return std::log10(value / 10.0) * 360.0; }

struct ScaleMark {
    double value;
    int rank;  // 0 labelled, 1 middle, 2 small
};

/// Marks of one decade, 10 to 99, spaced so no two are closer than about 1.5 degrees.
std::vector<ScaleMark> LogScaleMarks() {
    std::vector<ScaleMark> marks;
    for (int tenths = 100; tenths < 1000; ++tenths) {
        int rank = -1;
        if (tenths < 200) {
            rank = tenths % 10 == 0 ? 0 : tenths % 5 == 0 ? 1 : tenths % 2 == 0 ? 2 : -1;
        } else if (tenths < 500) {
            rank = tenths % 50 == 0 ? 0 : tenths % 10 == 0 ? 1 : tenths % 5 == 0 ? 2 : -1;
        } else {
            rank = tenths % 100 == 0 ? 0 : tenths % 50 == 0 ? 1 : tenths % 10 == 0 ? 2 : -1;
        }
        if (rank >= 0) marks.push_back({tenths / 10.0, rank});
    }
    return marks;
}

/// One logarithmic scale along the circle of `edgeRadius`; `direction` +1 puts the ticks and
/// numbers outside the circle, -1 inside. `turnDeg` turns the whole scale clockwise.
void DrawLogScale(QPainter& painter, QPointF centre, double edgeRadius, double direction,
                  double turnDeg, const QColor& ink) {
    constexpr double kTickLength[] = {7.0, 5.0, 3.0};
    constexpr double kTickWidth[] = {0.8, 0.6, 0.45};
    for (const ScaleMark& mark : LogScaleMarks()) {
        const double angle = LogScaleAngle(mark.value) + turnDeg;
        const auto rank = static_cast<std::size_t>(mark.rank);
        painter.setPen(QPen(ink, kTickWidth[rank], Qt::SolidLine, Qt::FlatCap));
        DrawRadialLine(painter, centre, edgeRadius, edgeRadius + direction * kTickLength[rank],
                       angle);
        if (mark.rank == 0) {
            const auto number = static_cast<int>(mark.value);
            DrawLabel(painter, Polar(centre, edgeRadius + direction * 12.5, angle), angle,
                      QString::number(number), 7.5, ink, number == 10);
        }
    }
}

/// An arc-shaped window in the disc showing a small blue scale beneath it.
void DrawDiscWindow(QPainter& painter, QPointF centre, double middleDeg, double innerRadius,
                    double outerRadius) {
    constexpr double kHalfSpanDeg = 27.0;
    QPainterPath window;
    window.arcMoveTo(CircleRect(centre, outerRadius), 90.0 - (middleDeg - kHalfSpanDeg));
    window.arcTo(CircleRect(centre, outerRadius), 90.0 - (middleDeg - kHalfSpanDeg),
                 -2.0 * kHalfSpanDeg);
    window.arcTo(CircleRect(centre, innerRadius), 90.0 - (middleDeg + kHalfSpanDeg),
                 2.0 * kHalfSpanDeg);
    window.closeSubpath();
    painter.setPen(QPen(QColor(30, 30, 35), 0.8));
    painter.setBrush(QColor(28, 58, 120));
    painter.drawPath(window);

    painter.save();
    painter.setClipPath(window);
    painter.setPen(QPen(QColor(235, 240, 250), 0.45));
    const double tickBase = outerRadius - 0.5;
    for (int step = -13; step <= 13; ++step) {
        const double angle = middleDeg + step * 2.0;
        const double length = step % 5 == 0 ? 5.0 : 2.5;
        DrawRadialLine(painter, centre, tickBase, tickBase - length, angle);
    }
    for (int step = -10; step <= 10; step += 5) {
        const double angle = middleDeg + step * 2.0;
        const double along = middleDeg > 90.0 && middleDeg < 270.0 ? angle + 180.0 : angle;
        DrawLabel(painter, Polar(centre, innerRadius + 4.0, angle), along, QString::number(step),
                  4.8, QColor(235, 240, 250));
    }
    painter.restore();
}

/// The clear cursor arm with its red hairline, pivoting on the centre.
void DrawCursor(QPainter& painter, QPointF centre, double length, double angleDeg) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angleDeg);
    QPainterPath arm;
    arm.addRoundedRect(QRectF(-7.5, -length, 15.0, length + 9.0), 4.0, 4.0);
    QLinearGradient clear(-7.5, 0, 7.5, 0);
    clear.setColorAt(0.0, QColor(255, 255, 255, 90));
    clear.setColorAt(0.5, QColor(235, 245, 255, 35));
    clear.setColorAt(1.0, QColor(255, 255, 255, 70));
    painter.setPen(QPen(QColor(60, 70, 85, 140), 0.6));
    painter.setBrush(clear);
    painter.drawPath(arm);
    painter.setPen(QPen(QColor(205, 25, 25), 0.7, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(0, -9.0), QPointF(0, -length + 1.0));
    painter.restore();
}

void DrawGrommet(QPainter& painter, QPointF centre, double radius, const QColor& hole) {
    DrawRivet(painter, centre, radius);
    painter.setPen(QPen(QColor(60, 62, 68), 0.5));
    painter.setBrush(hole);
    painter.drawEllipse(CircleRect(centre, radius * 0.38));
}

/// A soft shadow under a raised disc, falling to the lower right.
void DrawDiscShadow(QPainter& painter, QPointF centre, double radius) {
    painter.setPen(Qt::NoPen);
    for (int step = 4; step >= 1; --step) {
        painter.setBrush(QColor(20, 22, 28, 22));
        painter.drawEllipse(CircleRect(centre + QPointF(0.5 * step, 0.7 * step), radius + 0.3));
    }
}

/// The calculator side: a fixed logarithmic scale on the body, a second one on the turning
/// disc, two windows, the speed index and the cursor.
void DrawCalculatorFace(QPainter& painter) {
    const QPointF centre(kFaceWidth / 2.0, kFaceHeight / 2.0);
    constexpr double kScaleOuter = 118.0;
    constexpr double kDisc = 95.0;
    // 60 on the disc (the hour mark) set against 12: 120 knots.
    const double discTurn = LogScaleAngle(12.0) - LogScaleAngle(60.0);

    DrawBody(painter, kFaceWidth, kFaceHeight, centre, kScaleOuter + 2.0);

    QRadialGradient satin(centre, kScaleOuter);
    satin.setColorAt(0.75, QColor(226, 228, 231));
    satin.setColorAt(1.0, QColor(208, 211, 215));
    painter.setPen(QPen(QColor(25, 25, 28), 1.0));
    painter.setBrush(satin);
    painter.drawEllipse(CircleRect(centre, kScaleOuter));
    DrawLogScale(painter, centre, kDisc, +1.0, 0.0, QColor(15, 15, 18));

    // The red markers for changing nautical into statute miles and back.
    const QColor markerRed(200, 30, 30);
    for (const auto& [value, name] : {std::pair{66.0, "NAUT"}, std::pair{76.0, "STAT"}}) {
        const double angle = LogScaleAngle(value);
        QPolygonF marker;
        marker << Polar(centre, kDisc + 7.5, angle) << Polar(centre, kDisc + 12.0, angle - 1.6)
               << Polar(centre, kDisc + 12.0, angle + 1.6);
        painter.setPen(Qt::NoPen);
        painter.setBrush(markerRed);
        painter.drawPolygon(marker);
        DrawLabel(painter, Polar(centre, kDisc + 16.0, angle), angle, QString::fromLatin1(name),
                  4.6, markerRed, true);
    }

    DrawDiscShadow(painter, centre, kDisc);
    QRadialGradient disc(centre.x() - 30.0, centre.y() - 40.0, kDisc * 1.6);
    disc.setColorAt(0.0, QColor(250, 250, 248));
    disc.setColorAt(1.0, QColor(212, 215, 219));
    painter.setPen(QPen(QColor(40, 42, 48), 0.8));
    painter.setBrush(disc);
    painter.drawEllipse(CircleRect(centre, kDisc));
    const QColor discInk(20, 40, 115);
    DrawLogScale(painter, centre, kDisc, -1.0, discTurn, discInk);

    painter.setPen(QPen(discInk, 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(CircleRect(centre, kDisc - 21.0));

    // The speed index: an orange triangle pointing at 60 on the disc.
    const double indexAngle = LogScaleAngle(60.0) + discTurn;
    QPolygonF triangle;
    triangle << Polar(centre, kDisc - 1.0, indexAngle)
             << Polar(centre, kDisc - 8.0, indexAngle - 3.0)
             << Polar(centre, kDisc - 8.0, indexAngle + 3.0);
    painter.setPen(QPen(QColor(60, 30, 0), 0.5));
    painter.setBrush(QColor(240, 125, 20));
    painter.drawPolygon(triangle);

    DrawDiscWindow(painter, centre, discTurn + 20.0, 47.0, 61.0);
    DrawDiscWindow(painter, centre, discTurn + 200.0, 47.0, 61.0);

    DrawCursor(painter, centre, kScaleOuter - 1.0, 42.0);
    DrawGrommet(painter, centre, 7.0, QColor(120, 124, 130));
}

/// The plotting card seen through the clear disc: speed arcs around a point far below the
/// grommet, drift lines fanning out of that point.
void DrawWindCard(QPainter& painter, QPointF grommet, double windowRadius) {
    constexpr double kPixelsPerKnot = 2.0;
    constexpr int kGrommetKnots = 120;
    const QPointF origin = grommet + QPointF(0.0, kGrommetKnots * kPixelsPerKnot);
    const QColor line(128, 138, 156);
    const QColor ink(20, 22, 30);

    painter.fillRect(CircleRect(grommet, windowRadius), QColor(246, 246, 240));

    for (int degrees = -20; degrees <= 20; ++degrees) {
        const bool major = degrees % 5 == 0;
        painter.setPen(QPen(major ? ink : line, degrees == 0 ? 0.9 : major ? 0.6 : 0.35));
        DrawRadialLine(painter, origin, 60.0 * kPixelsPerKnot, 180.0 * kPixelsPerKnot, degrees);
    }
    painter.setBrush(Qt::NoBrush);
    for (int knots = 60; knots <= 180; knots += 2) {
        const bool major = knots % 10 == 0;
        painter.setPen(QPen(major ? ink : line, major ? 0.6 : 0.3));
        painter.drawEllipse(CircleRect(origin, knots * kPixelsPerKnot));
    }
    // Speeds on the centre line, drift angles near the top, each on a patch of bare card.
    for (int knots = 80; knots <= 160; knots += 10) {
        if (knots == kGrommetKnots) continue;
        const QPointF at = origin - QPointF(0.0, knots * kPixelsPerKnot);
        painter.fillRect(QRectF(at.x() - 6.0, at.y() - 3.2, 12.0, 6.4), QColor(246, 246, 240));
        DrawLabel(painter, at, 0.0, QString::number(knots), 6.0, ink, true);
    }
    for (int degrees = -15; degrees <= 15; degrees += 5) {
        if (degrees == 0) continue;
        const QPointF at = Polar(origin, 154.0 * kPixelsPerKnot, degrees);
        painter.fillRect(QRectF(at.x() - 3.8, at.y() - 3.0, 7.6, 6.0), QColor(246, 246, 240));
        DrawLabel(painter, at, degrees, QString::number(std::abs(degrees)), 6.0, ink, true);
    }
}

/// The wind side: the plotting card under a frosted disc whose rim carries the compass
/// degrees, turned so 250 stands under the true index, with a wind dot pencilled on.
void DrawWindFace(QPainter& painter) {
    const QPointF centre(kFaceWidth / 2.0, kFaceHeight / 2.0);
    constexpr double kRing = 112.0;
    constexpr double kClear = 91.0;
    constexpr double kUnderIndexDeg = 250.0;

    DrawBody(painter, kFaceWidth, kFaceHeight, centre, kRing + 7.0);

    // The variation scale and true index on the body above the disc.
    painter.setPen(QPen(QColor(20, 20, 24), 0.5));
    for (int degrees = -20; degrees <= 20; degrees += 2) {
        DrawRadialLine(painter, centre, kRing + 1.0, kRing + (degrees % 10 == 0 ? 5.5 : 3.5),
                       degrees);
    }
    DrawLabel(painter, Polar(centre, kRing + 4.0, -27.0), -27.0, QStringLiteral("W"), 5.5,
              QColor(20, 20, 24), true);
    DrawLabel(painter, Polar(centre, kRing + 4.0, 27.0), 27.0, QStringLiteral("E"), 5.5,
              QColor(20, 20, 24), true);

    DrawDiscShadow(painter, centre, kRing);
    painter.save();
    QPainterPath clearArea;
    clearArea.addEllipse(CircleRect(centre, kClear));
    painter.setClipPath(clearArea);
    DrawWindCard(painter, centre, kClear);
    painter.restore();

    // The rim of the disc: frosted, with the degrees printed on it.
    QPainterPath rim;
    rim.addEllipse(CircleRect(centre, kRing));
    rim.addEllipse(CircleRect(centre, kClear));
    QRadialGradient frost(centre, kRing);
    frost.setColorAt(0.8, QColor(236, 240, 244, 235));
    frost.setColorAt(1.0, QColor(214, 220, 228, 235));
    painter.setPen(QPen(QColor(40, 44, 52), 0.8));
    painter.setBrush(frost);
    painter.drawPath(rim);

    const QColor ink(18, 18, 22);
    const QColor cardinal(190, 25, 25);
    for (int azimuth = 0; azimuth < 360; azimuth += 2) {
        const double angle = azimuth - kUnderIndexDeg;
        const bool ten = azimuth % 10 == 0;
        painter.setPen(QPen(ink, ten ? 0.7 : 0.4, Qt::SolidLine, Qt::FlatCap));
        DrawRadialLine(painter, centre, kRing, kRing - (ten ? 6.0 : 3.5), angle);
        if (azimuth % 5 == 0 && !ten) DrawRadialLine(painter, centre, kRing, kRing - 4.5, angle);
        if (!ten) continue;
        const QPointF at = Polar(centre, kRing - 12.0, angle);
        if (azimuth % 90 == 0) {
            static const char* const kLetters[] = {"N", "E", "S", "W"};
            DrawLabel(painter, at, angle, QString::fromLatin1(kLetters[azimuth / 90]), 8.0,
                      cardinal, true);
        } else {
            DrawLabel(painter, at, angle, QString::number(azimuth), 6.5, ink, azimuth % 30 == 0);
        }
    }

    // The frosted writing surface over the card, lit from the upper left.
    QLinearGradient glare(centre.x() - kClear, centre.y() - kClear, centre.x() + kClear,
                          centre.y() + kClear);
    glare.setColorAt(0.0, QColor(255, 255, 255, 55));
    glare.setColorAt(0.45, QColor(235, 242, 250, 25));
    glare.setColorAt(1.0, QColor(200, 215, 235, 25));
    painter.setPen(QPen(QColor(90, 96, 108), 0.6));
    painter.setBrush(glare);
    painter.drawEllipse(CircleRect(centre, kClear));

    const QPointF truePoint = Polar(centre, kRing + 0.5, 0.0);
    QPolygonF trueIndex;
    trueIndex << truePoint << truePoint + QPointF(-3.6, -6.5) << truePoint + QPointF(3.6, -6.5);
    painter.setPen(QPen(QColor(20, 20, 24), 0.5));
    painter.setBrush(QColor(200, 30, 30));
    painter.drawPolygon(trueIndex);

    // The wind: 25 knots pencilled from the grommet, the disc since turned by 30 degrees.
    const QPointF windDot = Polar(centre, 25.0 * 2.0, 30.0);
    const QColor graphite(62, 62, 70);
    painter.setPen(QPen(QColor(62, 62, 70, 130), 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(Polar(centre, 7.5, 30.0), windDot);
    painter.setPen(QPen(QColor(62, 62, 70, 170), 0.7));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(CircleRect(windDot, 4.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(graphite);
    painter.drawEllipse(CircleRect(windDot, 1.9));

    DrawGrommet(painter, centre, 6.5, QColor(246, 246, 240));
}

/// A small high-wing aeroplane in side view, nose to the right, 100 units long; the caller
/// places and scales it.
void DrawAeroplane(QPainter& painter) {
    const QColor body(24, 26, 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);

    QPainterPath fuselage;
    fuselage.moveTo(96, 2);
    fuselage.cubicTo(98, -4, 92, -9, 84, -10);
    fuselage.lineTo(62, -13);
    fuselage.lineTo(44, -12);
    fuselage.lineTo(4, -5);
    fuselage.lineTo(2, 0);
    fuselage.lineTo(40, 4);
    fuselage.cubicTo(60, 9, 80, 9, 92, 6);
    fuselage.closeSubpath();
    painter.drawPath(fuselage);

    QPainterPath fin;
    fin.moveTo(2, -4);
    fin.lineTo(-2, -26);
    fin.lineTo(8, -26);
    fin.lineTo(22, -8);
    fin.closeSubpath();
    painter.drawPath(fin);
    painter.drawRoundedRect(QRectF(-4, -5, 24, 3.2), 1.5, 1.5);

    // The wing seen edge-on, its strut down to the fuselage.
    painter.drawRoundedRect(QRectF(44, -17, 34, 4.5), 2, 2);
    painter.setPen(QPen(body, 1.6));
    painter.drawLine(QPointF(58, -13), QPointF(64, 1));
    painter.drawLine(QPointF(82, 5), QPointF(84, 13));
    painter.drawLine(QPointF(58, 5), QPointF(56, 13));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(81, 11, 6, 6));
    painter.drawEllipse(QRectF(52, 11, 7, 7));

    // The spinning propeller as a faint disc seen edge-on.
    painter.setBrush(QColor(180, 190, 210, 80));
    painter.drawEllipse(QRectF(96, -13, 4, 26));

    // Cabin windows catching the sunset.
    painter.setBrush(QColor(240, 150, 90));
    QPolygonF windows;
    windows << QPointF(66, -11) << QPointF(80, -9) << QPointF(84, -4) << QPointF(64, -4);
    painter.drawPolygon(windows);
    painter.setBrush(body);
    painter.drawRect(QRectF(72, -11, 1.6, 8));

    painter.setBrush(QColor(255, 60, 50));
    painter.drawEllipse(QRectF(60, -16.5, 3.5, 3.5));
    painter.setBrush(QColor(255, 255, 240));
    painter.drawEllipse(QRectF(-1.5, -28.5, 3.5, 3.5));
}

/// A small aeroplane climbing out over a lit runway at dusk.
void DrawThankYouScene(QPainter& painter) {
    constexpr double kSize = kThankYouSize;
    constexpr double kHorizon = 128.0;
    const QPointF vanishing(100.0, kHorizon);

    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.0, QColor(14, 24, 64));
    sky.setColorAt(0.45, QColor(62, 52, 112));
    sky.setColorAt(0.75, QColor(168, 82, 104));
    sky.setColorAt(0.92, QColor(236, 136, 72));
    sky.setColorAt(1.0, QColor(252, 190, 100));
    painter.fillRect(QRectF(0, 0, kSize, kHorizon), sky);

    // Stars in the darkest part of the sky, the same ones every run.
    std::minstd_rand stars(1903);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    painter.setPen(Qt::NoPen);
    for (int star = 0; star < 26; ++star) {
        const double x = unit(stars) * kSize;
        const double y = unit(stars) * unit(stars) * 50.0;
        const auto alpha = static_cast<int>(110.0 + 140.0 * unit(stars) * (1.0 - y / 60.0));
        painter.setBrush(QColor(255, 250, 235, alpha));
        painter.drawEllipse(QRectF(x, y, 0.9, 0.9));
    }

    const QPointF sun(150.0, kHorizon - 9.0);
    QRadialGradient glow(sun, 60.0);
    glow.setColorAt(0.0, QColor(255, 236, 170, 230));
    glow.setColorAt(0.2, QColor(255, 190, 110, 120));
    glow.setColorAt(1.0, QColor(255, 150, 90, 0));
    painter.setBrush(glow);
    painter.drawRect(QRectF(0, 0, kSize, kHorizon));
    painter.setBrush(QColor(255, 238, 190));
    painter.drawEllipse(CircleRect(sun, 9.0));

    QPainterPath hills;
    hills.moveTo(0, kHorizon);
    hills.cubicTo(20, kHorizon - 12, 40, kHorizon - 4, 58, kHorizon - 9);
    hills.cubicTo(74, kHorizon - 14, 90, kHorizon - 2, 112, kHorizon - 5);
    hills.cubicTo(130, kHorizon - 8, 165, kHorizon - 5, kSize, kHorizon - 13);
    hills.lineTo(kSize, kHorizon + 1);
    hills.lineTo(0, kHorizon + 1);
    hills.closeSubpath();
    painter.setBrush(QColor(44, 38, 70));
    painter.drawPath(hills);

    QLinearGradient ground(0, kHorizon, 0, kSize);
    ground.setColorAt(0.0, QColor(40, 44, 56));
    ground.setColorAt(1.0, QColor(16, 26, 22));
    painter.fillRect(QRectF(0, kHorizon, kSize, kSize - kHorizon), ground);

    // The runway in perspective: its edges meet at the vanishing point on the horizon.
    const double nearHalfWidth = 62.0;
    const double farY = kHorizon + 3.0;
    const auto edgeX = [&](double y, double side) {
        const double t = (y - vanishing.y()) / (kSize - vanishing.y());
        return vanishing.x() + side * nearHalfWidth * t;
    };
    QPolygonF runway;
    runway << QPointF(edgeX(farY, -1), farY) << QPointF(edgeX(farY, 1), farY)
           << QPointF(edgeX(kSize, 1), kSize) << QPointF(edgeX(kSize, -1), kSize);
    QLinearGradient tarmac(0, farY, 0, kSize);
    tarmac.setColorAt(0.0, QColor(92, 84, 96));
    tarmac.setColorAt(1.0, QColor(48, 50, 58));
    painter.setBrush(tarmac);
    painter.drawPolygon(runway);

    // Centre-line dashes and edge lights at even spacing along the ground, so they crowd
    // together towards the horizon: the distance d ahead maps to y through 1/d.
    const auto groundY = [&](double distance) {
        return vanishing.y() + (kSize - vanishing.y()) * 10.0 / distance;
    };
    painter.setBrush(QColor(235, 232, 222));
    for (double d = 10.0; d < 400.0; d += 9.0) {
        const double y0 = groundY(d + 4.0);
        const double y1 = groundY(d);
        const double halfWidth = 1.3 * (y1 - vanishing.y()) / (kSize - vanishing.y());
        QPolygonF dash;
        dash << QPointF(vanishing.x() - halfWidth * 0.6, y0)
             << QPointF(vanishing.x() + halfWidth * 0.6, y0)
             << QPointF(vanishing.x() + halfWidth, y1) << QPointF(vanishing.x() - halfWidth, y1);
        painter.drawPolygon(dash);
    }
    for (double d = 10.5; d < 420.0; d += 6.0) {
        const double y = groundY(d);
        const double t = (y - vanishing.y()) / (kSize - vanishing.y());
        const double radius = 0.4 + 1.6 * t;
        for (double side : {-1.0, 1.0}) {
            const QPointF at(edgeX(y, side) + side * 1.5 * t, y);
            QRadialGradient light(at, radius * 2.5);
            light.setColorAt(0.0, QColor(255, 244, 200, 255));
            light.setColorAt(0.35, QColor(255, 214, 120, 200));
            light.setColorAt(1.0, QColor(255, 180, 80, 0));
            painter.setBrush(light);
            painter.drawEllipse(CircleRect(at, radius * 2.5));
        }
    }
    // Threshold bars at the near end.
    painter.setBrush(QColor(225, 222, 212));
    for (int bar = -4; bar <= 4; ++bar) {
        if (bar == 0) continue;
        const double x = vanishing.x() + bar * 11.0;
        QPolygonF stripe;
        stripe << QPointF(x - 3.0, 186.0) << QPointF(x + 3.0, 186.0) << QPointF(x + 3.3, 196.0)
               << QPointF(x - 3.3, 196.0);
        painter.drawPolygon(stripe);
    }

    painter.save();
    painter.translate(48.0, 78.0);
    painter.rotate(-11.0);
    painter.scale(0.62, 0.62);
    DrawAeroplane(painter);
    painter.restore();
}

/// The program's icon: a small circular slide rule with a red cursor line, `size` pixels.
void DrawIcon(QPainter& painter, double size) {
    const QPointF centre(size / 2.0, size / 2.0);
    const double outer = size / 2.0 - std::max(size / 40.0, 0.5);
    const double disc = outer * 0.7;
    const double line = std::max(size / 40.0, 0.7);
    const bool tiny = size < 40.0;
    const QColor ink(20, 20, 26);

    QRadialGradient metal(centre.x() - outer * 0.4, centre.y() - outer * 0.5, outer * 1.8);
    metal.setColorAt(0.0, QColor(236, 238, 241));
    metal.setColorAt(1.0, QColor(140, 145, 153));
    painter.setPen(QPen(QColor(32, 34, 40), line * 1.2));
    painter.setBrush(metal);
    painter.drawEllipse(CircleRect(centre, outer));

    // Real scale positions; the small icons keep a few, where fine ticks would only grey
    // the ring.
    const std::vector<double> smallValues = {10, 12, 15, 20, 30, 40, 60, 80};
    std::vector<double> values;
    if (size < 24.0) {
        // At 16 pixels even a few ticks blur into a grey band: a plain ring reads better.
    } else if (tiny) {
        values = smallValues;
    } else {
        for (int value = 10; value < 20; ++value) values.push_back(value);
        for (int value = 20; value < 50; value += 5) values.push_back(value);
        for (int value = 50; value < 100; value += 10) values.push_back(value);
    }
    const auto isMajor = [tiny](double value) {
        const auto whole = static_cast<int>(value);
        return tiny || whole % 10 == 0 || whole == 15;
    };
    const double tickWidth = tiny ? line : std::max(size / 110.0, 0.7);
    for (const double value : values) {
        const bool major = isMajor(value);
        painter.setPen(QPen(ink, major ? tickWidth * 1.4 : tickWidth, Qt::SolidLine, Qt::FlatCap));
        const double length = (outer - disc) * (major ? 0.65 : 0.4);
        DrawRadialLine(painter, centre, disc, disc + length, LogScaleAngle(value));
    }

    QRadialGradient face(centre.x() - disc * 0.4, centre.y() - disc * 0.5, disc * 1.8);
    face.setColorAt(0.0, QColor(255, 255, 255));
    face.setColorAt(1.0, QColor(196, 202, 212));
    painter.setPen(QPen(QColor(32, 34, 40), line));
    painter.setBrush(face);
    painter.drawEllipse(CircleRect(centre, disc));

    if (!tiny) {
        painter.setPen(QPen(QColor(20, 40, 115), tickWidth * 1.4, Qt::SolidLine, Qt::FlatCap));
        for (const double value : values) {
            if (isMajor(value)) {
                DrawRadialLine(painter, centre, disc, disc * 0.84, LogScaleAngle(value));
            }
        }
    }
    if (size >= 64.0) {
        DrawLabel(painter, Polar(centre, disc * 0.58, 0.0), 0.0, QStringLiteral("10"), size * 0.12,
                  ink, true);
    }
    const double indexAngle = LogScaleAngle(60.0);
    QPolygonF index;
    index << Polar(centre, disc * 0.97, indexAngle) << Polar(centre, disc * 0.68, indexAngle - 10.0)
          << Polar(centre, disc * 0.68, indexAngle + 10.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 125, 20));
    painter.drawPolygon(index);

    painter.setPen(
        QPen(QColor(215, 25, 25), std::max(line * 1.4, 1.1), Qt::SolidLine, Qt::RoundCap));
    DrawRadialLine(painter, centre, 0.0, outer - line, 130.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 62, 70));
    painter.drawEllipse(CircleRect(centre, std::max(size / 14.0, 1.0)));
}

/// Writes `image` to `path` in `format` (with the quality, when one is given) through a
/// temporary file, so a failed write leaves no partial picture behind. Returns the reason
/// when the file could not be written.
std::optional<QString> WriteImage(const QImage& image, const QString& path, const char* format,
                                  std::optional<int> quality) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("cannot open %1 for writing: %2").arg(path, file.errorString());
    }
    QImageWriter writer(&file, format);
    if (quality) {
        writer.setQuality(*quality);
        // Optimised Huffman tables make the file smaller without slowing its decoding; a
        // progressive file would decode slower, so it is not used.
        writer.setOptimizedWrite(true);
    }
    if (!writer.write(image)) {
        file.cancelWriting();
        return QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
    }
    if (!file.commit()) {
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    }
    return std::nullopt;
}

/// Decodes the written JPEG at `jpegPath` and writes it as a PNG into `previewFolder`.
std::optional<QString> WritePreview(const QString& jpegPath, const QString& previewFolder) {
    QImageReader reader(jpegPath);
    const QImage decoded = reader.read();
    if (decoded.isNull()) {
        return QStringLiteral("cannot read back %1: %2").arg(jpegPath, reader.errorString());
    }
    const QString name = QFileInfo(jpegPath).completeBaseName() + QStringLiteral(".png");
    return WriteImage(decoded, QDir(previewFolder).filePath(name), "png", std::nullopt);
}

struct Arguments {
    QString outputFolder;
    QString previewFolder;  // empty: no previews
};

std::optional<Arguments> ParseArguments(const QStringList& arguments) {
    Arguments parsed;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--preview") && i + 1 < arguments.size() &&
            parsed.previewFolder.isEmpty()) {
            parsed.previewFolder = arguments[++i];
        } else if (!argument.startsWith(QLatin1Char('-')) && parsed.outputFolder.isEmpty()) {
            parsed.outputFolder = argument;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.outputFolder.isEmpty()) return std::nullopt;
    return parsed;
}

void PrintError(const QString& message) {
    std::fprintf(stderr, "aerlith-draw-pictures: %s\n", message.toLocal8Bit().constData());
}

int Run(const QStringList& commandLine) {
    const std::optional<Arguments> arguments = ParseArguments(commandLine);
    if (!arguments) {
        std::fprintf(stderr, "usage: aerlith-draw-pictures OUTPUT_FOLDER [--preview FOLDER]\n");
        return 2;
    }
    for (const QString& folder : {arguments->outputFolder, arguments->previewFolder}) {
        if (!folder.isEmpty() && !QDir().mkpath(folder)) {
            PrintError(QStringLiteral("cannot create the folder %1").arg(folder));
            return 1;
        }
    }
    const QDir output(arguments->outputFolder);

    struct Picture {
        const char* name;
        int width;
        int height;
        DrawFunction draw;
    };
    const Picture pictures[] = {
        {"e6b1.jpg", kFaceWidth, kFaceHeight, DrawCalculatorFace},
        {"e6b2.jpg", kFaceWidth, kFaceHeight, DrawWindFace},
        {"e6e.jpg", kThankYouSize, kThankYouSize, DrawThankYouScene},
    };
    for (const Picture& picture : pictures) {
        // JPEG has no transparency: flatten onto the window's blue.
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        image.fill(kWindowBlue);
        {
            QPainter painter(&image);
            painter.drawImage(0, 0, Supersampled(picture.width, picture.height, picture.draw));
        }
        const QString path = output.filePath(QString::fromLatin1(picture.name));
        if (const auto error = WriteImage(image, path, "jpg", kJpegQuality)) {
            PrintError(*error);
            return 1;
        }
        if (!arguments->previewFolder.isEmpty()) {
            if (const auto error = WritePreview(path, arguments->previewFolder)) {
                PrintError(*error);
                return 1;
            }
        }
        std::printf("%s: %d x %d, %lld bytes\n", path.toLocal8Bit().constData(), picture.width,
                    picture.height, static_cast<long long>(QFileInfo(path).size()));
    }

    for (const int size : kIconSizes) {
        const double sizeF = size;
        const QImage icon = Supersampled(size, size, [sizeF](QPainter& painter) {
                                DrawIcon(painter, sizeF);
                            }).convertToFormat(QImage::Format_ARGB32);
        const QString path = output.filePath(QStringLiteral("icon%1.png").arg(size));
        if (const auto error = WriteImage(icon, path, "png", std::nullopt)) {
            PrintError(*error);
            return 1;
        }
        std::printf("%s: %d x %d, %lld bytes\n", path.toLocal8Bit().constData(), size, size,
                    static_cast<long long>(QFileInfo(path).size()));
    }
    return 0;
}

}  // namespace
}  // namespace aerlith

int main(int argc, char* argv[]) {
    // Drawing needs no screen: without a chosen platform, work offscreen instead of failing
    // for want of a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    QGuiApplication application(argc, argv);
    return aerlith::Run(QGuiApplication::arguments());
}
