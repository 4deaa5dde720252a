// The ending beyond what a scenario sees (it stops at the first ending): the thank-you window shows
// once however the main window is closed, and the web address opens once and before the end
// whatever arrives after. The real ending: tests/faults/no_browser_test.cpp.

#include <QKeySequence>
#include <QTest>
#include <QWindow>

#include "app/calcs.h"
#include "app/endbox.h"
#include "support/window_test.h"
#include "ui/image_box.h"

using aerlith::app::Endbox;
namespace ui = aerlith::ui;

namespace {

const QStringList kEnding{QStringLiteral("open " AERLITH_CONFIGURED_WEB_ADDRESS),
                          QStringLiteral("end")};

// A click on the thank-you window's "background" or "picture", else the key of that name.
void Do(Endbox& endbox, const QString& way) {
    if (way == QLatin1String("background")) {
        // The note covers everything but a thin strip along the top and left edges.
        QTest::mouseClick(&endbox, Qt::LeftButton, {}, QPoint(1, 1));
    } else if (way == QLatin1String("picture")) {
        QTest::mouseClick(&endbox.Image1(), Qt::LeftButton);
    } else {
        QTest::keyClick(&endbox, QKeySequence::fromString(way)[0].key());
    }
}

}  // namespace

class ClosingTest : public aerlith::test::WindowTest {
    Q_OBJECT

private slots:
    void theThankYouWindowShowsOnce_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("close box") << false;
        QTest::newRow("Escape on the window") << true;
    }

    void theThankYouWindowShowsOnce() {
        QFETCH(bool, byEscape);
        // The picture changes every three seconds until the closing stops it.
        QCOMPARE(calcs_->Timer1().interval(), 3000);
        calcs_->Timer1().start();
        bool mainWindowHiddenAndStill = false;
        Answer([&](ui::Form& endbox) {
            mainWindowHiddenAndStill = !calcs_->isVisible() && !calcs_->Timer1().isActive();
            // Close requests while the sequence runs have no effect.
            calcs_->close();
            QTest::keyClick(calcs_.get(), Qt::Key_Escape);
            Do(dynamic_cast<Endbox&>(endbox), QStringLiteral("Esc"));
        });
        if (byEscape) {
            QTest::keyClick(calcs_.get(), Qt::Key_Escape);
        } else {
            calcs_->windowHandle()->close();
        }
        calcs_->close();
        QVERIFY(mainWindowHiddenAndStill);
        QCOMPARE(modals_, QStringList{QStringLiteral("Thank you!")});
        QCOMPARE(calls_, kEnding);
    }

    void onlyADismissalEndsTheProgram_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("dismisses");
        QTest::newRow("click on the background") << "background" << true;
        QTest::newRow("click on the picture") << "picture" << false;
        QTest::newRow("Space") << "Space" << false;
    }

    void onlyADismissalEndsTheProgram() {
        QFETCH(QString, way);
        QFETCH(bool, dismisses);
        Answer([&](ui::Form& form) {
            auto& endbox = dynamic_cast<Endbox&>(form);
            Do(endbox, way);
            QCOMPARE(endbox.isVisible(), !dismisses);
            QCOMPARE(calls_.size(), dismisses ? 2 : 0);
            // Requests after the ending began have no effect.
            Do(endbox, QStringLiteral("Esc"));
            endbox.close();
        });
        calcs_->close();
        QCOMPARE(calls_, kEnding);
    }

    void theNoteHasSeventeenLines() {
        // Each after a carriage return and a line feed; the rights notice last.
        const QStringList lines = aerlith::app::ThankYouNote().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 1 + 17);
        QVERIFY(lines.first().isEmpty());
        QVERIFY2(lines.last().startsWith(QStringLiteral("Copyright")), qPrintable(lines.last()));
    }
};

QTEST_MAIN(ClosingTest)
#include "closing_test.moc"
