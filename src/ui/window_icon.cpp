#include "ui/window_icon.h"

#include <QImageReader>
#include <QPixmap>

namespace aerlith::ui {

QIcon LoadWindowIcon(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) return QIcon();
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace aerlith::ui
