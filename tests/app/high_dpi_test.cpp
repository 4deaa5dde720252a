// The main window at one screen scaling: 100 %, 150 % or 200 %, chosen by the offscreen screen
// this process runs on (AERLITH_SCALE names the scaling it expects). The window must keep its
// proportions and no button may clip its caption. A screenshot is saved to AERLITH_SCREENSHOT.

#include <QApplication>
#include <QFontMetricsF>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <cmath>
#include <memory>

#include "app/application.h"
#include "app/calcs.h"
#include "app/endbox.h"
#include "ui/accessibility.h"
#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/cibox.h"
#include "ui/platform_hooks.h"
#include "ui/twips.h"

using aerlith::app::Calcs;
namespace ui = aerlith::ui;

namespace {

// Rounding each edge to a whole pixel moves it by at most half a pixel, at any scale.
constexpr double kEdgeTolerancePixels = 1.0;

double ExpectedScale() {
    bool ok = false;
    const double scale = qEnvironmentVariable("AERLITH_SCALE").toDouble(&ok);
    return ok && scale > 0 ? scale : 1.0;
}

// Device pixels per twip on this screen, whichever way the scaling reaches the program: as
// Qt's device pixel ratio, or as a larger logical dpi.
double DevicePixelsPerTwip(const QWidget& widget) {
    return widget.devicePixelRatioF() / ui::TwipsPerPixelX();
}

// The width a push button needs to show `caption` unclipped: the text without its "&" in the
// button's own font, plus the style's frame and margins on both sides.
struct CaptionFit {
    double needed;
    double available;
};

CaptionFit FitOf(const QPushButton& button) {
    const QString text = ui::CaptionWithoutAccelerator(button.text());
    QFont underlined = button.font();
    underlined.setUnderline(true);
    // The hover mark underlines the caption; it must fit either way.
    const double textWidth = std::max(QFontMetricsF(button.font(), &button).horizontalAdvance(text),
                                      QFontMetricsF(underlined, &button).horizontalAdvance(text));
    QStyleOptionButton option;
    option.initFrom(&button);
    const QStyle* style = button.style();
    const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
    return {textWidth + 2.0 * (margin + frame), static_cast<double>(button.width())};
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Calcs> calcs_;
    int boxButtons_ = 0;
    QStringList boxClipped_;

    QList<ui::Control*> BankButtons() const {
        QList<ui::Control*> buttons;
        for (const char* bank : {"buttonplus1", "buttonplus2", "buttonplus3"}) {
            for (ui::Control* control : calcs_->Array(QString::fromLatin1(bank))) {
                buttons << control;
            }
        }
        return buttons;
    }

private slots:
    void initTestCase() {
        aerlith::app::PrepareApplication(*qApp);
        ui::SetEndProgram([] {});
        ui::SetOpenWebAddress([](const QString&) {});
        ui::SetModalObserver([this](ui::Form& form) {
            if (auto* box = qobject_cast<ui::Cibox*>(&form)) {
                for (const int index : {0, 1}) {
                    const ui::CheckButton* button = box->ButtonPlus1(index);
                    if (button == nullptr || !button->isVisible()) continue;
                    const CaptionFit fit = FitOf(*button);
                    if (fit.needed > fit.available) boxClipped_ << button->text();
                    ++boxButtons_;
                }
                QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_Escape); });
            }
        });
        qInfo("screen: logical dpi %.1f, device pixel ratio %.2f, expected scale %.2f",
              QGuiApplication::primaryScreen()->logicalDotsPerInchX(),
              QGuiApplication::primaryScreen()->devicePixelRatio(), ExpectedScale());
    }

    void init() {
        calcs_ = std::make_unique<Calcs>(QStringLiteral(AERLITH_TEST_DATA_DIR));
        calcs_->Form_Load();
        calcs_->Timer1().stop();
        QVERIFY(QTest::qWaitForWindowExposed(calcs_.get()));
    }

    void cleanup() { calcs_.reset(); }

    void theScreenHasTheExpectedScale() {
        // 96 dots per inch is 100 %: a twip is 1/15 of a device pixel there.
        QVERIFY(std::fabs(DevicePixelsPerTwip(*calcs_) * 15.0 - ExpectedScale()) < 1e-9);
    }

    void theWindowKeepsItsProportions() {
        const double perTwip = DevicePixelsPerTwip(*calcs_);
        const double ratio = calcs_->devicePixelRatioF();
        const ui::TwipsRect window = calcs_->Twips();
        // 10400 x 4250 twips enlarged by the scaling pass: 1.28 x 1.1 both ways, then
        // 1.33 x 0.8 across.
        QVERIFY(std::fabs(window.width - 10400.0 * 1.408 * 1.064) < 1.0);
        QVERIFY(std::fabs(window.height - 4250.0 * 1.408) < 1.0);
        QVERIFY(std::fabs(calcs_->width() * ratio - window.width * perTwip) <=
                kEdgeTolerancePixels);
        QVERIFY(std::fabs(calcs_->height() * ratio - window.height * perTwip) <=
                kEdgeTolerancePixels);
        for (ui::Control* control : calcs_->Controls()) {
            const QWidget& widget = control->Widget();
            const ui::TwipsRect twips = control->Twips();
            const QString name = control->DisplayName();
            // Each edge sits where its twips put it, to the pixel, so every control keeps its
            // place and size relative to the window at every scale.
            const double left = twips.left * perTwip;
            const double right = (twips.left + twips.width) * perTwip;
            const double top = twips.top * perTwip;
            const double bottom = (twips.top + twips.height) * perTwip;
            QVERIFY2(std::fabs(widget.x() * ratio - left) <= kEdgeTolerancePixels * ratio,
                     qPrintable(name));
            QVERIFY2(std::fabs((widget.x() + widget.width()) * ratio - right) <=
                         kEdgeTolerancePixels * ratio,
                     qPrintable(name));
            QVERIFY2(std::fabs(widget.y() * ratio - top) <= kEdgeTolerancePixels * ratio,
                     qPrintable(name));
            QVERIFY2(std::fabs((widget.y() + widget.height()) * ratio - bottom) <=
                         kEdgeTolerancePixels * ratio,
                     qPrintable(name));
        }
    }

    void noButtonClipsItsCaption() {
        QStringList clipped;
        for (ui::Control* control : BankButtons()) {
            const auto* button = dynamic_cast<const QPushButton*>(&control->Widget());
            QVERIFY(button != nullptr);
            const CaptionFit fit = FitOf(*button);
            if (fit.needed > fit.available) {
                clipped << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                               .arg(control->DisplayName(), button->text())
                               .arg(fit.needed, 0, 'f', 1)
                               .arg(fit.available);
            }
            const QFontMetricsF metrics(button->font(), button);
            QVERIFY2(metrics.height() <= button->height(), qPrintable(control->DisplayName()));
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

    void theMessageBoxButtonsFit() {
        ui::ShowInfoBox(QStringLiteral("Do you want this one?      "),
                        QStringLiteral("Possible choice found."));
        QCOMPARE(boxButtons_, 2);
        QVERIFY2(boxClipped_.isEmpty(), qPrintable(boxClipped_.join(QStringLiteral("; "))));
    }

    void noFieldNameIsClipped() {
        // Every function names its value boxes in the labels under them.
        QStringList clipped;
        for (int function = 0; function <= 8; ++function) {
            QTest::mouseClick(calcs_->ButtonPlus3(function), Qt::LeftButton);
            for (int i = 0; i <= 3; ++i) {
                const ui::CaptionLabel* label = calcs_->Label2(i);
                if (!label->isVisible()) continue;
                const double width =
                    QFontMetricsF(label->font(), label).horizontalAdvance(label->text());
                if (width > label->width()) clipped << label->text();
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

    void theThankYouNoteFitsItsWindow() {
        aerlith::app::Endbox endbox{QStringLiteral(AERLITH_TEST_DATA_DIR)};
        endbox.Form_Load();
        endbox.show();
        QVERIFY(QTest::qWaitForWindowExposed(&endbox));
        const ui::CaptionLabel* note = endbox.Label1(0);
        QVERIFY(note != nullptr);
        const QFontMetricsF metrics(note->font(), note);
        const QStringList lines = note->text().split(QStringLiteral("\r\n"));
        double widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        // The note must end inside the window, not merely inside its own oversized label.
        QVERIFY2(
            note->x() + widest <= endbox.width(),
            qPrintable(
                QStringLiteral("%1 + %2 > %3").arg(note->x()).arg(widest).arg(endbox.width())));
        QVERIFY2(note->y() + static_cast<double>(lines.size()) * metrics.lineSpacing() <=
                     endbox.height(),
                 qPrintable(QStringLiteral("%1 lines").arg(lines.size())));
        const QString path = qEnvironmentVariable("AERLITH_SCREENSHOT");
        if (!path.isEmpty()) {
            QVERIFY(endbox.grab().save(
                QString(path).replace(QStringLiteral("main-window"), QStringLiteral("thank-you")),
                "PNG"));
        }
    }

    void saveTheScreenshot() {
        const QString path = qEnvironmentVariable("AERLITH_SCREENSHOT");
        if (path.isEmpty()) QSKIP("AERLITH_SCREENSHOT names no file");
        const QPixmap shot = calcs_->grab();
        QVERIFY(shot.save(path, "PNG"));
        // The picture has the window's size in device pixels.
        QCOMPARE(shot.width(), qRound(calcs_->width() * calcs_->devicePixelRatioF()));
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
