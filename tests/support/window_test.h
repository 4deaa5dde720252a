#pragma once
// What every window test shares: the real main window over the test data folder, the
// program's ending and its web address replaced by recorders, modal windows answered from
// inside their wait by a single-shot timer, and a check after each test that no window is left
// open. A test class derives from WindowTest. Should it declare initTestCase, init or cleanup of
// its own, that slot calls the fixture's first.

#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <string_view>

#include "app/calcs.h"

namespace aerlith::test {

class WindowTest : public QObject {
    Q_OBJECT

protected:
    /// A key as the keyboard sends it: to the focus widget of the active window.
    static void KeyToFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// Moves the pointer onto `widget` (its centre, or `position` in it) as seen by its own
    /// window, whatever windows lie under that point on the screen.
    static void MovePointer(QWidget& widget, QPoint position = {});
    /// The main window's control of a scenario name: "key =", "conv 3", "func 8", "box 0",
    /// "entry", "picture"; nullptr for any other.
    QWidget* Target(std::string_view name) const;
    /// How the next modal window is answered: `action` runs on it from inside its wait, once it
    /// is the active window. A window left open, or shown with nothing queued, is then closed
    /// by its close box.
    void Answer(std::function<void(ui::Form& modal)> action);
    /// Runs the event loop with the program's real ending, `start` first; returns the loop's
    /// status, or 7 when the ending has not left it within ten seconds.
    int RunToTheRealEnding(const std::function<void()>& start);

    /// The main window, shown and active, its picture timer stopped.
    std::unique_ptr<app::Calcs> calcs_;
    /// Since the test began, in order: what the program asked of the world outside its windows
    /// ("open ADDRESS", "end"), and the caption of each modal window shown, trimmed.
    QStringList calls_;
    QStringList modals_;

protected slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    QList<std::function<void(ui::Form&)>> answers_;
};

}  // namespace aerlith::test
