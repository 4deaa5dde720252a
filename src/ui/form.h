#pragma once
// A window of the program: its controls in named control arrays, its geometry in twips, and a
// drawing surface that keeps what is drawn on it (drawn before the window is shown, it is there
// once shown, and survives being covered and uncovered).

#include <QColor>
#include <QPolygon>
#include <QWidget>
#include <map>
#include <optional>
#include <vector>

#include "ui/control.h"

namespace aerlith::ui {

class Form : public QWidget {
    Q_OBJECT
public:
    /// `name` is the window's name ("calcs", "cibox", "endbox"), used by the scaling pass.
    explicit Form(const QString& name, QWidget* parent = nullptr);

    const QString& Name() const { return name_; }

    /// Every control, in creation order.
    const std::vector<Control*>& Controls() const { return controls_; }

    /// Members of control array `arrayName`, by index; empty when there is no such array.
    const std::vector<Control*>& Array(const QString& arrayName) const;
    /// Member `index` of `arrayName`, or nullptr when it does not exist. A single control is
    /// member 0 of its name.
    Control* Member(const QString& arrayName, int index) const;
    bool HasArray(const QString& arrayName) const;

    /// Adds a new member at the end of `arrayName` (a control of the same kind as member 0) and
    /// returns it; nullptr when the array does not exist.
    Control* LoadMember(const QString& arrayName);

    /// While the window is being built: from now on every control, and the window for its own
    /// font, only records a new font or palette (Control::SetFont, SetPalette, this SetFont).
    void DeferLooks();
    /// Gives every control, then the window, the look recorded since DeferLooks, once each, and
    /// applies new looks at once again.
    void ApplyLooks();
    /// The window's own font, which controls without a font of their own take.
    void SetFont(const QFont& font);

    /// Window geometry in twips (outer size; the program's windows have no resizable frame).
    const TwipsRect& Twips() const { return twips_; }
    void MoveWindow(float left, float top, float width, float height);
    /// Inner width and height in twips.
    double InnerWidthTwips() const;
    double InnerHeightTwips() const;

    // The drawing surface, in pixels of the window's inner area.
    void ClearSurface();
    void FillPolygon(const QPolygon& polygon, const QColor& color);
    void FillRect(const QRect& rect, const QColor& color);

protected:
    /// Declares a control array whose member 0 is `member0` (created by the window's design).
    void DeclareArray(Control& member0);
    /// Registers a control that is not an array member.
    void DeclareSingle(Control& control);

    void paintEvent(QPaintEvent* event) override;

private:
    struct SurfaceFill {
        QPolygon polygon;  ///< empty for a rectangle
        QRect rect;
        QColor color;
    };

    void Register(Control& control);

    QString name_;
    TwipsRect twips_;
    bool deferLooks_ = false;
    std::optional<QFont> pendingFont_;
    std::vector<Control*> controls_;
    std::map<QString, std::vector<Control*>> arrays_;
    std::map<QString, Control*> singles_;
    std::vector<SurfaceFill> surface_;
};

}  // namespace aerlith::ui
