#pragma once
// Controls of the main window by the names the window tests use.

#include <QString>
#include <QStringList>
#include <QWidget>

#include "app/calcs.h"

namespace aerlith::app {

/// "key N", "conv N", "func N", "box N", "label N", "entry", "picture"; nullptr otherwise.
inline QWidget* WindowTarget(Calcs& calcs, const QString& name) {
    const QStringList parts = name.split(QLatin1Char(' '));
    const int index = parts.size() > 1 ? parts[1].toInt() : 0;
    if (parts[0] == QStringLiteral("key")) return calcs.ButtonPlus1(index);
    if (parts[0] == QStringLiteral("conv")) return calcs.ButtonPlus2(index);
    if (parts[0] == QStringLiteral("func")) return calcs.ButtonPlus3(index);
    if (parts[0] == QStringLiteral("box")) return calcs.Text1(index);
    if (parts[0] == QStringLiteral("label")) return calcs.Label2(index);
    if (parts[0] == QStringLiteral("entry")) return &calcs.Text2();
    if (parts[0] == QStringLiteral("picture")) return &calcs.Image3();
    return nullptr;
}

}  // namespace aerlith::app
