#pragma once

#include <QIcon>
#include <QString>

namespace aerlith::ui {

/// The window icon from the PNG file at `path`; an empty icon when the file cannot be read.
/// Read as PNG outright: a plain QIcon(path) loads every image and icon-engine plugin (the SVG
/// ones with their library) to find who reads the file, which costs the start-up a millisecond.
QIcon LoadWindowIcon(const QString& path);

}  // namespace aerlith::ui
