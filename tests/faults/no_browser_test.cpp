// The real ending with nowhere to open the web address: no xdg-open nor any browser on the
// search path and no browser named in the environment. Opening the address fails quietly; the
// thank-you window still closes, no window is left and the event loop ends with status 0.

#include <QTemporaryDir>
#include <QTest>

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
        const ui::OpenWebAddressFunction recorder = ui::SetOpenWebAddress({});
        Answer([](ui::Form& endbox) { QTest::keyClick(&endbox, Qt::Key_Escape); });
        const int status = RunToTheRealEnding([this] { calcs_->close(); });
        ui::SetOpenWebAddress(recorder);
        QCOMPARE(status, 0);
        QCOMPARE(modals_, QStringList{QStringLiteral("Thank you!")});
    }
};

QTEST_MAIN(NoBrowserTest)
#include "no_browser_test.moc"
