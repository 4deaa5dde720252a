// The keypad window where a scenario cannot reach: the shadows of the field names, locked keys
// drawn as locked, a paste into the entry box, and the same texts under a comma-decimal locale.

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLocale>
#include <QTest>
#include <clocale>
#include <string>

#include "app/calcs.h"
#include "support/window_test.h"
#include "ui/caption_label.h"

class KeypadWindowTest : public aerlith::test::WindowTest {
    Q_OBJECT

private:
    QString Press(const std::string& keys) {
        for (const char key : keys)
            QTest::mouseClick(Target(std::string("key ") + key), Qt::LeftButton);
        return calcs_->Text2().text();
    }

private slots:
    void eachFieldNameIsDrawnOverItsShadow() {
        QTest::mouseClick(Target("func 1"), Qt::LeftButton);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!calcs_->Label2(i)->text().isEmpty());
            QCOMPARE(calcs_->Label2(i + 4)->text(), calcs_->Label2(i)->text());
        }
    }

    void aLockedKeyDrawsItsCaptionDark() {
        // The bank's one palette draws every key; a locked key still takes its disabled colours.
        const auto whiteCaptionPixels = [](QWidget* key) {
            const QImage image = key->grab().toImage();
            int white = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) white += image.pixel(x, y) == 0xffffffff;
            }
            return white;
        };
        QWidget* key = Target("key 8");
        QVERIFY(whiteCaptionPixels(key) > 0);
        QTest::mouseClick(Target("func 5"), Qt::LeftButton);
        QVERIFY(!key->isEnabled());
        QCOMPARE(whiteCaptionPixels(key), 0);
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

    void aCommaDecimalLocaleChangesNoText() {
        const QLocale previous;
        const std::string previousC = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, "fr_CA.UTF-8") == nullptr) QSKIP("fr_CA.UTF-8 not installed");
        QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
        const QString sum = Press("1.5+1=");
        Press("C29.92");
        QTest::mouseClick(Target("conv 4"), Qt::LeftButton);
        const QString millibars = calcs_->Text2().text();
        QTest::mouseClick(Target("func 7"), Qt::LeftButton);
        calcs_->Text1(0)->setText(QStringLiteral("6500"));
        calcs_->Text1(1)->setText(QStringLiteral("120"));
        const QString airspeed = Press("=");
        std::setlocale(LC_ALL, previousC.c_str());
        QLocale::setDefault(previous);
        // 29.92 x 33.86395 = 1013.209..., and 6500 ft at 120 kt is 120 x (1 + 0.02 x 6.5) = 135.6.
        QCOMPARE(sum, QStringLiteral("2.5"));
        QCOMPARE(millibars, QStringLiteral("1013.21"));
        QCOMPARE(airspeed, QStringLiteral("The True Airspeed is 135.6"));
    }
};

QTEST_MAIN(KeypadWindowTest)
#include "keypad_window_test.moc"
