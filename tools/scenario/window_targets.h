#pragma once
// The main window's controls by the names the scenario runner's contract gives them, for the
// runner and the window tests alike.

#include <QString>
#include <string_view>

#include "scenario/scenario_parser.h"

class QWidget;

namespace aerlith::app {
class Calcs;
}

namespace aerlith::scenario {

/// The widget `target` stands for; `background` is the window itself. nullptr when the window
/// has no such member, and for `outside`.
QWidget* WidgetOf(app::Calcs& calcs, const Target& target);

/// The widget of a contract name: "key =" (by caption), "conv 3", "func 8", "box 0", "label 7",
/// "entry", "picture", "background". nullptr for any other text.
QWidget* FindTarget(app::Calcs& calcs, std::string_view name);

/// The widget printed as `name`: "calcs" or a control's name with its member index in brackets
/// ("Text2", "Text1(2)", "buttonplus3(8)"). nullptr when there is none.
QWidget* WidgetNamed(app::Calcs& calcs, std::string_view name);

/// How `widget` is printed: "calcs", a control's name as above, else its object or class name;
/// "none" for nullptr.
QString NameOf(const QWidget* widget, const app::Calcs& calcs);

}  // namespace aerlith::scenario
