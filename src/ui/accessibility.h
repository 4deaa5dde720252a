#pragma once
// What a screen reader announces for our controls: a name (the caption as spoken, without the
// "&" that marks an accelerator) and a description (the tooltip, or a sentence of our own where
// a control has none).

#include <QString>

class QWidget;

namespace aerlith::ui {

/// `caption` as read aloud: each single "&" (the accelerator mark) dropped, "&&" read as one
/// "&". "Pr&essure Altitude" gives "Pressure Altitude"; a caption without "&" is unchanged.
QString CaptionWithoutAccelerator(const QString& caption);

/// Gives `widget` the accessible `name` and `description`. An empty name leaves the name to Qt
/// (a label's own text, a box's buddy label), which then follows the text as it changes.
void NameForScreenReaders(QWidget& widget, const QString& name, const QString& description);

}  // namespace aerlith::ui
