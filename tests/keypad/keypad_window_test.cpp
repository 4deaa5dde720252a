// The keypad window where a scenario cannot reach: the shadows of the field names, locked keys
// greyed, a paste into the entry box and a text longer than a line box holds by default.

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QTest>
#include <algorithm>

#include "app/calcs.h"
#include "support/window_test.h"
#include "ui/caption_label.h"

class KeypadWindowTest : public aerlith::test::WindowTest {
    Q_OBJECT

private slots:
    void eachFieldNameIsDrawnOverItsShadow() {
        QTest::mouseClick(Target("func 1"), Qt::LeftButton);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!calcs_->Label2(i)->text().isEmpty());
            QCOMPARE(calcs_->Label2(i + 4)->text(), calcs_->Label2(i)->text());
        }
    }

    void aLockedKeyLooksLocked() {
        // The highest contrast of a pixel in the middle of `key` with its fill, the pixel at the
        // top of that middle part: its caption's.
        const auto captionContrast = [](QWidget* key) {
            const QImage image = key->grab().toImage();
            const QRect middle(image.width() / 4, image.height() / 4, image.width() / 2,
                               image.height() / 2);
            const QRgb fill = image.pixel(middle.topLeft());
            double highest = 1;
            for (int y = middle.top(); y <= middle.bottom(); ++y) {
                for (int x = middle.left(); x <= middle.right(); ++x)
                    highest = std::max(highest, aerlith::test::Contrast(image.pixel(x, y), fill));
            }
            return highest;
        };
        QTest::mouseClick(Target("func 5"), Qt::LeftButton);
        QWidget* locked = Target("key 8");
        QWidget* working = Target("key C");
        QVERIFY(!locked->isEnabled() && working->isEnabled());
        // Greyed as every locked button of the platform is, so less legible than a working key.
        const QColor greyed =
            QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText);
        const QImage lockedImage = locked->grab().toImage();
        bool greyedPixel = false;
        for (int y = 0; y < lockedImage.height(); ++y) {
            for (int x = 0; x < lockedImage.width(); ++x)
                greyedPixel = greyedPixel || lockedImage.pixelColor(x, y) == greyed;
        }
        QVERIFY(greyedPixel);
        QCOMPARE_LT(captionContrast(locked), captionContrast(working));
    }

    void aPastedExpressionIsWorkedOut() {
        QApplication::clipboard()->setText(QStringLiteral("2x(3+4)"));
        calcs_->Text2().setFocus(Qt::TabFocusReason);
        QTest::keyClick(&calcs_->Text2(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(calcs_->Text2().text(), QStringLiteral("2x(3+4)"));
        QTest::keyClick(&calcs_->Text2(), Qt::Key_Return);
        QCOMPARE(calcs_->Text2().text(), QStringLiteral("14"));
    }

    void aLongExpressionKeepsEveryTypedKey() {
        // 16,384 ones take the text to 32,767 characters, the most a line box holds by default;
        // the "+5" typed after them must count: 16,384 + 5.
        const QString ones = QStringLiteral("1+").repeated(16383) + QLatin1Char('1');
        calcs_->Text2().setFocus(Qt::TabFocusReason);
        calcs_->Text2().setText(ones);
        QTest::keyClicks(&calcs_->Text2(), QStringLiteral("+5"));
        QTest::keyClick(&calcs_->Text2(), Qt::Key_Return);
        QCOMPARE(calcs_->Text2().text(), QStringLiteral("16389"));
    }
};

QTEST_MAIN(KeypadWindowTest)
#include "keypad_window_test.moc"
