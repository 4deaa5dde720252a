// The keypad, the conversion and function banks, the value boxes and the entry box of the real
// main window, driven by mouse clicks and key presses on the offscreen platform. Expected texts
// are hand calculations, the worked examples of each function, or window_expected.py.

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/calcs.h"
#include "ui/platform_hooks.h"

using aerlith::app::Calcs;

namespace {

const QString kCaptions = QStringLiteral("7410852.963C/x-+<=)(");
const QString kOops = QStringLiteral("Oops. - Error (out of Range, division by zero or typo.)  ");

}  // namespace

class KeypadWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Calcs> calcs_;
    int endCount_ = 0;
    // Closes any modal window the closing path opens, as its close box would.
    QTimer modalCloser_;

    QPushButton* Key(QChar caption) const {
        return calcs_->ButtonPlus1(static_cast<int>(kCaptions.indexOf(caption)));
    }
    QString Entry() const { return calcs_->Text2().text(); }

    static void Click(QWidget* widget) {
        QVERIFY(widget != nullptr);
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    }
    void ClickKeys(const QString& captions) const {
        for (const QChar caption : captions) Click(Key(caption));
    }
    // One key press per character to whichever widget has the focus at that moment;
    // \r is Enter, \x1b Esc and \b Backspace.
    static void Type(const std::string& keys) {
        for (const char c : keys) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus != nullptr);
            if (c == '\r')
                QTest::keyClick(focus, Qt::Key_Return);
            else if (c == '\x1b')
                QTest::keyClick(focus, Qt::Key_Escape);
            else if (c == '\b')
                QTest::keyClick(focus, Qt::Key_Backspace);
            else
                QTest::keyClick(focus, c);
        }
    }
    static void TypeOn(QWidget* widget, const std::string& keys) {
        widget->setFocus();
        Type(keys);
    }
    bool BanksLocked() const {
        for (int k = 0; k < 20; ++k) {
            if (k != 11 && k != 17 && calcs_->ButtonPlus1(k)->isEnabled()) return false;
        }
        for (int j = 0; j < 18; ++j) {
            if (calcs_->ButtonPlus2(j)->isEnabled()) return false;
        }
        return calcs_->ButtonPlus1(11)->isEnabled() && calcs_->ButtonPlus1(17)->isEnabled();
    }
    bool Centred() const { return (calcs_->Text2().alignment() & Qt::AlignHCenter) != 0; }
    void StartFunction(int index, const std::vector<std::string>& values) {
        Click(calcs_->ButtonPlus3(index));
        for (std::size_t i = 0; i < values.size(); ++i) {
            calcs_->Text1(static_cast<int>(i))->setText(QString::fromStdString(values[i]));
        }
    }

private slots:
    void initTestCase() {
        aerlith::ui::SetEndProgram([this] { ++endCount_; });
        aerlith::ui::SetOpenWebAddress([](const QString&) {});
        modalCloser_.setInterval(20);
        connect(&modalCloser_, &QTimer::timeout, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        modalCloser_.start();
    }

    void init() {
        endCount_ = 0;
        calcs_ = std::make_unique<Calcs>(QStringLiteral(AERLITH_TEST_DATA_DIR));
        calcs_->Form_Load();
        calcs_->Timer1().stop();
        calcs_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(calcs_.get()));
    }

    void cleanup() {
        calcs_.reset();
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
        }
    }

    void keypadKeys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("locked");
        QTest::newRow("1+2= gives 3") << "1+2="
                                      << "3" << false;
        QTest::newRow("x before + binds tighter") << "2+3x4="
                                                  << "14" << false;
        QTest::newRow("brackets") << "(2+3)x4="
                                  << "20" << false;
        QTest::newRow("negative result") << "7-8="
                                         << "-1" << false;
        QTest::newRow(".5x2 is evaluated") << ".5x2="
                                           << "1" << false;
        QTest::newRow("division by zero keeps keys") << "1/0=" << kOops << false;
        QTest::newRow("= on empty locks") << "="
                                          << "" << true;
        QTest::newRow("= again stays locked") << "=="
                                              << "" << true;
        QTest::newRow("invalid pair +x named")
            << "5+x3="
            << "This expression contains an invalid character pair +x" << true;
        QTest::newRow("leading operator refused") << "x5="
                                                  << "x5" << true;
        QTest::newRow("< drops the last digit") << "12<"
                                                << "1" << false;
        QTest::newRow("< twice empties") << "12<<"
                                         << "" << false;
        QTest::newRow("< on empty stays empty") << "<"
                                                << "" << false;
        QTest::newRow("C clears") << "12+C"
                                  << "" << false;
        QTest::newRow("C unlocks after refusal") << "=C"
                                                 << "" << false;
        QTest::newRow("locked keys ignore clicks") << "=12"
                                                   << "" << true;
    }
    void keypadKeys() {
        QFETCH(QString, keys);
        QFETCH(QString, entry);
        QFETCH(bool, locked);
        ClickKeys(keys);
        QCOMPARE(Entry(), entry);
        QCOMPARE(BanksLocked(), locked);
        QCOMPARE(Centred(), locked);
        QCOMPARE(calcs_->state.entryState, 0);
    }

    void conversions_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("mode");
        QTest::newRow("100 Celsius to F") << "100" << 0 << "212"
                                          << "u";
        QTest::newRow("-40 Celsius to F") << "-40" << 0 << "-40"
                                          << "u";
        QTest::newRow("32 F to Celsius") << "32" << 1 << "0"
                                         << "f";
        QTest::newRow("0 F to Celsius") << "0" << 1 << "-17.78"
                                        << "f";
        QTest::newRow("error text converts 0") << "1/0=" << 1 << "-17.78"
                                               << "f";
        QTest::newRow("1 NM to SM") << "1" << 2 << "1.15"
                                    << "n";
        QTest::newRow("29.92 Hg to Mb, grouping gone") << "29.92" << 4 << "1013.21"
                                                       << "h";
        QTest::newRow("1000 Km to SM") << "1000" << 8 << "621.5"
                                       << "m";
        QTest::newRow("2+3 converts the leading 2") << "2+3" << 9 << "1.08"
                                                    << ">";
        QTest::newRow("100 Feet to Metres") << "100" << 17 << "30.48"
                                            << "\\";
        QTest::newRow("empty entry stays empty") << "" << 3 << ""
                                                 << "s";
    }
    void conversions() {
        QFETCH(QString, keys);
        QFETCH(int, button);
        QFETCH(QString, entry);
        QFETCH(QString, mode);
        ClickKeys(keys);
        Click(calcs_->ButtonPlus2(button));
        QCOMPARE(Entry(), entry);
        QCOMPARE(calcs_->state.entryState, 2);
        QCOMPARE(calcs_->state.modeLetter, mode);
    }

    void afterAConversionEqualsDoesNothingAndADigitAppends() {
        ClickKeys(QStringLiteral("100"));
        Click(calcs_->ButtonPlus2(0));
        Click(Key('='));
        QCOMPARE(Entry(), QStringLiteral("212"));
        QCOMPARE(calcs_->state.entryState, 2);
        Click(Key('5'));
        QCOMPARE(Entry(), QStringLiteral("2125"));
        QCOMPARE(calcs_->state.entryState, 0);
    }

    void keypadRoutes_data() {
        QTest::addColumn<std::string>("keys");
        QTest::addColumn<QString>("entry");
        QTest::newRow("digits and operators press their keys") << std::string("2x3-1") << "2x3-1";
        QTest::newRow("= evaluates") << std::string("2x3=") << "6";
        QTest::newRow("lower-case c clears") << std::string("12c") << "";
        QTest::newRow("upper-case C does nothing") << std::string("12C") << "12";
        QTest::newRow("^ appends") << std::string("2^3") << "2^3";
        QTest::newRow("^ evaluates as a power") << std::string("2^3=") << "8";
        QTest::newRow("Backspace presses <") << std::string("12\b") << "1";
        QTest::newRow("< presses <") << std::string("12<") << "1";
        QTest::newRow("* and letters do nothing") << std::string("2*a3") << "23";
    }
    void keypadRoutes() {
        QFETCH(std::string, keys);
        QFETCH(QString, entry);
        TypeOn(Key('7'), keys);
        QCOMPARE(Entry(), entry);
        QCOMPARE(endCount_, 0);
    }

    void caretDoesNotChangeTheState() {
        ClickKeys(QStringLiteral("100"));
        Click(calcs_->ButtonPlus2(0));
        TypeOn(Key('7'), "^");
        QCOMPARE(Entry(), QStringLiteral("212^"));
        QCOMPARE(calcs_->state.entryState, 2);
    }

    void escOnAKeyEndsTheProgramOnce() {
        TypeOn(Key('7'), "\x1b");
        QCOMPARE(endCount_, 1);
        calcs_->close();
        QCOMPARE(endCount_, 1);
    }

    void conversionButtonKeys() {
        ClickKeys(QStringLiteral("100"));
        Click(calcs_->ButtonPlus2(0));
        TypeOn(calcs_->ButtonPlus2(0), "\r");
        QCOMPARE(Entry(), QStringLiteral("413.6"));
        Type(
            "\x1b"
            "C");
        QCOMPARE(Entry(), QStringLiteral("413.6"));
        QCOMPARE(endCount_, 0);
        Type("c");
        QCOMPARE(Entry(), QString());
        QCOMPARE(calcs_->state.entryState, 0);
    }

    void functionPrompts_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QStringList>("fields");
        const QString tail = QStringLiteral(" then Click the '=' button.");
        QTest::newRow("0 crosswind")
            << 0 << "w"
            << "Enter the Wind Speed and the Angle to Runway in Degrees" + tail
            << QStringList{"Wind Speed", "Angle to Runway in Degrees"};
        QTest::newRow("1 heading and GS")
            << 1 << "d"
            << "Enter the  True Course,  True Airspeed, Wind Direction and Wind Speed" + tail
            << QStringList{" True Course", " True Airspeed", "Wind Direction", "Wind Speed"};
        QTest::newRow("2 wind finding")
            << 2 << "-"
            << "Enter the  True Course,  True Airspeed,  True Heading  and  Ground Speed " + tail
            << QStringList{" True Course", " True Airspeed", " True Heading ", " Ground Speed "};
        QTest::newRow("3 cross-country")
            << 3 << "y"
            << "Enter the Origin Airport Identifier  and the Destination Airport Identifier" + tail
            << QStringList{"Origin Airport Identifier ", "Destination Airport Identifier"};
        QTest::newRow("4 look-up") << 4 << "p"
                                   << "Enter the Partial Name of Airport" + tail + "    "
                                   << QStringList{"Partial Name of Airport"};
        QTest::newRow("5 pressure altitude")
            << 5 << "e"
            << "Enter the Altimeter Setting" + tail + "    " << QStringList{"Altimeter Setting"};
        QTest::newRow("6 density altitude")
            << 6 << "s"
            << "Enter the Temperature In Celsius and the Station Pressure" + tail
            << QStringList{"Temperature In Celsius", "Station Pressure"};
        QTest::newRow("7 true airspeed")
            << 7 << "a"
            << "Enter the MSL Altitude and the Indicated Airspeed" + tail
            << QStringList{"MSL Altitude", "Indicated Airspeed"};
        QTest::newRow("8 dewpoint")
            << 8 << "o"
            << "Enter the Temperature in Celsius and the Relative Humidity in Percent" + tail
            << QStringList{"Temperature in Celsius", "Relative Humidity in Percent"};
    }
    void functionPrompts() {
        QFETCH(int, button);
        QFETCH(QString, mode);
        QFETCH(QString, prompt);
        QFETCH(QStringList, fields);
        // A function pending before is replaced: its boxes are emptied.
        StartFunction(1, {"1", "2", "3", "4"});
        Click(calcs_->ButtonPlus3(button));
        QCOMPARE(Entry(), prompt);
        QCOMPARE(calcs_->state.modeLetter, mode);
        QCOMPARE(calcs_->state.entryState, 3);
        QVERIFY(BanksLocked());
        QVERIFY(Centred());
        QVERIFY(!calcs_->Image3().isVisible());
        QCOMPARE(QApplication::focusWidget(), calcs_->Text1(0));
        for (int i = 0; i < 4; ++i) {
            const bool shown = i < fields.size();
            QCOMPARE(calcs_->Text1(i)->isVisible(), shown);
            QCOMPARE(calcs_->Label2(i)->isVisible(), shown);
            QCOMPARE(calcs_->Label2(i + 4)->isVisible(), shown);
            QCOMPARE(calcs_->Text1(i)->text(), QString());
            if (!shown) continue;
            QCOMPARE(calcs_->Label2(i)->text(), fields[i]);
            QCOMPARE(calcs_->Label2(i + 4)->text(), fields[i]);
        }
    }

    void completions_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("entry");
        QTest::newRow("e 29.42") << 5 << QStringList{"29.42"}
                                 << "The Pressure Altitude is 500 feet.";
        QTest::newRow("e 0 accepted")
            << 5 << QStringList{"0"} << "The Pressure Altitude is 29920 feet.";
        QTest::newRow("e -12 accepted")
            << 5 << QStringList{"-12"} << "The Pressure Altitude is 41920 feet.";
        QTest::newRow("e 0.0 refused")
            << 5 << QStringList{"0.0"} << "The Pressure Altitude is 29919 feet.";
        QTest::newRow("a 6500 120")
            << 7 << QStringList{"6500", "120"} << "The True Airspeed is 135.6";
        QTest::newRow("s 0 25") << 6 << QStringList{"0", "25"} << "The Density Altitude is 4315";
        QTest::newRow("o 20 50") << 8 << QStringList{"20", "50"} << "The Dewpoint is 9.3";
        QTest::newRow("w 20 30") << 0 << QStringList{"20", "30"}
                                 << " Crosswind component is 10 Headwind component is 17";
        QTest::newRow("- 90 100 90 90")
            << 2 << QStringList{"90", "100", "90", "90"} << "Wind is 90 at 10";
        QTest::newRow("- calm is refused") << 2 << QStringList{"90", "100", "90", "100"} << kOops;
        QTest::newRow("d 90 100 360 20")
            << 1 << QStringList{"90", "100", "360", "20"} << " Heading is 78 at 98";
    }
    void completions() {
        QFETCH(int, button);
        QFETCH(QStringList, values);
        QFETCH(QString, entry);
        std::vector<std::string> texts;
        for (const QString& value : values) texts.push_back(value.toStdString());
        StartFunction(button, texts);
        Click(Key('='));
        QCOMPARE(Entry(), entry);
        // '=' again recomputes from the same boxes.
        Click(Key('='));
        QCOMPARE(Entry(), entry);
        QCOMPARE(calcs_->state.entryState, 3);
    }

    void rangeMessageReplacesARefusedBox() {
        StartFunction(5, {"41"});
        Click(Key('='));
        QCOMPARE(calcs_->Text1(0)->text(), QStringLiteral("Error - Input Range is 0 to 40"));
        QCOMPARE(Entry(), QStringLiteral("The Pressure Altitude is 29919 feet."));
        StartFunction(7, {"100000", "100"});
        Click(Key('='));
        QCOMPARE(calcs_->Text1(0)->text(), QStringLiteral("Error - Input Range is 0 to 99000"));
        QCOMPARE(calcs_->Text1(1)->text(), QStringLiteral("100"));
    }

    void membersKeepTheirValuesBetweenPresses() {
        StartFunction(7, {"5000", "100"});
        Click(Key('='));
        QCOMPARE(Entry(), QStringLiteral("The True Airspeed is 110"));
        calcs_->Text1(1)->setText(QStringLiteral("120"));
        Click(Key('='));
        QCOMPARE(Entry(), QStringLiteral("The True Airspeed is 132"));
        QCOMPARE(calcs_->Text1(0)->text(), QStringLiteral("5000"));
        QCOMPARE(calcs_->Keys().Flight().lastValue, 120.0);
    }

    void valueBoxRoutes() {
        Click(calcs_->ButtonPlus3(1));
        Type("90\r100\r360\r20\r");
        QCOMPARE(QApplication::focusWidget(), calcs_->Text1(3));
        Type("=");
        QCOMPARE(calcs_->Text1(3)->text(), QStringLiteral("20"));
        QCOMPARE(Entry(), QStringLiteral(" Heading is 78 at 98"));
        TypeOn(calcs_->Text1(2), "\x1b");
        QCOMPARE(calcs_->state.entryState, 0);
        QVERIFY(!BanksLocked());
        QVERIFY(!calcs_->Text1(0)->isVisible());
        QCOMPARE(calcs_->Text1(0)->text(), QString());
        QVERIFY(calcs_->Image3().isVisible());
        QCOMPARE(endCount_, 0);
    }

    void enterInTheLastShownBoxStays() {
        Click(calcs_->ButtonPlus3(5));
        Type("29.42\r");
        QCOMPARE(QApplication::focusWidget(), calcs_->Text1(0));
        QCOMPARE(Entry(),
                 QStringLiteral("Enter the Altimeter Setting then Click the '=' button.    "));
    }

    void functionButtonKeys() {
        StartFunction(7, {"5000", "100"});
        TypeOn(calcs_->ButtonPlus3(7), "\r");
        QCOMPARE(calcs_->Text1(0)->text(), QString());
        QCOMPARE(calcs_->state.entryState, 3);
        QCOMPARE(QApplication::focusWidget(), calcs_->Text1(0));
        TypeOn(calcs_->ButtonPlus3(7), "\x1b");
        QCOMPARE(calcs_->state.entryState, 3);
        QCOMPARE(endCount_, 0);
        Type("c");
        QCOMPARE(calcs_->state.entryState, 0);
        QVERIFY(!BanksLocked());
    }

    void routesNeverPressALockedKey() {
        Click(calcs_->ButtonPlus3(5));
        const QString prompt = Entry();
        TypeOn(Key('='), "12+^<\b");
        QCOMPARE(Entry(), prompt);
        TypeOn(&calcs_->Text2(), "9\r");
        QCOMPARE(Entry(), QStringLiteral("The Pressure Altitude is 29919 feet."));
        TypeOn(Key('C'), "c");
        QVERIFY(!BanksLocked());
    }

    void altAccelerators() {
        QTest::keyClick(calcs_.get(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(calcs_->state.modeLetter, QStringLiteral("e"));
        QCOMPARE(calcs_->state.entryState, 3);
        // The conversion bank is locked now, so S belongs to Density Altitude alone.
        QTest::keyClick(calcs_.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(calcs_->state.modeLetter, QStringLiteral("s"));
        Click(Key('C'));
        // Unlocked, S is shared: each Alt+S only moves the focus, nothing is pressed.
        std::set<QWidget*> focused;
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(calcs_.get(), Qt::Key_S, Qt::AltModifier);
            QTest::qWait(150);
            focused.insert(QApplication::focusWidget());
        }
        QCOMPARE(focused, (std::set<QWidget*>{calcs_->ButtonPlus2(3), calcs_->ButtonPlus3(6)}));
        QCOMPARE(calcs_->state.entryState, 0);
        QCOMPARE(Entry(), QString());
    }

    void entryBoxTakesTypingAndPasting() {
        TypeOn(&calcs_->Text2(), "12+3\r");
        QCOMPARE(Entry(), QStringLiteral("15"));
        TypeOn(&calcs_->Text2(), "\x1b");
        QCOMPARE(Entry(), QStringLiteral("15"));
        QCOMPARE(endCount_, 0);
        calcs_->Text2().clear();
        QApplication::clipboard()->setText(QStringLiteral("2x(3+4)"));
        QTest::keyClick(&calcs_->Text2(), Qt::Key_V, Qt::ControlModifier);
        Type("\r");
        QCOMPARE(Entry(), QStringLiteral("14"));
        // Editing a conversion result makes it an expression again.
        Click(calcs_->ButtonPlus2(0));
        TypeOn(&calcs_->Text2(), "+1\r");
        QCOMPARE(Entry(), QStringLiteral("58.2"));
    }

    void commaDecimalLocaleGivesTheSameTexts() {
        const QLocale previous;
        const std::string previousC = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, "fr_CA.UTF-8") == nullptr) QSKIP("fr_CA.UTF-8 not installed");
        QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
        ClickKeys(QStringLiteral("1.5+1="));
        const QString sum = Entry();
        Click(Key('C'));
        ClickKeys(QStringLiteral("29.92"));
        Click(calcs_->ButtonPlus2(4));
        const QString millibars = Entry();
        StartFunction(7, {"6500", "120"});
        Click(Key('='));
        const QString airspeed = Entry();
        std::setlocale(LC_ALL, previousC.c_str());
        QLocale::setDefault(previous);
        QCOMPARE(sum, QStringLiteral("2.5"));
        QCOMPARE(millibars, QStringLiteral("1013.21"));
        QCOMPARE(airspeed, QStringLiteral("The True Airspeed is 135.6"));
    }
};

QTEST_MAIN(KeypadWindowTest)
#include "keypad_window_test.moc"
