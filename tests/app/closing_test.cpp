// The main window's closing sequence and the thank-you window on the offscreen platform: every
// way in, every way out, each sequence at most once, exactly one web address and one end.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/calcs.h"
#include "app/endbox.h"
#include "ui/calcmodd.h"
#include "ui/caption_label.h"
#include "ui/image_box.h"
#include "ui/platform_hooks.h"

using aerlith::app::Calcs;
using aerlith::app::Endbox;
namespace ui = aerlith::ui;

namespace {

// How a test closes the main window.
enum CloseWay { CloseBox, SystemClose, EscapeOnWindow, EscapeOnKey };
// How a test dismisses the thank-you window.
enum DismissWay { ClickBackground, ClickNote, EscapeKey, ThankYouCloseBox };

}  // namespace

class ClosingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Calcs> calcs_;
    int ends_ = 0;
    QStringList addresses_;
    int thankYouShowings_ = 0;
    QString thankYouCaption_;
    bool mainHiddenWhenThankYouShown_ = false;
    bool timerStoppedWhenThankYouShown_ = false;
    // Runs on the thank-you window from inside its modal wait.
    std::function<void(Endbox&)> onThankYou_;

    static void Dismiss(Endbox& endbox, DismissWay way) {
        switch (way) {
            case ClickBackground:
                // The note covers everything but a thin strip along the top and left edges.
                QTest::mouseClick(&endbox, Qt::LeftButton, {}, QPoint(1, 1));
                break;
            case ClickNote:
                QTest::mouseClick(endbox.Label1(0), Qt::LeftButton, {}, QPoint(20, 20));
                break;
            case EscapeKey:
                QTest::keyClick(&endbox, Qt::Key_Escape);
                break;
            case ThankYouCloseBox:
                endbox.windowHandle()->close();
                break;
        }
    }

    void CloseMainWindow(CloseWay way) {
        switch (way) {
            case CloseBox:
                calcs_->close();
                break;
            case SystemClose:
                calcs_->windowHandle()->close();
                break;
            case EscapeOnWindow:
                QTest::keyClick(calcs_.get(), Qt::Key_Escape);
                break;
            case EscapeOnKey:
                QTest::keyClick(calcs_->ButtonPlus1(5), Qt::Key_Escape);
                break;
        }
    }

private slots:
    void initTestCase() {
        ui::SetEndProgram([this] { ++ends_; });
        ui::SetOpenWebAddress([this](const QString& address) { addresses_ << address; });
        ui::SetModalObserver([this](ui::Form& form) {
            auto* endbox = qobject_cast<Endbox*>(&form);
            if (endbox == nullptr) return;
            ++thankYouShowings_;
            thankYouCaption_ = endbox->windowTitle();
            mainHiddenWhenThankYouShown_ = calcs_ != nullptr && !calcs_->isVisible();
            timerStoppedWhenThankYouShown_ = calcs_ != nullptr && !calcs_->Timer1().isActive();
            QTimer::singleShot(0, endbox, [this, endbox] {
                if (onThankYou_) onThankYou_(*endbox);
                // A window the test left open is closed so that the test goes on.
                if (endbox->isVisible()) endbox->windowHandle()->close();
            });
        });
    }

    void init() {
        ends_ = 0;
        addresses_.clear();
        thankYouShowings_ = 0;
        thankYouCaption_.clear();
        mainHiddenWhenThankYouShown_ = false;
        timerStoppedWhenThankYouShown_ = false;
        onThankYou_ = nullptr;
        calcs_ = std::make_unique<Calcs>(QStringLiteral(AERLITH_TEST_DATA_DIR));
        calcs_->Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(calcs_.get()));
    }

    void cleanup() {
        calcs_.reset();
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
    }

    void everyWayOfClosingShowsTheThankYouWindowOnce_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("close box") << int(CloseBox);
        QTest::newRow("system menu") << int(SystemClose);
        QTest::newRow("Escape on the window") << int(EscapeOnWindow);
        QTest::newRow("Escape on keypad key 5") << int(EscapeOnKey);
    }

    void everyWayOfClosingShowsTheThankYouWindowOnce() {
        QFETCH(int, way);
        onThankYou_ = [this](Endbox& endbox) {
            // Further close requests while the sequence runs have no effect.
            calcs_->close();
            QTest::keyClick(calcs_.get(), Qt::Key_Escape);
            Dismiss(endbox, EscapeKey);
        };
        CloseMainWindow(static_cast<CloseWay>(way));
        QCOMPARE(thankYouShowings_, 1);
        QCOMPARE(thankYouCaption_, QStringLiteral("Thank you!"));
        QVERIFY(mainHiddenWhenThankYouShown_);
        QVERIFY(timerStoppedWhenThankYouShown_);
        QCOMPARE(addresses_.size(), 1);
        QCOMPARE(ends_, 1);
        // A close request after the end changes nothing.
        calcs_->close();
        QCOMPARE(thankYouShowings_, 1);
        QCOMPARE(ends_, 1);
    }

    void everyWayOfDismissingOpensTheAddressOnceAndEnds_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("click on the background") << int(ClickBackground);
        QTest::newRow("click on the note") << int(ClickNote);
        QTest::newRow("Escape") << int(EscapeKey);
        QTest::newRow("close box") << int(ThankYouCloseBox);
    }

    void everyWayOfDismissingOpensTheAddressOnceAndEnds() {
        QFETCH(int, way);
        bool closedByTheWay = false;
        int endsWhenAddressOpened = -1;
        ui::SetOpenWebAddress([&](const QString& address) {
            addresses_ << address;
            endsWhenAddressOpened = ends_;
        });
        onThankYou_ = [&, way](Endbox& endbox) {
            Dismiss(endbox, static_cast<DismissWay>(way));
            closedByTheWay = !endbox.isVisible();
            // Close requests arriving after the ending sequence began have no effect.
            QTest::keyClick(&endbox, Qt::Key_Escape);
            endbox.close();
        };
        calcs_->close();
        ui::SetOpenWebAddress([this](const QString& address) { addresses_ << address; });
        QVERIFY(closedByTheWay);
        QCOMPARE(addresses_, QStringList{QStringLiteral(AERLITH_CONFIGURED_WEB_ADDRESS)});
        QCOMPARE(endsWhenAddressOpened, 0);
        QCOMPARE(ends_, 1);
    }

    void otherKeysAndThePictureLeaveItOpen() {
        bool openAfterKeys = false;
        bool openAfterPicture = false;
        int addressesWhileOpen = -1;
        onThankYou_ = [&](Endbox& endbox) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_A, Qt::Key_F4}) {
                QTest::keyClick(&endbox, key);
            }
            openAfterKeys = endbox.isVisible();
            QTest::mouseClick(&endbox.Image1(), Qt::LeftButton);
            openAfterPicture = endbox.isVisible();
            addressesWhileOpen = static_cast<int>(addresses_.size());
            Dismiss(endbox, EscapeKey);
        };
        calcs_->close();
        QVERIFY(openAfterKeys);
        QVERIFY(openAfterPicture);
        QCOMPARE(addressesWhileOpen, 0);
        QCOMPARE(addresses_.size(), 1);
        QCOMPARE(ends_, 1);
    }

    void thankYouWindowIsBuiltScaledAndCentred() {
        QString note;
        QString pictureName;
        ui::TwipsRect window;
        onThankYou_ = [&](Endbox& endbox) {
            note = endbox.Label1(0)->text();
            QCOMPARE(endbox.Label1(1)->text(), note);
            pictureName = endbox.Image1().PictureName();
            window = endbox.Twips();
            Dismiss(endbox, EscapeKey);
        };
        calcs_->close();
        // Seventeen lines, each after a carriage return and a line feed.
        const QStringList lines = note.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 18);
        QCOMPARE(lines[0], QString());
        QVERIFY(lines[1].startsWith(QStringLiteral("Thank-you for using the Aerlith")));
        QVERIFY(lines[3].isEmpty() && lines[4].isEmpty() && lines[10].isEmpty());
        QCOMPARE(lines[5], QStringLiteral("If you have any questions, we can be contacted at:"));
        QCOMPARE(lines[11], QStringLiteral("Or in cyberspace at"));
        QVERIFY(lines[12].endsWith(QStringLiteral(".test")));
        QVERIFY(lines[14].contains(QLatin1Char('@')));
        QVERIFY(lines[15].isEmpty() && lines[16].isEmpty());
        QCOMPARE(lines[17], QStringLiteral("Copyright (C) Aerlith. All rights reserved."));
        QCOMPARE(pictureName, QStringLiteral("e6e.jpg"));
        // 7000 x 1.28 x 1.33 = 11916.8 wide and 4250 x 1.28 = 5440 high, centred on the work
        // area measured at start: the leftover, the size rounded first, halved toward zero.
        QVERIFY(std::abs(window.width - 11916.8) < 0.01);
        QVERIFY(std::abs(window.height - 5440) < 0.01);
        const auto& area = ui::calcmodd::State();
        QCOMPARE(window.left, static_cast<float>((area.ScreenWidth - 11917) / 2));
        QCOMPARE(window.top, static_cast<float>((area.ScreenHeight - 5440) / 2));
    }

    // Last: it runs the real event loop with the real ending, which leaves it with status 0.
    void theRealEndingLeavesTheEventLoopWithNoWindowOpen() {
        ui::SetEndProgram({});
        onThankYou_ = [](Endbox& endbox) { Dismiss(endbox, EscapeKey); };
        QTimer::singleShot(0, calcs_.get(), [this] { calcs_->close(); });
        // Should the ending fail to leave the loop, the test fails instead of hanging.
        QTimer stuck;
        stuck.setSingleShot(true);
        connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        stuck.start(5000);
        const int status = QApplication::exec();
        stuck.stop();
        ui::SetEndProgram([this] { ++ends_; });
        QCOMPARE(status, 0);
        QCOMPARE(thankYouShowings_, 1);
        QCOMPARE(addresses_.size(), 1);
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
    }
};

QTEST_MAIN(ClosingTest)
#include "closing_test.moc"
