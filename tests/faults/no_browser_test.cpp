// The real ending with nowhere to open the web address: no xdg-open nor any browser on the
// search path and no browser named in the environment. Opening the address fails quietly; the
// thank-you window still closes, no window is left and the event loop ends with status 0.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/calcs.h"
#include "app/endbox.h"
#include "ui/platform_hooks.h"

using aerlith::app::Calcs;
using aerlith::app::Endbox;
namespace ui = aerlith::ui;

class NoBrowserTest : public QObject {
    Q_OBJECT

private slots:
    void theEndingWithoutABrowserLeavesWithStatusZero() {
        QTemporaryDir emptyPath;
        QVERIFY(emptyPath.isValid());
        qputenv("PATH", emptyPath.path().toLocal8Bit());
        qunsetenv("BROWSER");
        qunsetenv("DEFAULT_BROWSER");

        int thankYouShowings = 0;
        ui::SetModalObserver([&thankYouShowings](ui::Form& form) {
            auto* endbox = qobject_cast<Endbox*>(&form);
            if (endbox == nullptr) return;
            ++thankYouShowings;
            QTimer::singleShot(0, endbox, [endbox] { QTest::keyClick(endbox, Qt::Key_Escape); });
        });
        Calcs calcs{QStringLiteral(AERLITH_TEST_DATA_DIR)};
        calcs.Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(&calcs));
        QTimer::singleShot(0, &calcs, [&calcs] { calcs.close(); });
        // Should the ending fail to leave the loop, the test fails instead of hanging.
        QTimer stuck;
        stuck.setSingleShot(true);
        connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        stuck.start(10000);
        const int status = QApplication::exec();
        stuck.stop();
        ui::SetModalObserver({});

        QCOMPARE(status, 0);
        QCOMPARE(thankYouShowings, 1);
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
    }
};

QTEST_MAIN(NoBrowserTest)
#include "no_browser_test.moc"
