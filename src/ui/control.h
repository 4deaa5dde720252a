#pragma once
// A control of one of our windows: a Qt widget that also knows its place in a control array and
// its geometry in twips, the unit every window is laid out in before it is scaled to the screen.

#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <optional>

namespace aerlith::ui {

enum class ControlKind { CheckButton, Label, TextBox, Image };

/// Geometry in twips (1/1440 inch), held as the toolkit holds it: single precision.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

class Control {
public:
    Control(ControlKind kind, QString arrayName, int index);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual QWidget& Widget() = 0;
    const QWidget& Widget() const { return const_cast<Control*>(this)->Widget(); }

    ControlKind Kind() const { return kind_; }
    const QString& ArrayName() const { return arrayName_; }
    int Index() const { return index_; }
    /// "Text2" for a single control, "Text1(2)" for member 2 of an array.
    QString DisplayName() const;
    void SetSingle(bool single) { single_ = single; }

    const TwipsRect& Twips() const { return twips_; }
    /// Moves and sizes the control in twips; its pixel geometry follows at once.
    void Move(float left, float top, float width, float height);

    // The control's look: its font and its colours. While its window is being built (see
    // Form::DeferLooks) a new look is only recorded, so that a text box does not lay out its
    // text again for every font it passes through; Form::ApplyLooks gives each control its
    // final look in one step.

    /// The font the control has, or will have once the looks are applied.
    QFont Font() const;
    void SetFont(const QFont& font);
    /// Font size in points.
    double FontSize() const { return Font().pointSizeF(); }
    void SetFontSize(double points);
    /// The palette the control has, or will have once the looks are applied.
    QPalette Palette() const;
    /// Sets the palette.
    void SetPalette(const QPalette& palette);
    /// Records new looks from now on (true), or applies them at once again (false).
    void DeferLook(bool defer) { deferLook_ = defer; }
    /// Gives the widget the look recorded for it, if any.
    void ApplyLook();

private:
    ControlKind kind_;
    QString arrayName_;
    int index_;
    bool single_ = false;
    TwipsRect twips_;
    bool deferLook_ = false;
    std::optional<QFont> pendingFont_;
    std::optional<QPalette> palette_;
    bool palettePending_ = false;
};

}  // namespace aerlith::ui
