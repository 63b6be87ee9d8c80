#include "ui/PictureFile.h"

#include "rom/EditorError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

void putU16(QByteArray& bytes, int at, quint16 value) {
    qToLittleEndian(value, bytes.data() + at);
}

void putU32(QByteArray& bytes, int at, quint32 value) {
    qToLittleEndian(value, bytes.data() + at);
}

// A BMP with a 40-byte info header, a grey-scale palette for depths up to 8 and the pixel
// bytes as given.
QByteArray handMadeBmp(int width, int height, int bitsPerPixel, quint32 compression,
                       const QByteArray& pixels) {
    const int colours = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
    const int pixelOffset = 14 + 40 + 4 * colours;
    QByteArray bytes(pixelOffset, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putU32(bytes, 2, pixelOffset + pixels.size());
    putU32(bytes, 10, pixelOffset);
    putU32(bytes, 14, 40);
    putU32(bytes, 18, static_cast<quint32>(width));
    putU32(bytes, 22, static_cast<quint32>(height));
    putU16(bytes, 26, 1);
    putU16(bytes, 28, bitsPerPixel);
    putU32(bytes, 30, compression);
    putU32(bytes, 34, compression == 0 ? 0 : pixels.size());
    putU32(bytes, 46, colours);
    for (int i = 0; i < colours; ++i) {
        const char grey = static_cast<char>(i * 255 / (colours - 1));
        bytes[54 + 4 * i] = grey;
        bytes[55 + 4 * i] = grey;
        bytes[56 + 4 * i] = grey;
    }
    return bytes + pixels;
}

QByteArray savedBmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QImage solid(QColor colour, int width = 3, int height = 2) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class PictureFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        startDirectory_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        QDir().mkdir("graph");
    }
    void TearDown() override { QDir::setCurrent(startDirectory_); }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    static std::string failure(const QString& path) {
        try {
            LoadBitmapPicture(path);
        } catch (const EditorError& error) {
            return error.what();
        }
        return "no failure";
    }

private:
    QTemporaryDir dir_;
    QString startDirectory_;
};

TEST_F(PictureFileTest, FindsFileWhateverTheLetterCase) {
    write("graph/A.bmp", savedBmp(solid(Qt::red)));
    for (const char* path :
         {"graph/A.bmp", "graph/a.bmp", "GRAPH/A.BMP", "./Graph/../graph/a.Bmp"}) {
        const QImage image = LoadBitmapPicture(path);
        EXPECT_EQ(image.size(), QSize(3, 2)) << path;
        EXPECT_EQ(image.pixelColor(2, 1), QColor(Qt::red)) << path;
    }
}

TEST_F(PictureFileTest, ExactNameWinsOverOtherCase) {
    write("graph/a.bmp", savedBmp(solid(Qt::blue)));
    write("graph/A.bmp", savedBmp(solid(Qt::red)));
    EXPECT_EQ(LoadBitmapPicture("graph/a.bmp").pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(LoadBitmapPicture("graph/A.bmp").pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(PictureFileTest, ReadsTheFileAfreshEachTime) {
    write("graph/0.bmp", savedBmp(solid(Qt::red)));
    EXPECT_EQ(LoadBitmapPicture("graph/0.bmp").pixelColor(0, 0), QColor(Qt::red));
    write("graph/0.bmp", savedBmp(solid(Qt::green, 5, 5)));
    const QImage image = LoadBitmapPicture("graph/0.bmp");
    EXPECT_EQ(image.size(), QSize(5, 5));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::green));
}

TEST_F(PictureFileTest, DecodesPaletteAndTopDownBitmaps) {
    // 3 x 2 pixels at 4 bits: rows of 2 bytes padded to 4, bottom row first.
    const QByteArray sixteenColours = QByteArray::fromHex("0F0000001F000000");
    QDir().mkdir("info");
    write("info/info1.bmp", handMadeBmp(3, 2, 4, 0, sixteenColours));
    const QImage image = LoadBitmapPicture("info/info1.bmp");
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixelColor(0, 1), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(17, 17, 17));

    write("graph/top.bmp", handMadeBmp(1, -2, 8, 0, QByteArray::fromHex("FF00000000000000")));
    const QImage topDown = LoadBitmapPicture("graph/top.bmp");
    EXPECT_EQ(topDown.pixelColor(0, 0), QColor(255, 255, 255));
    EXPECT_EQ(topDown.pixelColor(0, 1), QColor(0, 0, 0));
}

TEST_F(PictureFileTest, MissingFileNamesThePathAsGiven) {
    EXPECT_EQ(failure("graph/B0.bmp"), "Cannot open file graph/B0.bmp");
    EXPECT_EQ(failure("nowhere/x.bmp"), "Cannot open file nowhere/x.bmp");
    EXPECT_EQ(failure("graph"), "Cannot open file graph");
}

TEST_F(PictureFileTest, RejectsWhatIsNotAWholeBitmap) {
    const QByteArray good = savedBmp(solid(Qt::red, 4, 4));
    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    solid(Qt::red).save(&pngBuffer, "PNG");
    const QByteArray rle8 = QByteArray::fromHex("0203"
                                                "0000"
                                                "0201"
                                                "0001");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"png", png},
        {"empty", {}},
        {"short header", good.left(30)},
        {"short pixels", good.left(good.size() - 3)},
        {"short palette bitmap", handMadeBmp(3, 2, 4, 0, QByteArray::fromHex("0F0000001F00"))},
        {"short rle", handMadeBmp(4, 2, 8, 1, rle8).chopped(2)},
    };
    for (const auto& c : cases) {
        write("graph/bad.bmp", c.bytes);
        EXPECT_EQ(failure("graph/bad.bmp"), "Bitmap image is not valid") << c.name;
    }
    write("graph/rle.bmp", handMadeBmp(4, 2, 8, 1, rle8));
    EXPECT_EQ(LoadBitmapPicture("graph/rle.bmp").size(), QSize(4, 2));
}

} // namespace
