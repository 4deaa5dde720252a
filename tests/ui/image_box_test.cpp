// A picture decoded ahead on another thread shows exactly as one loaded when asked for, and a
// missing one leaves the control empty either way.

#include <QDir>
#include <QPixmapCache>
#include <QTest>

#include "ui/image_box.h"

namespace ui = aerlith::ui;

class ImageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QPixmapCache::clear(); }

    void decodedAheadOrNotTheSamePictureShows_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("aheadCalls");
        QTest::newRow("shipped picture, loaded at once") << "e6b2.jpg" << 0;
        QTest::newRow("shipped picture, decoded ahead") << "e6b2.jpg" << 1;
        QTest::newRow("shipped picture, decoded ahead twice") << "e6b2.jpg" << 2;
        QTest::newRow("missing picture, loaded at once") << "missing.jpg" << 0;
        QTest::newRow("missing picture, decoded ahead") << "missing.jpg" << 1;
    }
    void decodedAheadOrNotTheSamePictureShows() {
        QFETCH(QString, file);
        QFETCH(int, aheadCalls);
        const QString path = QDir(QStringLiteral(AERLITH_TEST_DATA_DIR)).filePath(file);
        const QImage expected(path);
        for (int i = 0; i < aheadCalls; ++i) ui::ImageBox::DecodeAhead(path);

        ui::ImageBox box(nullptr, QStringLiteral("Image3"), 0);
        QCOMPARE(box.LoadPicture(path), !expected.isNull());
        QCOMPARE(box.PictureName(), file);
        QCOMPARE(box.pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
        // What was decoded ahead is taken once: the next box finds the picture all the same.
        ui::ImageBox second(nullptr, QStringLiteral("Image3"), 0);
        QCOMPARE(second.LoadPicture(path), !expected.isNull());
    }
};

QTEST_MAIN(ImageBoxTest)
#include "image_box_test.moc"
