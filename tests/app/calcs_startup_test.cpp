// The main window as it comes up: controls, captions, geometry after scaling, tooltips, the
// hidden value boxes and the picture sequence, on the offscreen platform.

#include <QApplication>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/application.h"
#include "app/calcs.h"
#include "tables/text_tables.h"
#include "ui/platform_hooks.h"
#include "ui/texts.h"

using aerlith::app::Calcs;

class CalcsStartupTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Calcs> calcs_;
    int endCount_ = 0;

    // The expected pixel edge of a twips position, scaled by `factor` (15 twips a pixel here).
    static int Pixel(double twips, double factor) { return qRound(twips * factor / 15.0); }

private slots:
    void initTestCase() {
        aerlith::app::PrepareApplication(*qApp);
        aerlith::ui::SetEndProgram([this] { ++endCount_; });
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchX(), 96.0);
    }

    void init() {
        calcs_ = std::make_unique<Calcs>(QStringLiteral(AERLITH_TEST_DATA_DIR));
        calcs_->Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(calcs_.get()));
    }

    void cleanup() { calcs_.reset(); }

    void titleHasFourLeadingBlanks() {
        const QString title = calcs_->windowTitle();
        QVERIFY(title.startsWith(QStringLiteral("    Aerlith")));
        QVERIFY(!title.startsWith(QStringLiteral("     ")));
    }

    void banksHaveTheirMembersAndCaptions() {
        QCOMPARE(calcs_->Array(QStringLiteral("buttonplus1")).size(), std::size_t{20});
        QCOMPARE(calcs_->Array(QStringLiteral("buttonplus2")).size(), std::size_t{18});
        QCOMPARE(calcs_->Array(QStringLiteral("buttonplus3")).size(), std::size_t{9});
        QCOMPARE(calcs_->Array(QStringLiteral("Text1")).size(), std::size_t{4});
        QCOMPARE(calcs_->Array(QStringLiteral("label2")).size(), std::size_t{8});
        const QString keypad = QStringLiteral("7410852.963C/x-+<=)(");
        for (int k = 0; k < 20; ++k) QCOMPARE(calcs_->ButtonPlus1(k)->text(), QString(keypad[k]));
        QCOMPARE(calcs_->ButtonPlus2(0)->text(), QStringLiteral("Celsi&us - F"));
        QCOMPARE(calcs_->ButtonPlus2(12)->text(), QStringLiteral("L&itres-ImpGal"));
        QCOMPARE(calcs_->ButtonPlus2(17)->text(), QStringLiteral("Feet &\\Metres"));
        QCOMPARE(calcs_->ButtonPlus3(0)->text(), QStringLiteral("Cross&wind Component"));
        QCOMPARE(calcs_->ButtonPlus3(8)->text(), QStringLiteral("Dewp&oint"));
    }

    void geometryFollowsTheScaledLayout_data() {
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        // Twips before scaling, worked from the layout rules of each bank.
        QTest::newRow("key 0 (7)") << "buttonplus1" << 0 << 180.0 << 565.0 << 450.0 << 500.0;
        QTest::newRow("key 3 (0)") << "buttonplus1" << 3 << 180.0 << 2260.0 << 450.0 << 500.0;
        QTest::newRow("key 19 (()") << "buttonplus1" << 19 << 2100.0 << 2260.0 << 450.0 << 500.0;
        QTest::newRow("conversion 0") << "buttonplus2" << 0 << 2640.0 << 560.0 << 1500.0 << 350.0;
        QTest::newRow("conversion 17")
            << "buttonplus2" << 17 << 5780.0 << 2410.0 << 1500.0 << 350.0;
        QTest::newRow("function 4, bottom row")
            << "buttonplus3" << 4 << 8180.0 << 3240.0 << 1920.0 << 500.0;
        QTest::newRow("function 5, upper row")
            << "buttonplus3" << 5 << 180.0 << 2800.0 << 1720.0 << 400.0;
        QTest::newRow("value box 3") << "Text1" << 3 << 7400.0 << 2410.0 << 2700.0 << 320.0;
        QTest::newRow("picture") << "Image3" << 0 << 7370.0 << 570.0 << 2710.0 << 2600.0;
    }

    void geometryFollowsTheScaledLayout() {
        QFETCH(QString, array);
        QFETCH(int, index);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, width);
        QFETCH(double, height);
        const QRect actual = calcs_->Member(array, index)->Widget().geometry();
        constexpr double kAcross = 1.498112;
        constexpr double kDown = 1.408;
        // Within one pixel of the scaled twips.
        QVERIFY(qAbs(actual.left() - Pixel(left, kAcross)) <= 1);
        QVERIFY(qAbs(actual.top() - Pixel(top, kDown)) <= 1);
        QVERIFY(qAbs(actual.width() - Pixel(width, kAcross)) <= 1);
        QVERIFY(qAbs(actual.height() - Pixel(height, kDown)) <= 1);
    }

    void windowIsScaledAndCentred() {
        // The platform may add a frame around the inner area; the layout sizes the inner area.
        const QRect frame = calcs_->geometry();
        QVERIFY(qAbs(frame.width() - Pixel(10400, 1.498112)) <= 1);
        QVERIFY(qAbs(frame.height() - Pixel(4250, 1.408)) <= 1);
        // Centring places the window's outer corner; a platform frame adds its margins.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect outer = calcs_->frameGeometry();
        const int margin = outer.width() - frame.width();
        QVERIFY(qAbs(outer.left() - (screen.width() - frame.width()) / 2) <= 1 + margin);
        QVERIFY(qAbs(outer.top() - (screen.height() - frame.height()) / 2) <= 1 + margin);
    }

    void tooltipsByBank() {
        const QString tail = aerlith::ui::MessageText(14);
        QCOMPARE(calcs_->ButtonPlus1(5)->toolTip(), aerlith::ui::MessageText(13) + tail);
        QCOMPARE(calcs_->ButtonPlus2(9)->toolTip(), aerlith::ui::MessageText(16) + tail);
        for (int i : {0, 1, 2})
            QCOMPARE(calcs_->ButtonPlus3(i)->toolTip(), aerlith::ui::MessageText(17) + tail);
        QCOMPARE(calcs_->ButtonPlus3(3)->toolTip(), aerlith::ui::MessageText(20) + tail);
        QCOMPARE(calcs_->ButtonPlus3(4)->toolTip(), aerlith::ui::MessageText(18) + tail);
        for (int i : {5, 6, 7, 8})
            QCOMPARE(calcs_->ButtonPlus3(i)->toolTip(), aerlith::ui::MessageText(19) + tail);
        QCOMPARE(calcs_->Text2().toolTip(), aerlith::ui::MessageText(12));
    }

    void valueBoxesHiddenAndEntryEmpty() {
        for (int i = 0; i < 4; ++i) QVERIFY(!calcs_->Text1(i)->isVisible());
        QVERIFY(calcs_->Text2().text().isEmpty());
        QCOMPARE(calcs_->state.entryState, 0);
        QVERIFY(calcs_->state.modeLetter.isEmpty());
    }

    void entryHomeIsTheScaledEntryBox() {
        const auto& home = calcs_->state.entryHome;
        QVERIFY(qAbs(home[0] - 180 * 1.498112) < 1);
        QVERIFY(qAbs(home[1] - 100 * 1.408) < 1);
        QVERIFY(qAbs(home[2] - 9950 * 1.498112) < 1);
        QVERIFY(qAbs(home[3] - 350 * 1.408) < 1);
    }

    void captionsAreDrawnInTahoma() {
        // fonts-wine is installed by the setup script; the program loads its Tahoma when the
        // system has none of its own.
        QCOMPARE(QFontInfo(calcs_->ButtonPlus1(0)->font()).family(), QStringLiteral("Tahoma"));
        QCOMPARE(QFontInfo(calcs_->Text2().font()).family(), QStringLiteral("Tahoma"));
    }

    void windowCarriesItsIcon() { QVERIFY(!calcs_->windowIcon().isNull()); }

    void keyZeroIsFirstInTheTabOrder() {
        QCOMPARE(QApplication::focusWidget(), calcs_->ButtonPlus1(0));
    }

    void pictureAlternatesFromE6b2() {
        QCOMPARE(calcs_->Image3().PictureName(), QStringLiteral("e6b2.jpg"));
        QCOMPARE(calcs_->Timer1().interval(), 3000);
        QVERIFY(calcs_->Timer1().isActive());
        const char* sequence[] = {"e6b1.jpg", "e6b2.jpg", "e6b1.jpg", "e6b2.jpg"};
        for (const char* expected : sequence) {
            calcs_->Timer1_Timer();
            QCOMPARE(calcs_->Image3().PictureName(), QString::fromLatin1(expected));
        }
    }

    void missingPicturesLeaveTheImageEmpty() {
        QTemporaryDir empty;
        Calcs bare(empty.path());
        bare.Form_Load();
        QCOMPARE(bare.Image3().PictureName(), QStringLiteral("e6b2.jpg"));
        QVERIFY(bare.Image3().pixmap().isNull());
        QVERIFY(bare.isVisible());
        bare.Timer1_Timer();
        QVERIFY(bare.Image3().pixmap().isNull());
        bare.Timer1().stop();
    }
};

QTEST_MAIN(CalcsStartupTest)
#include "calcs_startup_test.moc"
