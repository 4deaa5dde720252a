// The windows at one screen scaling: 100 %, 150 % or 200 %, chosen by the offscreen screen this
// process runs on (AERLITH_SCALE names the scaling it expects). Every control keeps its place
// and size relative to the window, no caption, field name or note is clipped, and the focus
// ring is as thick and as clear as the accessibility guidelines ask and keeps clear of a box's
// text. Every button is filled in exactly its colour and sinks while held down. Screenshots are
// saved to AERLITH_SCREENSHOT.

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <cmath>

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

double Scale() { return qEnvironmentVariable("AERLITH_SCALE").toDouble(); }

void Save(QWidget& window, const QString& name) {
    QString path = qEnvironmentVariable("AERLITH_SCREENSHOT");
    if (!path.isEmpty()) QVERIFY(window.grab().save(path.replace("main-window", name), "PNG"));
}

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

// `control` as its window shows it, in device pixels.
QImage Picture(QWidget& control) {
    QWidget* window = control.window();
    return window->grab(QRect(control.mapTo(window, QPoint()), control.size()))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The pixels that differ between two pictures of one control.
QList<QPoint> Changed(const QImage& one, const QImage& other) {
    QList<QPoint> changed;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (one.pixel(x, y) != other.pixel(x, y)) changed << QPoint(x, y);
        }
    }
    return changed;
}

// Empty when the ring of `control`, which has the focus, is thick and clear enough, else what was
// measured. The pixels (device pixels, background included) that change when it loses the focus
// must form a closed band 2 device pixels per 100 % thick inside where the middle row and column
// first change, be at least as many as such a band along the control's very edge, and each
// contrast 3:1.
QString RingFault(QWidget& control) {
    const QImage with = Picture(control);
    control.clearFocus();
    const QImage without = Picture(control);
    const int w = with.width();
    const int h = with.height();
    const auto changed = [&](int x, int y) { return without.pixel(x, y) != with.pixel(x, y); };
    int left = 0;
    int top = 0;
    int right = w - 1;
    int bottom = h - 1;
    while (left < w / 2 && !changed(left, h / 2)) ++left;
    while (right > w / 2 && !changed(right, h / 2)) --right;
    while (top < h / 2 && !changed(w / 2, top)) ++top;
    while (bottom > h / 2 && !changed(w / 2, bottom)) --bottom;
    // As thick as the depth inside that edge of the outermost pixel that did not change.
    int thickness = (std::min(right - left, bottom - top) + 1) / 2;
    qsizetype count = 0;
    double contrast = 21;  // the highest there is
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int depth = std::min({x - left, y - top, right - x, bottom - y});
            if (changed(x, y)) {
                ++count;
                contrast = std::min(contrast,
                                    aerlith::test::Contrast(without.pixel(x, y), with.pixel(x, y)));
            } else if (depth >= 0) {
                thickness = std::min(thickness, depth);
            }
        }
    }
    const auto band = std::lround(2 * Scale());
    const qsizetype needed = w * h - (w - 2 * band) * (h - 2 * band);
    const QString measured = QString::asprintf(
        "ring %d px (%ld needed), %lld pixels changed (%lld needed), contrast %.2f or more",
        thickness, band, qint64{count}, qint64{needed}, contrast);
    qInfo("%s: %s", QTest::currentDataTag(), qPrintable(measured));
    return thickness >= band && count >= needed && contrast >= 3 ? QString() : measured;
}

}  // namespace

class HighDpiTest : public aerlith::test::WindowTest {
    Q_OBJECT

private slots:
    void everyControlSitsWhereItsTwipsPutIt() {
        // Device pixels per twip, whether the scaling reaches the program as Qt's device pixel
        // ratio or as a larger logical dpi; at 96 dots per inch (100 %) a twip is 1/15 pixel.
        const double ratio = calcs_->devicePixelRatioF();
        const double perTwip = ratio / ui::TwipsPerPixelX();
        QVERIFY(std::fabs(perTwip * 15.0 - Scale()) < 1e-9);
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
        ShowBox([&clipped](ui::Cibox& box) {
            for (const int i : {0, 1}) clipped += Clipped(*box.ButtonPlus1(i));
        });
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
    }

    // Controls by their scenario names, "ok" and "skip" the message box's buttons, with the fill
    // colour of each button (none for a text box).
    void eachControlsFillAndFocusRing_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("key 7") << "key 7" << QColor(0, 169, 236);
        QTest::newRow("conv 3") << "conv 3" << QColor(0, 112, 159);
        QTest::newRow("func 3") << "func 3" << QColor(103, 129, 167);
        QTest::newRow("ok") << "ok" << QColor(17, 68, 51);
        QTest::newRow("skip") << "skip" << QColor(17, 68, 51);
        QTest::newRow("box 0") << "box 0" << QColor();
        QTest::newRow("entry") << "entry" << QColor();
    }

    void eachControlsFillAndFocusRing() {
        QFETCH(QString, target);
        QFETCH(QColor, fill);
        QColor sampled;
        QString fault;
        const auto measure = [&](QWidget& control) {
            if (fill.isValid()) {
                // Above the caption's middle and well inside the edge, with the focus elsewhere.
                control.clearFocus();
                const QImage picture = Picture(control);
                sampled = picture.pixelColor(picture.width() / 2, picture.height() / 6);
            }
            control.setFocus(Qt::TabFocusReason);
            QVERIFY(control.hasFocus());
            Save(*control.window(), "focus-" + target.section(' ', 0, 0));
            fault = RingFault(control);
        };
        if (target == QLatin1String("ok") || target == QLatin1String("skip")) {
            ShowBox([&](ui::Cibox& box) { measure(*box.ButtonPlus1(target == "ok" ? 0 : 1)); });
        } else {
            if (target == QLatin1String("box 0")) {
                QTest::mouseClick(Target("func 5"), Qt::LeftButton);
                QTest::keyClicks(Target("box 0"), QStringLiteral("29.92"));
            }
            measure(*Target(target.toStdString()));
        }
        QCOMPARE(sampled, fill);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Light falls from the top left: on a raised button the left and top edges are lighter than
    // the right and bottom ones, on a sunken one both darker.
    void aButtonHeldDownIsSunken() {
        auto* key = dynamic_cast<QPushButton*>(Target("key 5"));
        key->clearFocus();
        const auto topLeftLighter = [key](bool lighter) {
            const QImage picture = Picture(*key);
            const int right = picture.width() - 1;
            const int bottom = picture.height() - 1;
            const auto gray = [&picture](int x, int y) { return qGray(picture.pixel(x, y)); };
            return (gray(0, bottom / 2) > gray(right, bottom / 2)) == lighter &&
                   (gray(right / 2, 0) > gray(right / 2, bottom)) == lighter;
        };
        QVERIFY(topLeftLighter(true));
        key->setDown(true);
        Save(*calcs_, QStringLiteral("pressed"));
        QVERIFY(topLeftLighter(false));
    }

    // The letter after "&" is underlined: the caption without its "&" draws differently.
    void theAccessKeyIsUnderlined() {
        auto* button = dynamic_cast<QPushButton*>(Target("conv 0"));
        button->clearFocus();
        const QImage marked = Picture(*button);
        button->setText(ui::CaptionWithoutAccelerator(button->text()));
        QVERIFY(Picture(*button) != marked);
    }

    // Value box 0 with its text, read-only so that no text cursor is drawn. The pixels that the
    // focus changes are the ring's; none lies within a pixel of one of the text's.
    void theFocusedBoxKeepsAPixelBetweenRingAndText() {
        QTest::mouseClick(Target("func 5"), Qt::LeftButton);
        auto* box = dynamic_cast<QLineEdit*>(Target("box 0"));
        box->setReadOnly(true);
        box->clearFocus();
        const QImage empty = Picture(*box);
        box->setText(QStringLiteral("29.92"));
        const QImage unfocused = Picture(*box);
        box->setFocus(Qt::OtherFocusReason);
        QVERIFY(box->hasFocus());
        const QImage focused = Picture(*box);
        const QList<QPoint> text = Changed(unfocused, empty);
        const QList<QPoint> ring = Changed(focused, unfocused);
        QVERIFY(!text.isEmpty() && !ring.isEmpty());
        int gap = focused.width();
        for (const QPoint& t : text) {
            for (const QPoint& r : ring) {
                gap = std::min(gap, std::max(std::abs(t.x() - r.x()), std::abs(t.y() - r.y())) - 1);
            }
        }
        const QString measured = QStringLiteral("%1 px between ring and text").arg(gap);
        qInfo("%s", qPrintable(measured));
        QVERIFY2(gap >= 1, qPrintable(measured));
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
