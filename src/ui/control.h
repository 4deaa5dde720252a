#pragma once
// A control of one of our windows: a Qt widget that also knows its place in a control array and
// its geometry in twips, the unit every window is laid out in before it is scaled to the screen.

#include <QString>
#include <QWidget>

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

    /// Font size in points.
    double FontSize() const;
    void SetFontSize(double points);

private:
    ControlKind kind_;
    QString arrayName_;
    int index_;
    bool single_ = false;
    TwipsRect twips_;
};

}  // namespace aerlith::ui
