#include "ui/control.h"

#include "ui/twips.h"

namespace aerlith::ui {

Control::Control(ControlKind kind, QString arrayName, int index)
    : kind_(kind), arrayName_(std::move(arrayName)), index_(index) {}

QString Control::DisplayName() const {
    if (single_) return arrayName_;
    return QStringLiteral("%1(%2)").arg(arrayName_).arg(index_);
}

void Control::Move(float left, float top, float width, float height) {
    twips_ = {left, top, width, height};
    Widget().setGeometry(TwipsToPixels(twips_));
}

QFont Control::Font() const { return pendingFont_ ? *pendingFont_ : Widget().font(); }

void Control::SetFont(const QFont& font) {
    if (deferLook_) {
        pendingFont_ = font;
        return;
    }
    pendingFont_.reset();
    Widget().setFont(font);
}

void Control::SetFontSize(double points) {
    if (!(points > 0)) return;
    QFont font = Font();
    font.setPointSizeF(points);
    SetFont(font);
}

QPalette Control::Palette() const {
    // A recorded palette keeps the colours it sets; the rest still come from the window.
    return palette_ && palettePending_ ? palette_->resolve(Widget().palette()) : Widget().palette();
}

void Control::SetPalette(const QPalette& palette) {
    palette_ = palette;
    palettePending_ = deferLook_;
    if (!deferLook_) Widget().setPalette(palette);
}

void Control::ApplyLook() {
    if (pendingFont_) Widget().setFont(*pendingFont_);
    pendingFont_.reset();
    if (palette_ && palettePending_) Widget().setPalette(*palette_);
    palettePending_ = false;
}

}  // namespace aerlith::ui
