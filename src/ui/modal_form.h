#pragma once
// A window that is shown modally: the code that shows it waits inside the call while the
// window's own handlers and every timer tick run, and goes on once the window is unloaded.

#include "ui/form.h"

namespace aerlith::ui {

class ModalForm : public Form {
    Q_OBJECT
public:
    using Form::Form;

    /// Shows the window modally and returns once it is unloaded (at once if it already is).
    /// The modal observer of platform_hooks hears of the window right after it is shown.
    void ShowModal();

    /// True once the window has been unloaded.
    bool IsUnloaded() const { return unloaded_; }

signals:
    /// The window was unloaded; emitted once.
    void Unloaded();

protected:
    /// Hides the window and ends the modal wait. Only the first call has an effect; it returns
    /// false for every later one.
    bool Unload();

private:
    bool unloaded_ = false;
};

}  // namespace aerlith::ui
