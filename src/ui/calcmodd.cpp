#include "ui/calcmodd.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QPolygon>
#include <QScreen>
#include <array>
#include <cmath>

#include "calc/number_format.h"
#include "layout/window_math.h"
#include "tables/text_tables.h"
#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/control_arrays.h"
#include "ui/form.h"
#include "ui/image_box.h"
#include "ui/text_box.h"
#include "ui/texts.h"
#include "ui/twips.h"

namespace aerlith::ui::calcmodd {

using layout::BackgroundStrokeCount;
using layout::ButtonScheme;
using layout::ButtonSchemeFor;
using layout::CentreOffset;
using layout::ColorParts;
using layout::ParseControlArrayCode;
using layout::ScaleFactors;
using layout::ScaleFactorsFor;
using layout::ScaleTwips;
using layout::WorkAreaTwips;

namespace {

// Entries of the settings table read here.
constexpr int kButtonSchemeSetting = 1;
constexpr int kPerWindowAdjustmentSetting = 3;  // "OFF" enables the adjustment
constexpr int kFontNameSetting = 5;

// The scaling pass tells the windows apart by name, case included.
layout::WindowKind KindOf(const Form& form) {
    if (form.Name() == QLatin1String("calcs")) return layout::WindowKind::Main;
    if (form.Name() == QLatin1String("cibox")) return layout::WindowKind::MessageBox;
    return layout::WindowKind::Other;
}

const QColor kLightText(255, 255, 248);

// A button's caption colour while it works. A locked button keeps the platform's disabled caption
// colour, so that it looks locked as any other locked button does.
void SetCaptionColour(Control& button, const QColor& color) {
    QPalette palette = button.Palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, color);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, color);
    button.SetPalette(palette);
}

// The part of the inner area w x h (twips) that strokes 0..n cover: the points with x <= w,
// y >= 0 and x - y >= w - n, found by clipping the rectangle with that half-plane.
QPolygonF StrokeCover(double w, double h, double n) {
    const std::array<QPointF, 4> corners{QPointF(0, 0), QPointF(w, 0), QPointF(w, h),
                                         QPointF(0, h)};
    auto inside = [&](const QPointF& p) { return p.x() - p.y() >= w - n; };
    QPolygonF cover;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const QPointF& a = corners[i];
        const QPointF& b = corners[(i + 1) % corners.size()];
        if (inside(a)) cover << a;
        if (inside(a) != inside(b)) {
            const double fa = a.x() - a.y() - (w - n);
            const double fb = b.x() - b.y() - (w - n);
            const double t = fa / (fa - fb);
            cover << a + (b - a) * t;
        }
    }
    return cover;
}

}  // namespace

ModuleState& State() {
    static ModuleState state;
    return state;
}

QString StandardFontName() { return FromUtf8(Setting(kFontNameSetting).value_or("")); }

QColor ColorOf(std::int64_t color) {
    const ColorParts parts = layout::SplitColor(color);
    return QColor(std::min(parts.red, 255), std::min(parts.green, 255), std::min(parts.blue, 255));
}

void MeasureWorkArea() {
    QRect area;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    State().ScreenWidth = WorkAreaTwips(area.width(), TwipsPerPixelX(), kFallbackScreenWidth);
    State().ScreenHeight = WorkAreaTwips(area.height(), TwipsPerPixelY(), kFallbackScreenHeight);
}

void ScaleForm(Form& form) {
    const ScaleFactors factors =
        ScaleFactorsFor(KindOf(form), Setting(kPerWindowAdjustmentSetting).value_or("") == "OFF");
    State().SizeFactor = factors.sizeFactor;
    State().WidthFactor = factors.widthFactor;
    const float size = factors.sizeFactor;
    const float across = factors.widthFactor;

    const TwipsRect window = form.Twips();
    form.MoveWindow(window.left, window.top, ScaleTwips(ScaleTwips(window.width, size), across),
                    ScaleTwips(window.height, size));
    CenterForm(form);

    for (Control* control : form.Controls()) {
        const TwipsRect twips = control->Twips();
        control->Move(ScaleTwips(ScaleTwips(twips.left, size), across), ScaleTwips(twips.top, size),
                      ScaleTwips(ScaleTwips(twips.width, size), across),
                      ScaleTwips(twips.height, size));
        if (control->Kind() != ControlKind::Image) {
            control->SetFontSize(control->FontSize() * static_cast<double>(size));
        }
    }
}

void CenterForm(Form& form) {
    const TwipsRect window = form.Twips();
    const auto left = static_cast<float>(CentreOffset(State().ScreenWidth, window.width));
    const auto top = static_cast<float>(CentreOffset(State().ScreenHeight, window.height));
    form.MoveWindow(left, top, window.width, window.height);
}

void LoadControlArray(Form& form, std::int32_t code) {
    const auto parsed = ParseControlArrayCode(code);
    if (!parsed) return;
    static constexpr std::array<std::array<const char*, 3>, 4> kArrays{{
        {kButtonPlus1.name, kButtonPlus2.name, kButtonPlus3.name},
        {kLabel1.name, kLabel2.name, nullptr},
        {kText1.name, kText2.name, nullptr},
        {kImage1.name, kImage1.name, kImage1.name},
    }};
    const char* arrayName = nullptr;
    if (parsed->kind >= 1 && parsed->kind <= 4) {
        const auto& families = kArrays[static_cast<std::size_t>(parsed->kind - 1)];
        if (parsed->kind == 4) {
            arrayName = families[0];
        } else if (parsed->family >= 1 && parsed->family <= 3) {
            arrayName = families[static_cast<std::size_t>(parsed->family - 1)];
        }
    }
    if (arrayName == nullptr || !form.HasArray(QString::fromLatin1(arrayName))) return;
    const QString name = QString::fromLatin1(arrayName);
    // Members are added until there are last + 1; at least one is always added.
    std::int64_t i = 0;
    while (i <= parsed->last) {
        i = static_cast<std::int64_t>(form.Array(name).size());
        Control* member = form.LoadMember(name);
        if (member == nullptr) return;
        member->Widget().show();
        if (parsed->kind == 4) member->Widget().raise();
        ++i;
    }
}

void ApplyStandardLook(Form& form) {
    form.MoveWindow(0, 0, 11600, 8400);
    QFont font = form.font();
    font.setFamily(StandardFontName());
    form.SetFont(font);
    QPalette windowPalette = form.palette();
    windowPalette.setColor(QPalette::Window, kLightText);
    form.setPalette(windowPalette);
    for (Control* control : form.Controls()) {
        QFont controlFont = control->Font();
        controlFont.setFamily(StandardFontName());
        switch (control->Kind()) {
            case ControlKind::CheckButton: {
                controlFont.setPointSizeF(7);
                control->SetFont(controlFont);
                SetCaptionColour(*control, QColor(255, 255, 255));
                break;
            }
            case ControlKind::TextBox:
                control->SetFont(controlFont);
                SetColour(*control, QPalette::Text, QColor(0, 0, 96));
                SetColour(*control, QPalette::Base, kLightText);
                break;
            case ControlKind::Label:
                control->SetFont(controlFont);
                break;
            case ControlKind::Image:
                break;
        }
    }
}

void StyleCaptionLabel(CaptionLabel& label) {
    QFont font = label.Font();
    font.setPointSizeF(7);
    font.setFamily(StandardFontName());
    font.setBold(false);
    label.SetFont(font);
    SetColour(label, QPalette::WindowText, kLightText);
    label.setAutoFillBackground(false);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setTextFormat(Qt::PlainText);
}

void ShowShadowCaption(CaptionLabel* front, CaptionLabel* back, std::int32_t left, std::int32_t top,
                       std::int32_t width, std::int32_t height, const QString& text) {
    if (front != nullptr) StyleCaptionLabel(*front);
    if (back != nullptr) StyleCaptionLabel(*back);
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    if (front != nullptr) {
        SetColour(*front, QPalette::WindowText, kLightText);
        front->setText(text);
        front->Move(static_cast<float>(left), static_cast<float>(top), w, h);
    }
    if (back != nullptr) {
        SetColour(*back, QPalette::WindowText, QColor(0, 0, 0));
        back->setText(text);
        back->SetShadow(true);
        const float offset = State().SizeFactor;
        back->Move(static_cast<float>(left + 7 * static_cast<double>(offset)),
                   static_cast<float>(top + 5 * static_cast<double>(offset)), w, h);
        // The shadow lies behind its caption.
        back->lower();
    }
}

void PaintBackground(Form& form, std::int64_t color) {
    const auto width = ToInt32(form.InnerWidthTwips()).value_or(0);
    const auto height = ToInt32(form.InnerHeightTwips()).value_or(0);
    const std::int32_t strokes = BackgroundStrokeCount(width, height);
    const QPolygonF cover = StrokeCover(width, height, strokes);
    QPolygon pixels;
    for (const QPointF& point : cover) {
        pixels << QPoint(TwipsToPixelsX(point.x()), TwipsToPixelsY(point.y()));
    }
    if (pixels.size() < 3) return;
    form.FillPolygon(pixels, ColorOf(color));
}

void PaintButton(CheckButton& button, std::int32_t color) {
    switch (ButtonSchemeFor(Setting(kButtonSchemeSetting).value_or(""))) {
        case ButtonScheme::Grey:
            SetColour(button, QPalette::Button, QColor(128, 128, 128));
            break;
        case ButtonScheme::White:
            SetColour(button, QPalette::Button, QColor(255, 255, 255));
            SetCaptionColour(button, QColor(0, 0, 0));
            break;
        case ButtonScheme::BankColour:
            SetColour(button, QPalette::Button, ColorOf(color));
            break;
        case ButtonScheme::Unchanged:
            break;
    }
}

void DrawButtonShadow(Form& form, Control& control, std::int32_t thickness) {
    if (!control.Widget().isEnabled()) return;
    const double d = 10.0 * thickness;
    const TwipsRect& twips = control.Twips();
    const TwipsRect shadow{static_cast<float>(twips.left + d), static_cast<float>(twips.top + d),
                           static_cast<float>(twips.width + d),
                           static_cast<float>(twips.height + d)};
    form.FillRect(TwipsToPixels(shadow), QColor(0, 0, 0));
}

void SetColour(Control& control, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = control.Palette();
    palette.setColor(role, color);
    control.SetPalette(palette);
}

void SetCaptionPair(Form& form, std::int32_t family, std::int32_t first, std::int32_t second,
                    const QString& text) {
    if (family != kLabel1Family && family != kLabel2Family) return;
    const ControlArray<CaptionLabel> labels = family == kLabel1Family ? kLabel1 : kLabel2;
    for (const std::int32_t index : {first, second}) {
        if (CaptionLabel* label = FindControl(form, labels, index)) label->setText(text);
    }
}

}  // namespace aerlith::ui::calcmodd
