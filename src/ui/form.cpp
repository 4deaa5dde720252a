#include "ui/form.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/image_box.h"
#include "ui/text_box.h"
#include "ui/twips.h"

namespace aerlith::ui {
namespace {

const std::vector<Control*> kNoMembers;

Control* CreateLike(const Control& model, QWidget* parent, int index) {
    const QString& name = model.ArrayName();
    switch (model.Kind()) {
        case ControlKind::CheckButton:
            return new CheckButton(parent, name, index);
        case ControlKind::Label:
            return new CaptionLabel(parent, name, index);
        case ControlKind::TextBox:
            return new TextBox(parent, name, index);
        case ControlKind::Image:
            return new ImageBox(parent, name, index);
    }
    return nullptr;
}

}  // namespace

Form::Form(const QString& name, QWidget* parent) : QWidget(parent), name_(name) {
    setObjectName(name);
    setAutoFillBackground(true);
}

const std::vector<Control*>& Form::Array(const QString& arrayName) const {
    const auto found = arrays_.find(arrayName);
    return found == arrays_.end() ? kNoMembers : found->second;
}

Control* Form::Member(const QString& arrayName, int index) const {
    if (!HasArray(arrayName)) {
        const auto single = singles_.find(arrayName);
        return index == 0 && single != singles_.end() ? single->second : nullptr;
    }
    const auto& members = Array(arrayName);
    if (index < 0 || static_cast<std::size_t>(index) >= members.size()) return nullptr;
    return members[static_cast<std::size_t>(index)];
}

bool Form::HasArray(const QString& arrayName) const { return arrays_.count(arrayName) > 0; }

Control* Form::LoadMember(const QString& arrayName) {
    const auto found = arrays_.find(arrayName);
    if (found == arrays_.end() || found->second.empty()) return nullptr;
    const Control& model = *found->second.front();
    Control* member = CreateLike(model, this, static_cast<int>(found->second.size()));
    if (member == nullptr) return nullptr;
    // A new member starts with the look of member 0, hidden, as the design made it.
    member->DeferLook(deferLooks_);
    member->SetFont(model.Font());
    member->SetPalette(model.Palette());
    member->Widget().setAutoFillBackground(model.Widget().autoFillBackground());
    // Member 0's place too; a widget shown without a size of its own would first be sized to
    // its contents, which the layout then throws away.
    const TwipsRect& twips = model.Twips();
    member->Move(twips.left, twips.top, twips.width, twips.height);
    member->Widget().hide();
    found->second.push_back(member);
    controls_.push_back(member);
    return member;
}

void Form::DeferLooks() {
    deferLooks_ = true;
    for (Control* control : controls_) control->DeferLook(true);
}

void Form::ApplyLooks() {
    deferLooks_ = false;
    for (Control* control : controls_) {
        control->DeferLook(false);
        control->ApplyLook();
    }
    // Last, so that controls which already have their own font are not laid out twice.
    if (pendingFont_) setFont(*pendingFont_);
    pendingFont_.reset();
}

void Form::SetFont(const QFont& font) {
    if (deferLooks_) {
        pendingFont_ = font;
        return;
    }
    setFont(font);
}

void Form::MoveWindow(float left, float top, float width, float height) {
    twips_ = {left, top, width, height};
    QPoint origin;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        origin = screen->availableGeometry().topLeft();
    }
    // A window's size must not depend on where it stands: round the size, not the edges.
    setFixedSize(TwipsToPixelsX(width), TwipsToPixelsY(height));
    move(origin + QPoint(TwipsToPixelsX(left), TwipsToPixelsY(top)));
}

double Form::InnerWidthTwips() const { return width() * TwipsPerPixelX(); }
double Form::InnerHeightTwips() const { return height() * TwipsPerPixelY(); }

void Form::ClearSurface() {
    surface_.clear();
    update();
}

void Form::FillPolygon(const QPolygon& polygon, const QColor& color) {
    surface_.push_back({polygon, QRect(), color});
    update();
}

void Form::FillRect(const QRect& rect, const QColor& color) {
    surface_.push_back({QPolygon(), rect, color});
    update();
}

void Form::DeclareArray(Control& member0) {
    arrays_[member0.ArrayName()] = {&member0};
    Register(member0);
}

void Form::DeclareSingle(Control& control) {
    control.SetSingle(true);
    singles_[control.ArrayName()] = &control;
    Register(control);
}

void Form::Register(Control& control) { controls_.push_back(&control); }

void Form::paintEvent(QPaintEvent* /*event*/) {
    if (surface_.empty()) return;
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    for (const SurfaceFill& fill : surface_) {
        if (fill.polygon.isEmpty()) {
            painter.fillRect(fill.rect, fill.color);
        } else {
            painter.setBrush(fill.color);
            painter.drawPolygon(fill.polygon);
        }
    }
}

}  // namespace aerlith::ui
