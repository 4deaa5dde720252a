#pragma once
// Results read to a screen reader where the focus is not: a reader speaks the text of the
// control that has the focus, but not a result written into another one.

#include <QString>
#include <QWidget>

namespace aerlith::ui {

/// An invisible child of a window whose accessible role is a notification and whose name is the
/// text to read. It draws nothing, takes no focus and lets the pointer through.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget& window);
};

/// Presents `text` (trimmed) to a screen reader as a notification of `window`, without moving
/// the focus and without changing what the window shows: the window's announcer is shown afresh
/// under that name (a reader on Linux speaks a notification that appears), and an alert event is
/// sent for it (what Windows readers speak). An empty text presents nothing.
void Announce(QWidget& window, const QString& text);

}  // namespace aerlith::ui
