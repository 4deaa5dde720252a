// What a screen reader is told about the windows, and the whole program driven from the keyboard
// alone, on the offscreen platform. Keys go where a keyboard sends them: to the focus widget of
// the active window.

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/calcs.h"
#include "app/endbox.h"
#include "scenario/window_targets.h"
#include "ui/cibox.h"
#include "ui/platform_hooks.h"

using aerlith::app::Calcs;
namespace ui = aerlith::ui;

namespace {

QString Accessible(QWidget* widget, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(what) : QStringLiteral("<no interface>");
}

// Where a key typed now goes: the focus widget, else the active window.
QWidget* KeyboardTarget() {
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    return QApplication::activeWindow();
}

void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = KeyboardTarget();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, key, modifiers);
}

void TypeText(const QString& text) {
    for (const QChar character : text) {
        QWidget* target = KeyboardTarget();
        QVERIFY(target != nullptr);
        QTest::keyClick(target, character.toLatin1());
    }
}

const QString kKeypadTip = QStringLiteral(
    "Click on these numbers or use the keyboard. (Press '^' for exponents. Press '<' for "
    "Backspace.)  Right click or touch and hold for more info.");
const QString kConversionTip = QStringLiteral(
    "Enter a value, then click on these buttons or use 'ALT' with the shortcut key to do the "
    "conversion.  Right click or touch and hold for more info.");
const QString kMeteorologyTip = QStringLiteral(
    "These perform meterological conversions. Click here first or use 'ALT' with the shortcut "
    "key.   Right click or touch and hold for more info.");
const QString kCourseTip = QStringLiteral(
    "This will calculate the course between two aerodromes.  Right click or touch and hold for "
    "more info.");

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Calcs> calcs_;
    // What the modal windows showed, one line each: "cibox <title>" or "endbox".
    QStringList modals_;
    QStringList modalNames_;
    QStringList modalDescriptions_;
    // How the next modal window is answered, one key each, from the keyboard.
    QList<Qt::Key> answers_;
    int endings_ = 0;

    QWidget* Target(const QString& name) const {
        return aerlith::scenario::FindTarget(*calcs_, name.toStdString());
    }

    QString FocusName() const {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) return QStringLiteral("<none>");
        if (auto* control = dynamic_cast<ui::Control*>(focus)) return control->DisplayName();
        return focus->objectName();
    }

private slots:
    void initTestCase() {
        ui::SetEndProgram([this] { ++endings_; });
        ui::SetOpenWebAddress([](const QString&) {});
        ui::SetModalObserver([this](ui::Form& form) {
            if (auto* box = qobject_cast<ui::Cibox*>(&form)) {
                modals_ << QStringLiteral("cibox ") + box->windowTitle().trimmed();
            } else {
                modals_ << form.Name();
            }
            modalNames_ << Accessible(&form, QAccessible::Name);
            modalDescriptions_ << Accessible(&form, QAccessible::Description);
            const Qt::Key answer = answers_.isEmpty() ? Qt::Key_Escape : answers_.takeFirst();
            QTimer::singleShot(0, &form, [&form, answer] {
                // The key goes to the box once the platform has made it the active window.
                QVERIFY(QTest::qWaitForWindowActive(&form));
                QWidget* target = KeyboardTarget();
                QVERIFY(target != nullptr && target->window() == &form);
                QTest::keyClick(target, answer);
            });
        });
    }

    void init() {
        modals_.clear();
        modalNames_.clear();
        modalDescriptions_.clear();
        answers_.clear();
        endings_ = 0;
        calcs_ = std::make_unique<Calcs>(QStringLiteral(AERLITH_TEST_DATA_DIR));
        calcs_->Form_Load();
        calcs_->Timer1().stop();
        calcs_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(calcs_.get()));
    }

    void cleanup() { calcs_.reset(); }

    void controlsHaveNamesAndDescriptions_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("digit key") << "key 7"
                                   << "7" << kKeypadTip;
        QTest::newRow("'x' is times") << "key x"
                                      << "times" << kKeypadTip;
        QTest::newRow("'<' is backspace") << "key <"
                                          << "backspace" << kKeypadTip;
        QTest::newRow("'(' is open bracket") << "key ("
                                             << "open bracket" << kKeypadTip;
        QTest::newRow("conversion, no '&'") << "conv 0"
                                            << "Celsius - F" << kConversionTip;
        QTest::newRow("conversion, '&' before a symbol") << "conv 9"
                                                         << "Km > NM" << kConversionTip;
        QTest::newRow("function, '&' mid-word") << "func 5"
                                                << "Pressure Altitude" << kMeteorologyTip;
        QTest::newRow("function, '&' before '-'")
            << "func 2"
            << "Find Wind Dir - Spd"
            << QStringLiteral(
                   "These are time/distance/angle calculations. Click here first or use 'ALT' "
                   "with the shortcut key.   Right click or touch and hold for more info.");
        QTest::newRow("cross-country") << "func 3"
                                       << "Xcntry Dist and Track" << kCourseTip;
        QTest::newRow("entry box")
            << "entry"
            << "Entry"
            << QStringLiteral(
                   "Double click this area to display the on-screen keyboard, (not "
                   "available in earlier Win versions.)");
        QTest::newRow("picture") << "picture"
                                 << "Flight computer"
                                 << QStringLiteral(
                                        "A picture of the two faces of a circular flight "
                                        "computer, shown in turn every three seconds.");
    }

    void controlsHaveNamesAndDescriptions() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QWidget* widget = Target(control);
        QVERIFY(widget != nullptr);
        QCOMPARE(Accessible(widget, QAccessible::Name), name);
        QCOMPARE(Accessible(widget, QAccessible::Description), description);
    }

    void everyButtonIsAnnouncedAsAButton() {
        int buttons = 0;
        for (const char* bank : {"buttonplus1", "buttonplus2", "buttonplus3"}) {
            for (ui::Control* control : calcs_->Array(QString::fromLatin1(bank))) {
                QWidget* widget = &control->Widget();
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
                QVERIFY(face != nullptr);
                QCOMPARE(face->role(), QAccessible::Button);
                QVERIFY2(!face->text(QAccessible::Name).isEmpty(),
                         qPrintable(control->DisplayName()));
                QVERIFY2(!face->text(QAccessible::Name).contains(QLatin1Char('&')),
                         qPrintable(control->DisplayName()));
                QVERIFY2(!face->text(QAccessible::Description).isEmpty(),
                         qPrintable(control->DisplayName()));
                ++buttons;
            }
        }
        QCOMPARE(buttons, 20 + 18 + 9);
    }

    void theEntryBoxReadsOutItsResult() {
        TypeText(QStringLiteral("6x7="));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&calcs_->Text2());
        QVERIFY(face != nullptr);
        QCOMPARE(face->role(), QAccessible::EditableText);
        QCOMPARE(face->text(QAccessible::Value), QStringLiteral("42"));
    }

    void valueBoxesAreNamedByTheirFieldNames_data() {
        QTest::addColumn<int>("function");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("pressure altitude") << 5 << QStringList{"Altimeter Setting"};
        QTest::newRow("crosswind") << 0 << QStringList{"Wind Speed", "Angle to Runway in Degrees"};
        QTest::newRow("heading and ground speed")
            << 1 << QStringList{" True Course", " True Airspeed", "Wind Direction", "Wind Speed"};
    }

    void valueBoxesAreNamedByTheirFieldNames() {
        QFETCH(int, function);
        QFETCH(QStringList, names);
        QTest::mouseClick(calcs_->ButtonPlus3(function), Qt::LeftButton);
        QStringList shown;
        for (int i = 0; i < 4; ++i) {
            ui::TextBox* box = calcs_->Text1(i);
            if (box->isVisible()) shown << Accessible(box, QAccessible::Name);
        }
        QCOMPARE(shown, names);
        // The next function renames the same boxes.
        QTest::mouseClick(calcs_->ButtonPlus3(8), Qt::LeftButton);
        QCOMPARE(Accessible(calcs_->Text1(1), QAccessible::Name),
                 QStringLiteral("Relative Humidity in Percent"));
        QVERIFY(!Accessible(calcs_->Text1(1), QAccessible::Description).isEmpty());
    }

    void theMessageBoxIsNamed() {
        ui::ShowInfoBox(QStringLiteral("Do you want this one?      "),
                        QStringLiteral("Possible choice found."));
        QCOMPARE(modalNames_, QStringList{"Possible choice found."});
        QCOMPARE(modalDescriptions_, QStringList{"Do you want this one?"});
        ui::Cibox box;
        box.Form_Load();
        box.LayOut(QStringLiteral("Short"), QStringLiteral("Title"));
        QCOMPARE(Accessible(box.ButtonPlus1(0), QAccessible::Name), QStringLiteral("OK"));
        QCOMPARE(Accessible(box.ButtonPlus1(1), QAccessible::Name), QStringLiteral("Skip"));
        QVERIFY(!Accessible(box.ButtonPlus1(0), QAccessible::Description).isEmpty());
        QVERIFY(!Accessible(box.ButtonPlus1(1), QAccessible::Description).isEmpty());
        QCOMPARE(Accessible(box.Label1(0), QAccessible::Name), QStringLiteral("Short"));
    }

    void theThankYouWindowIsNamed() {
        aerlith::app::Endbox endbox{QStringLiteral(AERLITH_TEST_DATA_DIR)};
        endbox.Form_Load();
        QCOMPARE(Accessible(&endbox, QAccessible::Name), QStringLiteral("Thank you!"));
        const QString description = Accessible(&endbox, QAccessible::Description);
        QVERIFY2(description.startsWith(QStringLiteral("Thank-you for using the Aerlith")),
                 qPrintable(description));
        QVERIFY2(description.contains(QStringLiteral(" we can be contacted at: ")),
                 qPrintable(description));
        QVERIFY(!description.contains(QLatin1Char('\n')));
        QVERIFY(!Accessible(&endbox.Image1(), QAccessible::Name).isEmpty());
        QVERIFY(!Accessible(&endbox.Image1(), QAccessible::Description).isEmpty());
    }

    void tabVisitsTheWindowsOrder() {
        QCOMPARE(FocusName(), QStringLiteral("buttonplus1(0)"));
        QStringList expected;
        for (int i = 1; i <= 19; ++i) expected << QStringLiteral("buttonplus1(%1)").arg(i);
        for (int i = 0; i <= 17; ++i) expected << QStringLiteral("buttonplus2(%1)").arg(i);
        for (int i = 0; i <= 8; ++i) expected << QStringLiteral("buttonplus3(%1)").arg(i);
        expected << QStringLiteral("Text2") << QStringLiteral("buttonplus1(0)");
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            Type(Qt::Key_Tab);
            visited << FocusName();
        }
        QCOMPARE(visited, expected);
        // Backwards from key 0 wraps round to the entry box.
        Type(Qt::Key_Backtab);
        QCOMPARE(FocusName(), QStringLiteral("Text2"));
    }

    void tabWhileAFunctionIsPending() {
        // With the banks locked, Tab goes from the value boxes past the locked keys.
        QTest::mouseClick(calcs_->ButtonPlus3(0), Qt::LeftButton);
        QCOMPARE(FocusName(), QStringLiteral("Text1(0)"));
        QStringList visited;
        for (int i = 0; i < 4; ++i) {
            Type(Qt::Key_Tab);
            visited << FocusName();
        }
        QCOMPARE(visited,
                 (QStringList{"Text1(1)", "buttonplus1(11)", "buttonplus1(17)", "buttonplus3(0)"}));
    }

    void helpKeysShowTheFocusedBanksHelp_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("title");
        const int none = Qt::NoModifier;
        QTest::newRow("F1 on a key")
            << "key 5" << int(Qt::Key_F1) << none << "Calculator Help - Number Keypad";
        QTest::newRow("F1 on a conversion")
            << "conv 12" << int(Qt::Key_F1) << none << "Calculator Help - Conversions";
        QTest::newRow("F1 on the look-up")
            << "func 4" << int(Qt::Key_F1) << none << "Calculator Help - Flight Plans";
        QTest::newRow("F1 on a formula")
            << "func 6" << int(Qt::Key_F1) << none << "Calculator Help - Formulae";
        QTest::newRow("menu key") << "func 3" << int(Qt::Key_Menu) << none
                                  << "Calculator Help - Flight Plans";
        QTest::newRow("Shift+F10") << "conv 0" << int(Qt::Key_F10) << int(Qt::ShiftModifier)
                                   << "Calculator Help - Conversions";
        QTest::newRow("Ctrl+F1 is not help")
            << "key 7" << int(Qt::Key_F1) << int(Qt::ControlModifier) << "";
        QTest::newRow("F10 alone is not help") << "key 7" << int(Qt::Key_F10) << none << "";
    }

    void helpKeysShowTheFocusedBanksHelp() {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, title);
        const QString entry = calcs_->Text2().text();
        Target(button)->setFocus(Qt::TabFocusReason);
        Type(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        const QStringList expected =
            title.isEmpty() ? QStringList{} : QStringList{QStringLiteral("cibox ") + title};
        QCOMPARE(modals_, expected);
        // Closed by Esc, the box hands the keyboard back to the button the help was asked on.
        QTRY_COMPARE(QApplication::activeWindow(), calcs_.get());
        QCOMPARE(QApplication::focusWidget(), Target(button));
        QCOMPARE(calcs_->Text2().text(), entry);
        QCOMPARE(endings_, 0);
    }

    void spaceAndEnterPressTheFocusedButton() {
        calcs_->ButtonPlus1(8)->setFocus(Qt::TabFocusReason);
        Type(Qt::Key_Space);
        Type(Qt::Key_Space);
        QCOMPARE(calcs_->Text2().text(), QStringLiteral("99"));
        // Enter on a key types nothing; on a conversion it converts.
        Type(Qt::Key_Return);
        QCOMPARE(calcs_->Text2().text(), QStringLiteral("99"));
        calcs_->ButtonPlus2(7)->setFocus(Qt::TabFocusReason);
        Type(Qt::Key_Return);
        // 99 kilograms are 99 x 2.205 = 218.295 pounds: 218.30 to two decimals, shown without
        // the trailing zero.
        QCOMPARE(calcs_->Text2().text(), QStringLiteral("218.3"));
    }

    void helpKeysElsewhereShowNothing() {
        calcs_->Text2().setFocus(Qt::TabFocusReason);
        Type(Qt::Key_F1);
        QTest::mouseClick(calcs_->ButtonPlus3(5), Qt::LeftButton);
        Type(Qt::Key_F1);
        QCOMPARE(modals_, QStringList{});
    }

    // The whole program without a mouse: keypad, an accelerator, value boxes, help, the look-up
    // with its message box, and the closing path through the thank-you window.
    void theWholeProgramWithoutAMouse() {
        QCOMPARE(FocusName(), QStringLiteral("buttonplus1(0)"));
        TypeText(QStringLiteral("2+3x4="));
        QCOMPARE(calcs_->Text2().text(), QStringLiteral("14"));

        Type(Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(calcs_->state.entryState, 3);
        QCOMPARE(FocusName(), QStringLiteral("Text1(0)"));
        TypeText(QStringLiteral("29.42="));
        QCOMPARE(calcs_->Text2().text(), QStringLiteral("The Pressure Altitude is 500 feet."));
        // Esc in a value box clears, like 'C'.
        Type(Qt::Key_Escape);
        QCOMPARE(calcs_->state.entryState, 0);
        QCOMPARE(calcs_->Text2().text(), QString());

        // "USG&al-ImpGal" shares A with "True &Airspeed": Alt+A moves between them, Enter presses.
        Type(Qt::Key_A, Qt::AltModifier);
        QCOMPARE(FocusName(), QStringLiteral("buttonplus2(15)"));
        Type(Qt::Key_A, Qt::AltModifier);
        QCOMPARE(FocusName(), QStringLiteral("buttonplus3(7)"));
        QCOMPARE(calcs_->state.entryState, 0);
        Type(Qt::Key_Return);
        QCOMPARE(FocusName(), QStringLiteral("Text1(0)"));
        TypeText(QStringLiteral("5000"));
        Type(Qt::Key_Return);
        QCOMPARE(FocusName(), QStringLiteral("Text1(1)"));
        TypeText(QStringLiteral("100="));
        QCOMPARE(calcs_->Text2().text(), QStringLiteral("The True Airspeed is 110"));

        // Help from the keyboard, on the function button reached with Shift+Tab: back past the
        // first box and the locked key 0, round through the entry box.
        for (int i = 0; i < 4; ++i) Type(Qt::Key_Backtab);
        QCOMPARE(FocusName(), QStringLiteral("buttonplus3(7)"));
        Type(Qt::Key_F1);
        QCOMPARE(modals_.size(), 1);
        QTRY_COMPARE(QApplication::activeWindow(), calcs_.get());

        // The look-up asks in the message box; Enter takes the first candidate.
        Type(Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(FocusName(), QStringLiteral("Text1(0)"));
        answers_ << Qt::Key_Return;
        TypeText(QStringLiteral("ottawa="));
        QCOMPARE(modals_.size(), 2);
        QCOMPARE(modals_.last(), QStringLiteral("cibox Possible choice found."));
        QVERIFY2(calcs_->Text2().text().contains(QStringLiteral("OTTAWA")),
                 qPrintable(calcs_->Text2().text()));
        QTRY_COMPARE(QApplication::activeWindow(), calcs_.get());

        // Esc in the box clears; the focus goes on to the next key. Esc on a key closes the
        // window, and Esc on the thank-you window ends the program.
        QCOMPARE(FocusName(), QStringLiteral("Text1(0)"));
        Type(Qt::Key_Escape);
        QCOMPARE(calcs_->state.entryState, 0);
        QCOMPARE(FocusName(), QStringLiteral("buttonplus1(1)"));
        Type(Qt::Key_Escape);
        QCOMPARE(modals_.size(), 3);
        QCOMPARE(modals_.last(), QStringLiteral("endbox"));
        QCOMPARE(endings_, 1);
        QVERIFY(!calcs_->isVisible());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
