#include "ui/image_box.h"

#include <QFileInfo>
#include <QPixmap>
#include <QPixmapCache>

namespace aerlith::ui {

ImageBox::ImageBox(QWidget* parent, const QString& arrayName, int index)
    : QLabel(parent), Control(ControlKind::Image, arrayName, index) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool ImageBox::LoadPicture(const QString& path) {
    pictureName_ = QFileInfo(path).fileName();
    // The main window alternates two pictures for its whole life: decode each only once.
    QPixmap picture;
    if (!QPixmapCache::find(path, &picture)) {
        if (!picture.load(path)) {
            clear();
            return false;
        }
        QPixmapCache::insert(path, picture);
    }
    setPixmap(picture);
    return true;
}

}  // namespace aerlith::ui
