// The windows at one screen scaling: 100 %, 150 % or 200 %, chosen by the offscreen screen this
// process runs on (AERLITH_SCALE names the scaling it expects). Every control keeps its place
// and size relative to the window, and no caption, field name or note is clipped. Screenshots
// are saved to AERLITH_SCREENSHOT.

#include <QFontInfo>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
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

}  // namespace

class HighDpiTest : public aerlith::test::WindowTest {
    Q_OBJECT

private:
    static void Save(QWidget& window, const QString& name) {
        QString path = qEnvironmentVariable("AERLITH_SCREENSHOT");
        if (!path.isEmpty()) QVERIFY(window.grab().save(path.replace("main-window", name), "PNG"));
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
