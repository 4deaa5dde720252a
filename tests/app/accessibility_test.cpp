// What a screen reader is told about the windows, where Tab moves the keyboard focus, and help
// asked for from the keyboard: what a scenario can neither see nor type.

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <functional>
#include <tuple>

#include "app/calcs.h"
#include "app/endbox.h"
#include "scenario/window_targets.h"
#include "support/window_test.h"
#include "ui/announcer.h"
#include "ui/check_button.h"
#include "ui/cibox.h"

namespace ui = aerlith::ui;

namespace {

QString Accessible(QWidget* widget, QAccessible::Text what) {
    return QAccessible::queryAccessibleInterface(widget)->text(what);
}

class AnnouncerShows : public QObject {
public:
    QStringList names;

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<ui::Announcer*>(object) != nullptr) {
            names << static_cast<QWidget*>(object)->accessibleName();
        }
        return false;
    }
};

}  // namespace

class AccessibilityTest : public aerlith::test::WindowTest {
    Q_OBJECT

private:
    QStringList TabFocusNames(int presses) {
        QStringList names{aerlith::scenario::NameOf(QApplication::focusWidget(), *calcs_)};
        for (int i = 0; i < presses; ++i) {
            KeyToFocus(Qt::Key_Tab);
            names << aerlith::scenario::NameOf(QApplication::focusWidget(), *calcs_);
        }
        return names;
    }

private slots:
    void controlsAreNamedByWhatTheyDo() {
        // Value boxes by the field names of the function pressed last: each names them anew.
        QTest::mouseClick(Target("func 1"), Qt::LeftButton);
        QTest::mouseClick(Target("func 8"), Qt::LeftButton);
        const std::tuple<const char*, const char*, const char*> rows[] = {
            {"digit key", "key 7", "7"},
            {"'x' is times", "key x", "times"},
            {"'<' is backspace", "key <", "backspace"},
            {"'>' between units", "conv 9", "Km to NM"},
            {"'~' between units", "conv 16", "Metres to Feet"},
            {"'\\' between units", "conv 17", "Feet to Metres"},
            {"' - ' between units", "conv 4", "Hg to Mb"},
            {"'-' between words", "conv 13", "US Gal to Litres"},
            {"'&' before '-'", "func 2", "Find Wind Dir - Spd"},
            {"entry box", "entry", "Entry"},
            {"picture", "picture", "Flight computer"},
            {"value box", "box 0", "Temperature in Celsius"},
            {"second value box", "box 1", "Relative Humidity in Percent"},
        };
        for (const auto& [why, control, name] : rows) {
            QWidget* widget = Target(control);
            QCOMPARE(Accessible(widget, QAccessible::Name), QString::fromUtf8(name));
            QVERIFY2(!Accessible(widget, QAccessible::Description).isEmpty(), why);
        }
    }

    void theThankYouNoteIsReadInOneLine() {
        aerlith::app::Endbox endbox{QStringLiteral(AERLITH_TEST_DATA_DIR)};
        endbox.Form_Load();
        // The note in one line, then the way out.
        const QString note = Accessible(&endbox, QAccessible::Description);
        QVERIFY2(note.startsWith(QStringLiteral("Thank-you for using the Aerlith")) &&
                     note.endsWith(QStringLiteral(". Press Esc to end the program.")) &&
                     !note.contains(QLatin1Char('\n')),
                 qPrintable(note));
    }

    void resultsAreAnnouncedWhereTheyAppear() {
        // Each time the announcer shows, a reader hears its name.
        AnnouncerShows heard;
        qApp->installEventFilter(&heard);
        const auto click = [this](const char* control) {
            QTest::mouseClick(Target(control), Qt::LeftButton);
        };
        const auto type = [this](const char* box, const char* text) {
            QTest::keyClicks(Target(box), QString::fromLatin1(text));
        };
        const auto entry = [this] { return QStringList{calcs_->Text2().text().trimmed()}; };
        const auto nothing = [] { return QStringList{}; };
        const std::tuple<const char*, std::function<void()>, std::function<QStringList()>> rows[] =
            {
                {"'=' on an invalid pair", [&] { type("entry", "1++2"), click("key ="); }, entry},
                {"'=' refused", [&] { type("entry", "1/0"), click("key ="); }, entry},
                {"a conversion", [&] { type("entry", "1"), click("conv 2"); }, entry},
                {"a function's prompt", [&] { click("func 5"); }, nothing},
                {"a function's result", [&] { click("func 5"), type("box 0", "29.92="); }, entry},
                {"a box refused, then the result", [&] { click("func 5"), type("box 0", "99="); },
                 [this] {
                     return QStringList{calcs_->Text1(0)->text() + QLatin1Char('\n') +
                                        calcs_->Text2().text().trimmed()};
                 }},
                {"an aerodrome chosen",
                 [&] {
                     AnswerBox([](ui::Cibox& box) { box.ButtonPlus1(0)->click(); });
                     click("func 4"), type("box 0", "ottawa=");
                 },
                 entry},
            };
        for (const auto& [why, steps, expected] : rows) {
            click("key C");
            heard.names.clear();
            steps();
            QVERIFY2(heard.names == expected(), why);
        }
    }

    void tabVisitsTheWindowInOrder() {
        QStringList expected;
        for (int i = 0; i <= 19; ++i) expected << QStringLiteral("buttonplus1(%1)").arg(i);
        for (int i = 0; i <= 17; ++i) expected << QStringLiteral("buttonplus2(%1)").arg(i);
        for (int i = 0; i <= 8; ++i) expected << QStringLiteral("buttonplus3(%1)").arg(i);
        expected << QStringLiteral("Text2") << QStringLiteral("buttonplus1(0)");
        QCOMPARE(TabFocusNames(48), expected);
        KeyToFocus(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), &calcs_->Text2());
        // With a function pending, from its first value box past the locked keys.
        QTest::mouseClick(Target("func 0"), Qt::LeftButton);
        QCOMPARE(TabFocusNames(4), (QStringList{"Text1(0)", "Text1(1)", "buttonplus1(11)",
                                                "buttonplus1(17)", "buttonplus3(0)"}));
    }

    void helpKeysShowTheFocusedBanksHelp_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("help");
        const int f1 = Qt::Key_F1;
        QTest::newRow("F1 on a key") << "key 5" << f1 << 0 << "Number Keypad";
        QTest::newRow("menu key") << "conv 12" << int(Qt::Key_Menu) << 0 << "Conversions";
        QTest::newRow("Shift+F10")
            << "func 3" << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "Flight Plans";
        QTest::newRow("Ctrl+F1 is not help") << "key 7" << f1 << int(Qt::ControlModifier) << "";
        QTest::newRow("F10 alone is not help") << "key 7" << int(Qt::Key_F10) << 0 << "";
        QTest::newRow("F1 in the entry box") << "entry" << f1 << 0 << "";
        QTest::newRow("F1 in a value box") << "box 0" << f1 << 0 << "";
    }

    void helpKeysShowTheFocusedBanksHelp() {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, help);
        if (control == QLatin1String("box 0")) QTest::mouseClick(Target("func 5"), Qt::LeftButton);
        const QString entry = calcs_->Text2().text();
        QWidget* widget = Target(control.toStdString());
        widget->setFocus(Qt::TabFocusReason);
        if (!help.isEmpty()) Answer([](ui::Form&) { KeyToFocus(Qt::Key_Escape); });
        KeyToFocus(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(modals_,
                 help.isEmpty() ? QStringList{} : QStringList{"Calculator Help - " + help});
        // Closed by Esc, the box hands the keyboard back to where the help was asked for.
        QTRY_COMPARE(QApplication::activeWindow(), calcs_.get());
        QCOMPARE(QApplication::focusWidget(), widget);
        QCOMPARE(calcs_->Text2().text(), entry);
    }

    void otherMouseButtonsShowNoHelp() {
        for (const char* button : {"key 4", "conv 4", "func 8"}) {
            QTest::mouseClick(Target(button), Qt::MiddleButton);
        }
        QTest::mouseClick(Target("entry"), Qt::RightButton);
        QCOMPARE(modals_, QStringList{});
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
