// The message and choice box on the offscreen platform: the short and long layouts, every way
// of closing it and the answer each leaves, hover marks, and the wait that lets timers run.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/calcmodd.h"
#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/cibox.h"
#include "ui/platform_hooks.h"

using aerlith::ui::Cibox;
namespace ui = aerlith::ui;
namespace calcmodd = aerlith::ui::calcmodd;

namespace {

// What the box looked like when it opened, and whether the action closed it.
struct Seen {
    int showings = 0;
    QString caption;
    QString text;
    bool longLayout = false;
    bool okShown = false;
    bool skipShown = false;
    bool okHasFocus = false;
    float widthTwips = 0;
    float heightTwips = 0;
    bool closedByAction = false;
};

// Shows the box and runs `act` on it from inside its modal wait; a box the action leaves open is
// closed afterwards so that the test goes on.
Seen ShowAndAct(const QString& text, const QString& title, const std::function<void(Cibox&)>& act) {
    Seen seen;
    ui::SetModalObserver([&seen, &act](ui::Form& form) {
        auto* box = qobject_cast<Cibox*>(&form);
        if (box == nullptr) return;
        ++seen.showings;
        seen.caption = box->windowTitle();
        seen.text = box->Text();
        seen.longLayout = box->IsLongLayout();
        seen.okShown = box->ButtonPlus1(0)->isVisibleTo(box);
        seen.skipShown = box->ButtonPlus1(1)->isVisibleTo(box);
        seen.okHasFocus = box->focusWidget() == box->ButtonPlus1(0);
        seen.widthTwips = box->Twips().width;
        seen.heightTwips = box->Twips().height;
        QTimer::singleShot(0, box, [box, &seen, &act] {
            act(*box);
            seen.closedByAction = box->IsUnloaded();
            if (!box->IsUnloaded()) box->close();
        });
    });
    ui::ShowInfoBox(text, title);
    ui::SetModalObserver({});
    return seen;
}

void ClickButton(Cibox& box, int index) {
    QTest::mouseClick(box.ButtonPlus1(index), Qt::LeftButton);
}

void KeyOnFocused(Cibox& box, Qt::Key key) {
    QWidget* target = box.focusWidget() != nullptr ? box.focusWidget() : &box;
    QTest::keyClick(target, key);
}

// The ways of closing the box that the answer test tries.
enum Way {
    ClickOk,
    ClickSkip,
    EnterOnOk,
    EnterOnSkip,
    EscOnOk,
    EscOnSkip,
    EscOnWindow,
    ClickText,
    ClickShadowText,
    CloseBox,
};

const QString kShortText = QStringLiteral("abcd ").repeated(14);  // 70 characters
const QString kLongText = kShortText + QStringLiteral("e");       // 71 characters

}  // namespace

class CiboxTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // The factors the main window's scaling pass leaves before any box is shown.
        calcmodd::State().SizeFactor = 1.408f;
        calcmodd::State().WidthFactor = 1.064f;
        // Not 2, so that an answer of 2 after closing is the one the box's load set.
        calcmodd::BoxAnswer() = 0;
    }

    void cleanup() {
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
    }

    void layoutFollowsTheTextLength_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("longLayout");
        QTest::addColumn<double>("widthTwips");
        // Widths by hand: 7000 x 1.1264 x 0.9 = 7096.32 and 10300 x 1.1264 x 0.9 = 10441.728.
        QTest::newRow("empty text") << QString() << false << 7096.32;
        QTest::newRow("70 characters") << kShortText << false << 7096.32;
        QTest::newRow("71 characters") << kLongText << true << 10441.728;
        QTest::newRow("look-up question")
            << QStringLiteral("Do you want this one?      ") << false << 7096.32;
    }

    void layoutFollowsTheTextLength() {
        QFETCH(QString, text);
        QFETCH(bool, longLayout);
        QFETCH(double, widthTwips);
        const Seen seen = ShowAndAct(text, QStringLiteral("Title"), [](Cibox&) {});
        QCOMPARE(seen.showings, 1);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.longLayout, longLayout);
        QCOMPARE(seen.okShown, !longLayout);
        QCOMPARE(seen.skipShown, !longLayout);
        QCOMPARE(seen.okHasFocus, !longLayout);
        // Single-precision products of twips: a hundredth of a twip is far below a pixel.
        QVERIFY2(std::abs(seen.widthTwips - widthTwips) < 0.01,
                 qPrintable(QString::number(seen.widthTwips)));
    }

    void everyWayOfClosingLeavesItsAnswer_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("answer");
        const QString question = QStringLiteral("Do you want this one?      ");
        QTest::newRow("click OK") << question << int(ClickOk) << 1;
        QTest::newRow("click Skip") << question << int(ClickSkip) << 2;
        QTest::newRow("Enter on the focused OK") << question << int(EnterOnOk) << 1;
        QTest::newRow("Tab to Skip, Enter") << question << int(EnterOnSkip) << 2;
        QTest::newRow("Esc on OK only closes") << question << int(EscOnOk) << 2;
        QTest::newRow("Esc on Skip") << question << int(EscOnSkip) << 2;
        QTest::newRow("short: click on the text") << question << int(ClickText) << 2;
        QTest::newRow("short: click on the shadow") << question << int(ClickShadowText) << 2;
        QTest::newRow("short: close box") << question << int(CloseBox) << 2;
        QTest::newRow("long: Esc to the window") << kLongText << int(EscOnWindow) << 2;
        QTest::newRow("long: click on the text") << kLongText << int(ClickText) << 2;
        QTest::newRow("long: close box") << kLongText << int(CloseBox) << 2;
    }

    void everyWayOfClosingLeavesItsAnswer() {
        QFETCH(QString, text);
        QFETCH(int, way);
        QFETCH(int, answer);
        const Seen seen = ShowAndAct(text, QStringLiteral("Title"), [way](Cibox& box) {
            switch (static_cast<Way>(way)) {
                case ClickOk:
                    ClickButton(box, 0);
                    break;
                case ClickSkip:
                    ClickButton(box, 1);
                    break;
                case EnterOnOk:
                    KeyOnFocused(box, Qt::Key_Return);
                    break;
                case EnterOnSkip:
                    KeyOnFocused(box, Qt::Key_Tab);
                    QCOMPARE(box.focusWidget(), box.ButtonPlus1(1));
                    KeyOnFocused(box, Qt::Key_Return);
                    break;
                case EscOnOk:
                    QTest::keyClick(box.ButtonPlus1(0), Qt::Key_Escape);
                    break;
                case EscOnSkip:
                    QTest::keyClick(box.ButtonPlus1(1), Qt::Key_Escape);
                    break;
                case EscOnWindow:
                    QCOMPARE(box.focusWidget(), nullptr);
                    QTest::keyClick(&box, Qt::Key_Escape);
                    break;
                case ClickText:
                    QTest::mouseClick(box.Label1(0), Qt::LeftButton, {}, QPoint(5, 5));
                    break;
                case ClickShadowText:
                    QTest::mouseClick(box.Label1(1), Qt::LeftButton, {}, QPoint(5, 5));
                    break;
                case CloseBox:
                    box.windowHandle()->close();
                    break;
            }
        });
        QVERIFY(seen.closedByAction);
        QCOMPARE(calcmodd::BoxAnswer(), answer);
    }

    void otherKeysLeaveTheBoxOpen_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("short, keys on OK") << QStringLiteral("Do you want this one?      ");
        QTest::newRow("long, keys on the window") << kLongText;
    }

    void otherKeysLeaveTheBoxOpen() {
        QFETCH(QString, text);
        const Seen seen = ShowAndAct(text, QStringLiteral("Title"), [](Cibox& box) {
            for (const Qt::Key key : {Qt::Key_A, Qt::Key_C, Qt::Key_Backspace, Qt::Key_F1}) {
                KeyOnFocused(box, key);
            }
            if (box.IsLongLayout()) KeyOnFocused(box, Qt::Key_Return);
        });
        QVERIFY(!seen.closedByAction);
        QCOMPARE(calcmodd::BoxAnswer(), 2);
    }

    void longHeightDependsOnThePreviousPass() {
        // Before scaling the long box is 800 / WidthFactor + the label's height tall, with the
        // factor of the previous pass: 1.064 after the main window's, 0.9 after a box's. The label
        // is the same each time, so the scaled heights differ by
        // (800 / 0.9 - 800 / 1.064) x 1.1264 = (888.889 - 751.880) x 1.1264 = 154.327 twips.
        const Seen first = ShowAndAct(kLongText, QStringLiteral("Help"), [](Cibox&) {});
        QCOMPARE(calcmodd::State().WidthFactor, 0.9f);
        const Seen second = ShowAndAct(kLongText, QStringLiteral("Help"), [](Cibox&) {});
        const Seen third = ShowAndAct(kLongText, QStringLiteral("Help"), [](Cibox&) {});
        const double difference = second.heightTwips - first.heightTwips;
        QVERIFY2(std::abs(difference - 154.327) < 0.05, qPrintable(QString::number(difference)));
        QCOMPARE(third.heightTwips, second.heightTwips);
        QCOMPARE(second.widthTwips, first.widthTwips);
    }

    void longHeightBeforeAnyPassKeepsItsValue() {
        // With no pass yet the factor is 0: the division fails and the box keeps the height of
        // the label + 1700 that it had, so it is still taller than the label alone.
        calcmodd::State().WidthFactor = 0;
        const Seen seen = ShowAndAct(kLongText, QStringLiteral("Help"), [](Cibox&) {});
        QVERIFY(seen.longLayout);
        QVERIFY(std::isfinite(seen.heightTwips));
        QVERIFY(seen.heightTwips > 1700 * 1.1264);
    }

    void hoverMarksStayUntilTheBackground() {
        bool okAlone = false;
        bool both = false;
        bool cleared = false;
        ShowAndAct(QStringLiteral("Do you want this one?      "), QStringLiteral("Title"),
                   [&](Cibox& box) {
                       ui::CheckButton* ok = box.ButtonPlus1(0);
                       ui::CheckButton* skip = box.ButtonPlus1(1);
                       QTest::mouseMove(ok);
                       okAlone = ok->font().underline() && !skip->font().underline();
                       QTest::mouseMove(skip);
                       both = ok->font().underline() && skip->font().underline();
                       QTest::mouseMove(&box, QPoint(2, box.height() - 2));
                       cleared = !ok->font().underline() && !skip->font().underline();
                   });
        QVERIFY(okAlone);
        QVERIFY(both);
        QVERIFY(cleared);
    }

    void timerTicksGoOnWhileTheBoxWaits() {
        int ticks = 0;
        QTimer timer;
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start();
        int ticksWhenShown = -1;
        ShowAndAct(QStringLiteral("x"), QStringLiteral("Title"), [&](Cibox&) {
            ticksWhenShown = ticks;
            QTest::qWait(100);
        });
        QVERIFY(ticksWhenShown >= 0);
        QVERIFY2(ticks - ticksWhenShown >= 3, qPrintable(QString::number(ticks)));
    }
};

QTEST_MAIN(CiboxTest)
#include "cibox_test.moc"
