#pragma once
// What every window test shares. A test class derives from WindowTest; a slot initTestCase, init
// or cleanup of its own calls the fixture's too.

#include <QObject>
#include <QRgb>
#include <QStringList>
#include <functional>
#include <memory>
#include <string_view>

#include "app/calcs.h"

namespace aerlith::ui {
class Cibox;
}

namespace aerlith::test {

/// The look-up's question: a text that the message box shows in its short layout, with buttons.
inline const QString kQuestion = QStringLiteral("Do you want this one?      ");

/// The contrast ratio of two colours by WCAG 2.2's relative luminance, 1 to 21.
double Contrast(QRgb one, QRgb other);

class WindowTest : public QObject {
    Q_OBJECT

protected:
    /// A key as the keyboard sends it: to the focus widget of the active window.
    static void KeyToFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// Moves the pointer onto `widget` (its centre, or `position` in it) as its window sees it.
    static void MovePointer(QWidget& widget, QPoint position = {});
    /// The main window's control of a scenario name ("key =", "conv 3", "box 0", "entry").
    QWidget* Target(std::string_view name) const;
    /// Answers the next modal window: `action` runs on it from inside its wait once it is active;
    /// a window then still open, or shown with nothing queued, is closed by its close box.
    void Answer(std::function<void(ui::Form& modal)> action);
    /// Answers the next modal window, a message box, with `action` run on the box.
    void AnswerBox(std::function<void(ui::Cibox& box)> action);
    /// Shows the message box with `text` under the title "Title", answered by `action`; returns
    /// the box's answer.
    int ShowBox(std::function<void(ui::Cibox& box)> action, const QString& text = kQuestion);

    /// The main window over the build's data folder, shown and active, its picture timer stopped.
    std::unique_ptr<app::Calcs> calcs_;
    /// Since the test began: "open ADDRESS" and "end" asked of the world outside the windows,
    /// and the trimmed caption of each modal window shown.
    QStringList calls_;
    QStringList modals_;

protected slots:
    /// Replaces the ending and the web address with recorders and answers modal windows.
    void initTestCase();
    void init();
    /// Closes the main window; fails when a window is left open or an answer went unused.
    void cleanup();

private:
    QList<std::function<void(ui::Form&)>> answers_;
};

}  // namespace aerlith::test
