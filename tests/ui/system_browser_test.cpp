// Opening the web address the Windows way, through the shell's "open" of the address, once. The
// tests' Wine prefix hands every http and https address the shell opens to a command that writes
// it to a file, so the test sees what a browser would have been given.

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <QThread>

#include "ui/system_browser.h"

namespace {

// How often `address` has been handed over so far.
int TimesOpened(const QString& address) {
    QFile opened(QStringLiteral(AERLITH_WINE_OPENED_URLS));
    if (!opened.open(QIODevice::ReadOnly)) return 0;
    int times = 0;
    while (!opened.atEnd()) {
        if (QString::fromUtf8(opened.readLine()).trimmed() == address) ++times;
    }
    return times;
}

TEST(SystemBrowser, HandsTheAddressToTheShellOnceAndIgnoresWhatNothingOpens) {
    const QString address = QStringLiteral("https://www.aerlith.test/?run=%1")
                                .arg(QRandomGenerator::global()->generate());
    const QString unopenable =
        QStringLiteral("aerlith-nothing-opens-this:%1").arg(QRandomGenerator::global()->generate());
    // Nothing answers this scheme: the call returns without a word and the next one works.
    aerlith::ui::OpenInSystemBrowser(unopenable);
    aerlith::ui::OpenInSystemBrowser(address);
    // The recording command runs in a process of its own.
    for (int wait = 0; wait < 200 && TimesOpened(address) == 0; ++wait) QThread::msleep(50);
    QThread::msleep(500);
    EXPECT_EQ(TimesOpened(address), 1);
    EXPECT_EQ(TimesOpened(unopenable), 0);
}

}  // namespace
