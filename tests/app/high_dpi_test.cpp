// The windows at one screen scaling: 100 %, 150 % or 200 %, chosen by the offscreen screen this
// process runs on (AERLITH_SCALE names the scaling it expects). Every control keeps its place
// and size relative to the window, no caption, field name or note is clipped, and the focus
// ring is as thick and as clear as the accessibility guidelines ask. Screenshots are saved to
// AERLITH_SCREENSHOT.

#include <QFontInfo>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "app/calcs.h"
#include "app/endbox.h"
#include "support/window_test.h"
#include "ui/accessibility.h"
#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/cibox.h"
#include "ui/twips.h"

namespace ui = aerlith::ui;

namespace {

// Empty when `button` shows its caption unclipped: the text without its "&" (the hover mark's
// underline adds no width) plus the style's frame and margin on both sides, and a line's height.
QString Clipped(const QPushButton& button) {
    const QString text = ui::CaptionWithoutAccelerator(button.text());
    const QFontMetricsF metrics(button.font(), &button);
    QStyleOptionButton option;
    option.initFrom(&button);
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
    const int frame = button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
    const double needed = metrics.horizontalAdvance(text) + 2.0 * (margin + frame);
    if (needed <= button.width() && metrics.height() <= button.height()) return {};
    return QStringLiteral("\"%1\" needs %2 px; ").arg(text).arg(needed);
}

// Relative luminance and contrast ratio as WCAG 2.2 defines them.
double Luminance(QRgb rgb) {
    const auto linear = [](int component) {
        const double c = component / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double Contrast(QRgb one, QRgb other) {
    const double first = Luminance(one);
    const double second = Luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// What changes between a control's picture without and with the focus, in device pixels.
struct Ring {
    int thickness = 0;  ///< of the closed band the changed pixels make
    qsizetype changed = 0;
    double minContrast = 0;  ///< over the changed pixels, between their two colours
};

Ring Measure(const QImage& without, const QImage& with) {
    const int w = with.width();
    const int h = with.height();
    const auto changed = [&](int x, int y) { return without.pixel(x, y) != with.pixel(x, y); };
    Ring ring{0, 0, 21};  // 21:1 is the highest contrast there is
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!changed(x, y)) continue;
            ++ring.changed;
            ring.minContrast =
                std::min(ring.minContrast, Contrast(without.pixel(x, y), with.pixel(x, y)));
        }
    }
    // The band's outer edge is where the middle row and column first change; it is as thick as
    // the number of nested rectangles inside that edge whose every pixel changed.
    int left = 0;
    int top = 0;
    int right = w - 1;
    int bottom = h - 1;
    while (left < w / 2 && !changed(left, h / 2)) ++left;
    while (right > w / 2 && !changed(right, h / 2)) --right;
    while (top < h / 2 && !changed(w / 2, top)) ++top;
    while (bottom > h / 2 && !changed(w / 2, bottom)) --bottom;
    for (; left < right && top < bottom; ++left, ++top, --right, --bottom) {
        for (int x = left; x <= right; ++x) {
            if (!changed(x, top) || !changed(x, bottom)) return ring;
        }
        for (int y = top; y <= bottom; ++y) {
            if (!changed(left, y) || !changed(right, y)) return ring;
        }
        ++ring.thickness;
    }
    return ring;
}

// The control as its window shows it, background included, in device pixels.
QImage Picture(QWidget& control) {
    QWidget* window = control.window();
    return window->grab(QRect(control.mapTo(window, QPoint()), control.size()))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class HighDpiTest : public aerlith::test::WindowTest {
    Q_OBJECT

private:
    static void Save(QWidget& window, const QString& name) {
        QString path = qEnvironmentVariable("AERLITH_SCREENSHOT");
        if (!path.isEmpty()) QVERIFY(window.grab().save(path.replace("main-window", name), "PNG"));
    }

    // Empty when the ring of `control`, which has the focus, is thick and clear enough: a band
    // 2 device pixels per 100 % thick that changes at least as many pixels as such a band along
    // the control's very edge, every changed pixel contrasting 3:1. Else what was measured.
    static QString RingFault(QWidget& control) {
        const auto band = std::lround(2 * qEnvironmentVariable("AERLITH_SCALE").toDouble());
        const QImage with = Picture(control);
        control.clearFocus();
        const Ring ring = Measure(Picture(control), with);
        const qsizetype needed =
            with.width() * with.height() - (with.width() - 2 * band) * (with.height() - 2 * band);
        const QString measured = QString::asprintf(
            "ring %d px (%ld needed), %lld pixels changed (%lld needed), contrast %.2f or more",
            ring.thickness, band, qint64{ring.changed}, qint64{needed}, ring.minContrast);
        qInfo("%s: %s", QTest::currentDataTag(), qPrintable(measured));
        if (ring.thickness >= band && ring.changed >= needed && ring.minContrast >= 3) return {};
        return measured;
    }

private slots:
    void everyControlSitsWhereItsTwipsPutIt() {
        // Device pixels per twip, whether the scaling reaches the program as Qt's device pixel
        // ratio or as a larger logical dpi; at 96 dots per inch (100 %) a twip is 1/15 pixel.
        const double ratio = calcs_->devicePixelRatioF();
        const double perTwip = ratio / ui::TwipsPerPixelX();
        QVERIFY(std::fabs(perTwip * 15.0 - qEnvironmentVariable("AERLITH_SCALE").toDouble()) <
                1e-9);
        // Rounding an edge to a whole pixel moves it by at most half a pixel.
        const auto near = [&](int pixels, double twips) {
            return std::fabs(pixels * ratio - twips * perTwip) <= ratio;
        };
        QVERIFY(near(calcs_->width(), calcs_->Twips().width));
        QVERIFY(near(calcs_->height(), calcs_->Twips().height));
        for (ui::Control* control : calcs_->Controls()) {
            const QRect pixels = control->Widget().geometry();
            const ui::TwipsRect twips = control->Twips();
            QVERIFY2(near(pixels.left(), twips.left) && near(pixels.top(), twips.top) &&
                         near(pixels.right() + 1, twips.left + twips.width) &&
                         near(pixels.bottom() + 1, twips.top + twips.height),
                     qPrintable(control->DisplayName()));
        }
        Save(*calcs_, QStringLiteral("main-window"));
    }

    void noCaptionOrFieldNameIsClipped() {
        // Measured in the program's own Tahoma, which it brings for systems that have none.
        QCOMPARE(QFontInfo(calcs_->ButtonPlus1(0)->font()).family(), QStringLiteral("Tahoma"));
        QString clipped;
        for (const char* bank : {"buttonplus1", "buttonplus2", "buttonplus3"}) {
            for (ui::Control* control : calcs_->Array(QString::fromLatin1(bank))) {
                clipped += Clipped(dynamic_cast<QPushButton&>(control->Widget()));
            }
        }
        for (int function = 0; function <= 8; ++function) {
            QTest::mouseClick(calcs_->ButtonPlus3(function), Qt::LeftButton);
            for (int i = 0; i <= 3; ++i) {
                const ui::CaptionLabel* label = calcs_->Label2(i);
                const QFontMetricsF metrics(label->font(), label);
                if (label->isVisible() &&
                    metrics.horizontalAdvance(label->text()) > label->width()) {
                    clipped += label->text() + QStringLiteral("; ");
                }
            }
        }
        Answer([&clipped](ui::Form& box) {
            for (const int i : {0, 1}) {
                clipped += Clipped(*dynamic_cast<ui::Cibox&>(box).ButtonPlus1(i));
            }
        });
        ui::ShowInfoBox(QStringLiteral("Do you want this one?      "), QStringLiteral("Title"));
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
    }

    void theFocusRingIsThickAndClear_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("shot");
        // Target by its scenario name ("ok": OK of the message box), and the screenshot's name.
        for (const auto& [row, target, shot] : {
                 std::tuple{"keypad key", "key 7", "focus-key"},
                 std::tuple{"conversion", "conv 3", "focus-conversion"},
                 std::tuple{"function", "func 3", "focus-function"},
                 std::tuple{"value box with text", "box 0", ""},
                 std::tuple{"entry box", "entry", ""},
                 std::tuple{"OK of the message box", "ok", "focus-ok"},
             }) {
            QTest::newRow(row) << QString::fromLatin1(target) << QString::fromLatin1(shot);
        }
    }

    void theFocusRingIsThickAndClear() {
        QFETCH(QString, target);
        QFETCH(QString, shot);
        QString fault;
        if (target == QLatin1String("ok")) {
            Answer([&](ui::Form& box) {
                ui::CheckButton& ok = *dynamic_cast<ui::Cibox&>(box).ButtonPlus1(0);
                QVERIFY(ok.hasFocus());
                if (!shot.isEmpty()) Save(box, shot);
                fault = RingFault(ok);
            });
            ui::ShowInfoBox(QStringLiteral("Do you want this one?      "), QStringLiteral("Title"));
        } else {
            if (target.startsWith(QLatin1String("box"))) {
                // A function shows the box and gives it the focus.
                QTest::mouseClick(Target("func 5"), Qt::LeftButton);
                QTest::keyClicks(Target(target.toStdString()), QStringLiteral("29.92"));
            }
            QWidget& control = *Target(target.toStdString());
            control.setFocus(Qt::TabFocusReason);
            QVERIFY(control.hasFocus());
            if (!shot.isEmpty()) Save(*calcs_, shot);
            fault = RingFault(control);
        }
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void theThankYouNoteFitsItsWindow() {
        aerlith::app::Endbox endbox{QStringLiteral(AERLITH_TEST_DATA_DIR)};
        endbox.Form_Load();
        endbox.show();
        QVERIFY(QTest::qWaitForWindowExposed(&endbox));
        const ui::CaptionLabel* note = endbox.Label1(0);
        const QFontMetricsF metrics(note->font(), note);
        const QStringList lines = note->text().split(QStringLiteral("\r\n"));
        double widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        // The note must end inside the window, not merely inside its own oversized label.
        QVERIFY2(note->x() + widest <= endbox.width(), qPrintable(QString::number(widest)));
        QVERIFY(note->y() + static_cast<double>(lines.size()) * metrics.lineSpacing() <=
                endbox.height());
        Save(endbox, QStringLiteral("thank-you"));
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
