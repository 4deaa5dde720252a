// Hover feedback and context help in the main window on the offscreen platform, through real
// pointer moves and mouse clicks.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/calcs.h"
#include "scenario/window_targets.h"
#include "tables/maker.h"
#include "ui/cibox.h"
#include "ui/platform_hooks.h"
#include "ui/texts.h"

using aerlith::app::Calcs;
namespace ui = aerlith::ui;

class HoverHelpTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Calcs> calcs_;
    int helpShowings_ = 0;
    QString helpCaption_;
    QString helpText_;
    bool helpLong_ = false;

    QWidget* Target(const QString& name) const {
        return aerlith::scenario::FindTarget(*calcs_, name.toStdString());
    }

    void MoveOnto(const QString& name) {
        if (name == QStringLiteral("background")) {
            QTest::mouseMove(calcs_.get(), QPoint(3, 3));
            return;
        }
        QWidget* widget = Target(name);
        QVERIFY2(widget != nullptr, qPrintable(name));
        QTest::mouseMove(widget, widget->rect().center());
    }

    QString Underlined() const {
        QStringList names;
        for (const char* bank : {"buttonplus1", "buttonplus2", "buttonplus3"}) {
            for (const ui::Control* control : calcs_->Array(QString::fromLatin1(bank))) {
                if (control->Widget().font().underline()) names << control->DisplayName();
            }
        }
        return names.join(QLatin1Char(' '));
    }

    // Presses "Pr&essure Altitude": a function pending, keypad and conversions locked, the
    // picture hidden and value box 0 with its label shown.
    void StartPressureAltitude() {
        QTest::mouseClick(calcs_->ButtonPlus3(5), Qt::LeftButton);
        QCOMPARE(calcs_->state.entryState, 3);
        QVERIFY(!calcs_->ButtonPlus1(0)->isEnabled());
        QVERIFY(!calcs_->ButtonPlus2(0)->isEnabled());
    }

private slots:
    void initTestCase() {
        ui::SetEndProgram([] {});
        ui::SetOpenWebAddress([](const QString&) {});
        ui::SetModalObserver([this](ui::Form& form) {
            auto* box = qobject_cast<ui::Cibox*>(&form);
            if (box == nullptr) return;
            ++helpShowings_;
            helpCaption_ = box->windowTitle();
            helpText_ = box->Text();
            helpLong_ = box->IsLongLayout();
            QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_Escape); });
        });
    }

    void init() {
        helpShowings_ = 0;
        helpCaption_.clear();
        helpText_.clear();
        calcs_ = std::make_unique<Calcs>(QStringLiteral(AERLITH_TEST_DATA_DIR));
        calcs_->Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(calcs_.get()));
        // A start away from every control, so that the first move of a test is a move.
        MoveOnto(QStringLiteral("background"));
    }

    void cleanup() { calcs_.reset(); }

    void hoverMovesTheMark_data() {
        QTest::addColumn<bool>("pending");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("underlined");
        QTest::newRow("onto a key") << false << QStringList{"key 7"} << "buttonplus1(0)";
        QTest::newRow("key straight onto a conversion")
            << false << QStringList{"key 7", "conv 0"} << "buttonplus2(0)";
        QTest::newRow("conversion straight onto a function")
            << false << QStringList{"conv 17", "func 8"} << "buttonplus3(8)";
        QTest::newRow("repeated moves over one key")
            << false << QStringList{"key (", "key (", "key ("} << "buttonplus1(19)";
        QTest::newRow("button onto the picture keeps it")
            << false << QStringList{"conv 3", "picture"} << "buttonplus2(3)";
        QTest::newRow("button onto the background clears")
            << false << QStringList{"func 0", "background"} << "";
        QTest::newRow("button onto the entry box clears")
            << false << QStringList{"key .", "entry"} << "";
        QTest::newRow("button onto a value box keeps it")
            << true << QStringList{"func 5", "box 0"} << "buttonplus3(5)";
        QTest::newRow("value box, then the entry box clears")
            << true << QStringList{"func 5", "box 0", "entry"} << "";
        QTest::newRow("button onto a value-box label clears")
            << true << QStringList{"func 6", "label 0"} << "";
        QTest::newRow("button onto a locked key clears")
            << true << QStringList{"func 5", "key 7"} << "";
        QTest::newRow("button onto a locked conversion clears")
            << true << QStringList{"func 7", "conv 2"} << "";
        QTest::newRow("unlocked 'C' while locked")
            << true << QStringList{"func 7", "key C"} << "buttonplus1(11)";
    }

    void hoverMovesTheMark() {
        QFETCH(bool, pending);
        QFETCH(QStringList, moves);
        QFETCH(QString, underlined);
        if (pending) StartPressureAltitude();
        MoveOnto(QStringLiteral("background"));
        QCOMPARE(Underlined(), QString());
        for (const QString& move : moves) MoveOnto(move);
        QCOMPARE(Underlined(), underlined);
    }

    void rightClickShowsTheBanksHelp_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("opening");
        const QString keypad = QStringLiteral("Calculator Help - Number Keypad   ");
        const QString conversions = QStringLiteral("Calculator Help - Conversions   ");
        const QString plans = QStringLiteral("Calculator Help - Flight Plans   ");
        const QString formulae = QStringLiteral("Calculator Help - Formulae   ");
        const QString keypadText = QStringLiteral("Click on these numbers or use the number pad");
        const QString conversionText = QStringLiteral("To do a conversion, first type");
        const QString planText = QStringLiteral("These two buttons will calculate the distance");
        const QString formulaText = QStringLiteral("These buttons will perform similar calcul");
        QTest::newRow("key 7") << "key 7" << keypad << keypadText;
        QTest::newRow("key (") << "key (" << keypad << keypadText;
        QTest::newRow("conversion 0") << "conv 0" << conversions << conversionText;
        QTest::newRow("conversion 17") << "conv 17" << conversions << conversionText;
        QTest::newRow("function 0") << "func 0" << formulae << formulaText;
        QTest::newRow("function 2") << "func 2" << formulae << formulaText;
        QTest::newRow("function 3, cross-country") << "func 3" << plans << planText;
        QTest::newRow("function 4, look-up") << "func 4" << plans << planText;
        QTest::newRow("function 5") << "func 5" << formulae << formulaText;
        QTest::newRow("function 8") << "func 8" << formulae << formulaText;
    }

    void rightClickShowsTheBanksHelp() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, opening);
        QTest::mouseClick(Target(button), Qt::RightButton);
        QCOMPARE(helpShowings_, 1);
        QCOMPARE(helpCaption_, caption);
        QVERIFY2(helpText_.startsWith(opening), qPrintable(helpText_));
        // Every help text ends with the closing paragraph and its contact address.
        const QString closing =
            QStringLiteral(
                " For more info click or tap on 'How to Use This Software' in the Main "
                "Menu, or 'Help With This Software Index' in the Help Classroom, or "
                "contact us at ") +
            ui::ToQString(aerlith::maker::kEmail) + QStringLiteral(".");
        QVERIFY2(helpText_.endsWith(closing), qPrintable(helpText_));
        QVERIFY(helpLong_);
        QVERIFY(calcs_->isVisible());
    }

    void otherButtonsAndLockedButtonsShowNoHelp() {
        QTest::mouseClick(calcs_->ButtonPlus1(4), Qt::MiddleButton);
        QTest::mouseClick(calcs_->ButtonPlus2(4), Qt::LeftButton);
        QTest::mouseClick(calcs_->ButtonPlus3(8), Qt::MiddleButton);
        QTest::mouseClick(&calcs_->Text2(), Qt::RightButton);
        QCOMPARE(helpShowings_, 0);
        StartPressureAltitude();
        QTest::mouseClick(calcs_->ButtonPlus1(0), Qt::RightButton);
        QTest::mouseClick(calcs_->ButtonPlus2(0), Qt::RightButton);
        QCOMPARE(helpShowings_, 0);
    }

    void keypadAsksThroughTheBox() {
        // The box is closed by Esc, which answers 2 whatever was there before.
        aerlith::ui::calcmodd::BoxAnswer() = 0;
        const int answer =
            calcs_->Keys().Hooks().showInfoBox(QStringLiteral("Do you want this one?      "),
                                               QStringLiteral("Possible choice found."));
        QCOMPARE(answer, 2);
        QCOMPARE(helpShowings_, 1);
        QCOMPARE(helpCaption_, QStringLiteral("Possible choice found.   "));
        QVERIFY(!helpLong_);
    }

    void helpLeavesThePendingFunctionAlone() {
        StartPressureAltitude();
        QTest::keyClicks(calcs_->Text1(0), QStringLiteral("29.42"));
        const QString entry = calcs_->Text2().text();
        const QString mode = calcs_->state.modeLetter;
        QCOMPARE(calcs_->Text1(0)->text(), QStringLiteral("29.42"));
        QTest::mouseClick(calcs_->ButtonPlus3(4), Qt::RightButton);
        QCOMPARE(helpShowings_, 1);
        // Keys go to the main window again once the box has closed.
        QTRY_COMPARE(QApplication::activeWindow(), calcs_.get());
        QCOMPARE(calcs_->Text2().text(), entry);
        QCOMPARE(calcs_->state.entryState, 3);
        QCOMPARE(calcs_->state.modeLetter, mode);
        QCOMPARE(calcs_->Text1(0)->text(), QStringLiteral("29.42"));
        QVERIFY(calcs_->Text1(0)->isVisible());
        QVERIFY(!calcs_->Image3().isVisible());
        QVERIFY(!calcs_->ButtonPlus1(0)->isEnabled());
        // '=' then completes with the value typed before the help.
        QTest::mouseClick(calcs_->ButtonPlus1(17), Qt::LeftButton);
        QCOMPARE(calcs_->Text2().text(), QStringLiteral("The Pressure Altitude is 500 feet."));
    }
};

QTEST_MAIN(HoverHelpTest)
#include "hover_help_test.moc"
