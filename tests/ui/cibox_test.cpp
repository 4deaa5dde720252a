// The message and choice box shown directly, for what no scenario can reach: the layout boundary
// at 70 characters, ways of answering that a scenario's replies cannot take, and its hover
// marks.

#include <QTest>

#include "support/window_test.h"
#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/cibox.h"

using aerlith::ui::Cibox;
namespace ui = aerlith::ui;

namespace {

const QString kSeventy = QStringLiteral("abcd ").repeated(14);

enum Way { TabToSkipThenEnter, ClickOnTheShadow, OtherKeysOnOk };

}  // namespace

class CiboxTest : public aerlith::test::WindowTest {
    Q_OBJECT

private slots:
    void aTextOverSeventyCharactersGetsTheLongLayout() {
        for (const QString& text : {kSeventy, kSeventy + QLatin1Char('e')}) {
            const bool longLayout = text.size() > 70;
            ShowBox(
                [longLayout, text](Cibox& box) {
                    QCOMPARE(box.Text(), text);
                    QCOMPARE(box.IsLongLayout(), longLayout);
                    QCOMPARE(box.ButtonPlus1(0)->isVisible(), !longLayout);
                    QCOMPARE(box.ButtonPlus1(1)->isVisible(), !longLayout);
                    QCOMPARE(box.focusWidget() == box.ButtonPlus1(0), !longLayout);
                },
                text);
        }
    }

    void theKeyboardAndTheTextsShadowAnswerSkip_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Tab to Skip, Enter") << int(TabToSkipThenEnter) << true;
        QTest::newRow("click on the text's shadow") << int(ClickOnTheShadow) << true;
        QTest::newRow("other keys on OK leave it open") << int(OtherKeysOnOk) << false;
    }

    void theKeyboardAndTheTextsShadowAnswerSkip() {
        QFETCH(int, way);
        QFETCH(bool, closes);
        bool closed = false;
        const int answer = ShowBox([way, &closed](Cibox& box) {
            if (way == TabToSkipThenEnter) {
                KeyToFocus(Qt::Key_Tab);
                QCOMPARE(box.focusWidget(), box.ButtonPlus1(1));
                KeyToFocus(Qt::Key_Return);
            } else if (way == ClickOnTheShadow) {
                QTest::mouseClick(box.Label1(1), Qt::LeftButton, {}, QPoint(5, 5));
            } else {
                for (const Qt::Key key : {Qt::Key_A, Qt::Key_C, Qt::Key_Backspace, Qt::Key_F1}) {
                    KeyToFocus(key);
                }
            }
            closed = box.IsUnloaded();
        });
        QCOMPARE(closed, closes);
        // Skip answers 2, as every way of closing but OK does: the box left open is then closed
        // by its close box.
        QCOMPARE(answer, 2);
    }

    void hoverMarksStayUntilTheBackgroundOrTheBoxIsLeft() {
        QList<bool> marks;
        ShowBox([&marks](Cibox& box) {
            ui::CheckButton* ok = box.ButtonPlus1(0);
            ui::CheckButton* skip = box.ButtonPlus1(1);
            const auto mark = [&] { marks << ok->font().underline() << skip->font().underline(); };
            MovePointer(*ok);
            mark();
            MovePointer(*skip);
            mark();
            MovePointer(box, QPoint(2, box.height() - 2));
            mark();
            MovePointer(*skip);
            // The pointer leaves the box straight from Skip: the platform tells the box's window.
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(box.windowHandle(), &leave);
            mark();
        });
        QCOMPARE(marks, (QList<bool>{true, false, true, true, false, false, false, false}));
    }
};

QTEST_MAIN(CiboxTest)
#include "cibox_test.moc"
