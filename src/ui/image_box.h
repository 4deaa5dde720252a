#pragma once
// An image control: a JPEG picture loaded by file name, at its own size or stretched.

#include <QLabel>

#include "ui/control.h"

namespace aerlith::ui {

class ImageBox : public QLabel, public Control {
    Q_OBJECT
public:
    ImageBox(QWidget* parent, const QString& arrayName, int index);

    QWidget& Widget() override { return *this; }

    /// Stretch the picture to the control's size (true) or show it at its own size.
    void SetStretch(bool stretch) { setScaledContents(stretch); }

    /// Loads the picture at `path`. A file that is missing or unreadable leaves the control
    /// empty and returns false. The file name is remembered either way.
    bool LoadPicture(const QString& path);

    /// Starts decoding the picture at `path` on another thread, so that a later LoadPicture of
    /// it, on any ImageBox, only waits for what is left of the decoding. Does nothing on Windows,
    /// where LoadPicture decodes it.
    static void DecodeAhead(const QString& path);

    /// File name (without folder) last given to LoadPicture.
    const QString& PictureName() const { return pictureName_; }

private:
    QString pictureName_;
};

}  // namespace aerlith::ui
