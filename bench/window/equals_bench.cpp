// The time of one '=' of each kind in the real main window on the offscreen platform, from the
// mouse click on the key to the entry box repainted: an evaluation, a conversion (its button is
// its '='), each flight-computer function, the look-up up to its first candidate and a
// cross-country request over the shipped aerodrome file. Each case is set up afresh before every
// timed click; only the click and the repaint are timed.
//
// Usage: bench_window_equals [ROUNDS] [DATA_DIR]   (default 200 rounds, the build's data)
// Prints per case the median, 90th percentile and largest time in milliseconds.

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/calcs.h"
#include "keypad/keypad_controls.h"
#include "ui/check_button.h"
#include "ui/modal_form.h"
#include "ui/platform_hooks.h"
#include "ui/text_box.h"

namespace {

using Clock = std::chrono::steady_clock;
using aerlith::app::Calcs;
namespace ui = aerlith::ui;

using aerlith::keypad::kClearKey;
using aerlith::keypad::kEqualsKey;

struct Case {
    const char* name;
    std::function<void(Calcs&)> setUp;  // leaves the window one press away from the answer
    std::function<ui::CheckButton*(Calcs&)> key;  // the key whose click is timed
};

void Click(QWidget* widget) {
    if (widget != nullptr) QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier);
}

void TypeInto(QWidget* widget, const QString& text) {
    if (widget == nullptr) return;
    widget->setFocus();
    QTest::keyClicks(widget, text);
}

// Starts function button `function` and types `values` into its value boxes, one a box.
std::function<void(Calcs&)> FunctionWith(int function, std::vector<QString> values) {
    return [function, values](Calcs& calcs) {
        Click(calcs.ButtonPlus3(function));
        for (std::size_t i = 0; i < values.size(); ++i) {
            ui::TextBox* box = calcs.Text1(static_cast<int>(i));
            if (box == nullptr) continue;
            box->clear();
            TypeInto(box, values[i]);
        }
    };
}

// Clears the entry box and types `keys` on the keypad, each character by the key of that caption.
std::function<void(Calcs&)> KeypadTyping(const QString& keys) {
    return [keys](Calcs& calcs) {
        Click(calcs.ButtonPlus1(kClearKey));
        for (const QChar key : keys) {
            for (int i = 0; i < aerlith::kKeyCount; ++i) {
                ui::CheckButton* button = calcs.ButtonPlus1(i);
                if (button != nullptr && button->text() == QString(key)) Click(button);
            }
        }
    };
}

ui::CheckButton* EqualsKey(Calcs& calcs) { return calcs.ButtonPlus1(kEqualsKey); }

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[at];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + AERLITH_OFFSCREEN_CONFIG);
    }
    QApplication application(argc, argv);
    aerlith::app::PrepareApplication(application);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const QString dataDirectory =
        argc > 2 ? QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2]))
                 : QCoreApplication::applicationDirPath();

    Calcs calcs(dataDirectory);
    calcs.SetAerodromeFile(QDir(dataDirectory).filePath(QStringLiteral("vdats.tst")));
    ui::SetEndProgram([] {});
    ui::SetOpenWebAddress([](const QString&) {});

    // The look-up's first candidate: the entry box holds it when the message box opens. The time
    // is taken there, and "OK" keeps the candidate, which ends the function.
    Clock::time_point firstCandidate{};
    QString candidate;
    ui::SetModalObserver([&](ui::Form& modal) {
        calcs.Text2().repaint();
        firstCandidate = Clock::now();
        candidate = calcs.Text2().text();
        QPointer<ui::Form> box(&modal);
        QTimer::singleShot(0, &modal, [box] {
            if (box == nullptr) return;
            if (ui::Control* ok = box->Member(QStringLiteral("buttonplus1"), 0)) {
                Click(&ok->Widget());
            } else {
                box->close();
            }
        });
    });

    calcs.Form_Load();
    calcs.Timer1().stop();
    calcs.activateWindow();
    if (!QTest::qWaitForWindowExposed(&calcs)) {
        std::fprintf(stderr, "bench_window_equals: the window was never shown\n");
        return 1;
    }

    const std::vector<Case> cases = {
        {"evaluation 2x(3.5+4)/7-1.25", KeypadTyping(QStringLiteral("2x(3.5+4)/7-1.25")),
         EqualsKey},
        {"conversion 100 C to F", KeypadTyping(QStringLiteral("100")),
         [](Calcs& c) { return c.ButtonPlus2(0); }},
        {"crosswind (func 0)", FunctionWith(0, {QStringLiteral("20"), QStringLiteral("30")}),
         EqualsKey},
        {"heading, ground speed (func 1)",
         FunctionWith(1, {QStringLiteral("90"), QStringLiteral("100"), QStringLiteral("360"),
                          QStringLiteral("20")}),
         EqualsKey},
        {"wind (func 2)",
         FunctionWith(2, {QStringLiteral("90"), QStringLiteral("100"), QStringLiteral("90"),
                          QStringLiteral("110")}),
         EqualsKey},
        {"pressure altitude (func 5)", FunctionWith(5, {QStringLiteral("29.42")}), EqualsKey},
        {"density altitude (func 6)", FunctionWith(6, {QStringLiteral("15"), QStringLiteral("25")}),
         EqualsKey},
        {"true airspeed (func 7)", FunctionWith(7, {QStringLiteral("5000"), QStringLiteral("100")}),
         EqualsKey},
        {"dewpoint (func 8)", FunctionWith(8, {QStringLiteral("20"), QStringLiteral("50")}),
         EqualsKey},
        // Early in the shipped file, and its last record: the scan's best and worst case.
        {"look-up toronto (func 4)", FunctionWith(4, {QStringLiteral("toronto")}), EqualsKey},
        {"look-up upolu, last record (func 4)", FunctionWith(4, {QStringLiteral("upolu")}),
         EqualsKey},
        {"cross-country CYOW PHUP (func 3)",
         FunctionWith(3, {QStringLiteral("CYOW"), QStringLiteral("PHUP")}), EqualsKey},
    };

    std::printf("'=' from the click to the repainted entry box, %d rounds, offscreen, ms\n",
                rounds);
    std::printf("%-36s %8s %8s %8s  %s\n", "case", "median", "p90", "max", "entry box after");
    for (const Case& c : cases) {
        std::vector<double> times;
        QString shown;
        for (int round = 0; round < rounds; ++round) {
            c.setUp(calcs);
            QCoreApplication::processEvents();
            ui::CheckButton* key = c.key(calcs);
            firstCandidate = {};
            const Clock::time_point start = Clock::now();
            Click(key);
            calcs.Text2().repaint();
            const Clock::time_point end =
                firstCandidate != Clock::time_point{} ? firstCandidate : Clock::now();
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            shown = firstCandidate != Clock::time_point{} ? candidate : calcs.Text2().text();
        }
        std::printf("%-36s %8.3f %8.3f %8.3f  [%s]\n", c.name, Percentile(times, 0.5),
                    Percentile(times, 0.9), Percentile(times, 1.0), qPrintable(shown));
    }
    ui::SetModalObserver({});
    return 0;
}
