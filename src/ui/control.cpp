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

double Control::FontSize() const { return Widget().font().pointSizeF(); }

void Control::SetFontSize(double points) {
    if (!(points > 0)) return;
    QFont font = Widget().font();
    font.setPointSizeF(points);
    Widget().setFont(font);
}

}  // namespace aerlith::ui
