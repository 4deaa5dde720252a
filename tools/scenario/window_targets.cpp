#include "scenario/window_targets.h"

#include "app/calcs.h"
#include "ui/control.h"

namespace aerlith::scenario {

QWidget* WidgetOf(app::Calcs& calcs, const Target& target) {
    switch (target.type) {
        case TargetType::Key:
            return calcs.ButtonPlus1(target.index);
        case TargetType::Conversion:
            return calcs.ButtonPlus2(target.index);
        case TargetType::Function:
            return calcs.ButtonPlus3(target.index);
        case TargetType::Box:
            return calcs.Text1(target.index);
        case TargetType::Entry:
            return &calcs.Text2();
        case TargetType::Label:
            return calcs.Label2(target.index);
        case TargetType::Picture:
            return &calcs.Image3();
        case TargetType::Background:
            return &calcs;
        case TargetType::Outside:
            return nullptr;
    }
    return nullptr;
}

QWidget* FindTarget(app::Calcs& calcs, std::string_view name) {
    const std::optional<Target> target = ParseTargetName(name);
    return target ? WidgetOf(calcs, *target) : nullptr;
}

QWidget* WidgetNamed(app::Calcs& calcs, std::string_view name) {
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (wanted == QStringLiteral("calcs")) return &calcs;
    for (ui::Control* control : calcs.Controls()) {
        if (control->DisplayName() == wanted) return &control->Widget();
    }
    return nullptr;
}

QString NameOf(const QWidget* widget, const app::Calcs& calcs) {
    if (widget == nullptr) return QStringLiteral("none");
    if (widget == &calcs) return QStringLiteral("calcs");
    if (const auto* control = dynamic_cast<const ui::Control*>(widget)) {
        return control->DisplayName();
    }
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

}  // namespace aerlith::scenario
