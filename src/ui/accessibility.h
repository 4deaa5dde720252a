#pragma once
// What a screen reader announces for our controls: a name (the caption as spoken, without the
// "&" that marks an accelerator) and a description (the tooltip, or a sentence of our own where
// a control has none); and the accessible interfaces Qt has none of its own for.

#include <QString>

class QWidget;

namespace aerlith::ui {

/// `caption` as read aloud: each single "&" (the accelerator mark) dropped, "&&" read as one
/// "&". "Pr&essure Altitude" gives "Pressure Altitude"; a caption without "&" is unchanged.
QString CaptionWithoutAccelerator(const QString& caption);

/// A conversion caption as read aloud: without the accelerator mark, and with the symbol that
/// stands between the two units ("-", "~", ">" or "\") read as "to": "Metres &~Feet" gives
/// "Metres to Feet", "L&itres-ImpGal" gives "Litres to ImpGal". Words are kept as they are.
QString ConversionInWords(const QString& caption);

/// Gives `widget` the accessible `name` and `description`. An empty name leaves the name to Qt
/// (a label's own text, a box's buddy label), which then follows the text as it changes.
void NameForScreenReaders(QWidget& widget, const QString& name, const QString& description);

/// Installs the interfaces of our own widgets: a window is a frame, a modal window a dialog,
/// each named by its title; a label is read by its text, once (its drawn shadow and an empty
/// label are not shown to a reader); the announcer is a notification. Call it once, before the
/// first window is built; later calls do nothing.
void InstallAccessibleInterfaces();

}  // namespace aerlith::ui
