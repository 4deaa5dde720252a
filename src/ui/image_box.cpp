#include "ui/image_box.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <future>
#include <map>
#include <utility>

namespace aerlith::ui {
namespace {

// Decodings started by DecodeAhead and not yet taken, by path.
std::map<QString, std::future<QImage>>& DecodingsAhead() {
    static std::map<QString, std::future<QImage>> decodings;
    return decodings;
}

// The picture at `path`: taken from a decoding started ahead if there is one, else decoded now.
QPixmap Decode(const QString& path) {
    auto& decodings = DecodingsAhead();
    const auto ahead = decodings.find(path);
    if (ahead == decodings.end()) {
        QPixmap picture;
        picture.load(path);
        return picture;
    }
    QImage image = ahead->second.get();
    decodings.erase(ahead);
    return QPixmap::fromImage(std::move(image));
}

}  // namespace

void ImageBox::DecodeAhead(const QString& path) {
#ifdef Q_OS_WIN
    // The decoding thread is also the first to look for Qt's image plug-ins, which leaves Qt's
    // thread-local regular-expression stack on it. With MinGW's runtime, freeing that stack at
    // the thread's end crashed the program now and then (seen under Wine, one start in four).
    Q_UNUSED(path);
    return;
#endif
    auto& decodings = DecodingsAhead();
    if (decodings.count(path) > 0 || QPixmapCache::find(path, nullptr)) return;
    // A QImage may be made on any thread; only the QPixmap must come from the window's own.
    decodings.emplace(path, std::async(std::launch::async, [path] {
                          QImageReader reader(path);
                          return reader.read();
                      }));
}

ImageBox::ImageBox(QWidget* parent, const QString& arrayName, int index)
    : QLabel(parent), Control(ControlKind::Image, arrayName, index) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool ImageBox::LoadPicture(const QString& path) {
    pictureName_ = QFileInfo(path).fileName();
    // The main window alternates two pictures for its whole life: decode each only once.
    QPixmap picture;
    if (!QPixmapCache::find(path, &picture)) {
        picture = Decode(path);
        if (picture.isNull()) {
            clear();
            return false;
        }
        QPixmapCache::insert(path, picture);
    }
    setPixmap(picture);
    return true;
}

}  // namespace aerlith::ui
