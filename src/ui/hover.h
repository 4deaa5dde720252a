#pragma once
// Hover feedback: the button under the pointer has its caption underlined. The mark is the
// font's underline over the whole caption, independent of the access-key letter that "&" marks.

#include <QObject>

class QWidget;

namespace aerlith::ui {

class Form;

/// Underlines the caption of `control` unless it already is; writes the font only on a change.
void UnderlineControl(QWidget& control);
/// Removes the underline from every button of `form` whose caption is underlined; other kinds of
/// control are left alone.
void ClearUnderlines(const Form& form);

/// Which pointer moves a PointerWatch reports.
enum class WatchedMoves {
    All,             ///< every move over the widget
    WhileDisabled,   ///< moves over the widget while it is disabled (and so takes no events)
    OverBackground,  ///< moves over a window's own surface: no child there, or a disabled one
};

/// Reports pointer moves that have no signal of their own: moves over a text box, over a
/// window's background, and over a locked control, which Qt hands to nobody; and the pointer
/// leaving the watched widget. It belongs to the watched widget and turns its mouse tracking on.
class PointerWatch : public QObject {
    Q_OBJECT
public:
    PointerWatch(QWidget& widget, WatchedMoves moves);

signals:
    void PointerMoved();
    /// The pointer left the widget (Qt's leave event); for a window, it left the window.
    void PointerLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& widget_;
    WatchedMoves moves_;
};

}  // namespace aerlith::ui
