// The real ending with nowhere to open the web address: no xdg-open nor any browser on the
// search path and no browser named in the environment. Opening the address fails quietly; the
// thank-you window still closes, no window is left and the event loop ends with status 0.

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/calcs.h"
#include "support/window_test.h"
#include "ui/platform_hooks.h"

namespace ui = aerlith::ui;

class NoBrowserTest : public aerlith::test::WindowTest {
    Q_OBJECT

private slots:
    void theEndingWithoutABrowserLeavesWithStatusZero() {
        QTemporaryDir emptyPath;
        QVERIFY(emptyPath.isValid());
        qputenv("PATH", emptyPath.path().toLocal8Bit());
        qunsetenv("BROWSER");
        qunsetenv("DEFAULT_BROWSER");
        ui::SetOpenWebAddress({});
        ui::SetEndProgram({});
        Answer([](ui::Form& endbox) { QTest::keyClick(&endbox, Qt::Key_Escape); });
        QTimer::singleShot(0, calcs_.get(), [this] { calcs_->close(); });
        // Should the ending fail to leave the loop, the test fails instead of hanging.
        QTimer stuck;
        connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        stuck.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(modals_, QStringList{QStringLiteral("Thank you!")});
    }
};

QTEST_MAIN(NoBrowserTest)
#include "no_browser_test.moc"
