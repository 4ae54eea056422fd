// The generator makes every picture the program loads, in the size and transparency the
// windows expect, as bitmaps that read back unchanged.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <memory>

#include "platform/Bitmap.h"
#include "tools/gen/Bmp.h"
#include "tools/gen/Catalog.h"
#include "tools/gen/Paint.h"
#include "resources/PictureNames.h"

namespace {

using gen::Picture;
using gen::Transparency;

// Every picture the windows load by name, with the size where the windows depend on it
// (image lists of fixed frame size); 0 x 0 where any size will do.
struct Required {
  const char* name;
  int width, height;
};

const Required kRequired[] = {
    {"Clouds", 0, 0},          {"ZqBACK_Link", 0, 0},    {"crtbk", 0, 0},
    {"AlgoSelRoot", 0, 0},     {"VarStatus_Atom", 0, 0}, {"VarStatus_Plus", 0, 0},
    {"VarStatus_Minus", 0, 0}, {"VarBmp_Bool", 0, 0},    {"VarBmp_Int", 0, 0},
    {"VarBmp_Float", 0, 0},    {"VarBmp_Char", 0, 0},    {"VarBmp_Str", 0, 0},
    {"VarBmp_Ptr", 0, 0},      {"VarBmp_Vector", 0, 0},  {"VarBmp_Record", 0, 0},
    {"hanoiback", 0, 0},       {"plate1", 212, 64},      {"plate2", 212, 64},
    {"plate3", 212, 64},       {"plate4", 212, 64},      {"plate5", 212, 64},
    {"polea", 0, 0},           {"poleb", 0, 0},          {"polec", 0, 0},
    {"QueensBack", 0, 0},      {"QueenBoard", 0, 0},     {"Queen1", 0, 0},
    {"Queen2", 0, 0},          {"Queen3", 0, 0},         {"mazeEmpty", 50, 50},
    {"mazeBlocked", 50, 50},   {"mazeVisited", 50, 50},  {"mazeReturned", 50, 50},
    {"mazeUp", 50, 50},        {"mazeDown", 50, 50},     {"mazeLeft", 50, 50},
    {"mazeRight", 50, 50},     {"PkgNo1", 0, 0},         {"PkgNo2", 40, 40},
    {"PkgNo3", 40, 40},        {"PkgNo4", 40, 40},       {"PkgNo5", 40, 40},
    {"PkgBack", 0, 0},         {"PkgMsg1", 0, 0},        {"PkgMsg2", 0, 0},
    {"PkgMsg3", 0, 0},         {"PkgMsgSB", 0, 0},       {"TrainPic", 0, 0},
    {"rundog1", 40, 44},       {"rundog2", 40, 44},      {"rundog3", 40, 44},
    {"rundog4", 40, 44},       {"rundog5", 40, 44},      {"rundog6", 40, 44},
    {"watchdog", 40, 44},      {"bankgate2", 0, 0},      {"bb", 0, 0},
    {"stand", 0, 0},           {"treenode1", 0, 0},      {"treenode2", 0, 0},
};

QStringList RequiredNames() {
  QStringList names;
  for (const Required& r : kRequired) names << QString::fromLatin1(r.name);
  for (int d = 0; d <= 9; ++d)
    names << QStringLiteral("PkgSetup%1").arg(d) << QStringLiteral("PkgBmp%1").arg(d);
  for (const char* way : {"down", "up", "left", "right"})
    for (int k = 1; k <= 3; ++k) names << QStringLiteral("%1%2").arg(QLatin1String(way)).arg(k);
  for (const char* n : gen::kToolbarGlyphs) names << QString::fromLatin1(n);
  for (int d = 0; d <= 9; ++d) names << QStringLiteral("keypad%1").arg(d);
  names << QStringLiteral("keypadbs");
  for (const char* n : gen::kChapterPictures) names << QString::fromLatin1(n);
  return names;
}

const Picture* Find(const QString& name) {
  for (const Picture& p : gen::AllPictures())
    if (p.name.compare(name, Qt::CaseInsensitive) == 0) return &p;
  return nullptr;
}

// The generator's output, made once for all the tests of this file.
class GeneratedFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    QString error;
    ok_ = gen::GenerateAll(dir_->path(), &error);
    error_ = error;
  }
  static void TearDownTestSuite() { dir_.reset(); }
  void SetUp() override { ASSERT_TRUE(ok_) << error_.toStdString(); }
  static QString ImageFile(const QString& name) {
    return dir_->filePath(QStringLiteral("image/") + name + QStringLiteral(".bmp"));
  }

  static std::unique_ptr<QTemporaryDir> dir_;
  static bool ok_;
  static QString error_;
};

std::unique_ptr<QTemporaryDir> GeneratedFiles::dir_;
bool GeneratedFiles::ok_ = false;
QString GeneratedFiles::error_;

TEST_F(GeneratedFiles, EveryPictureTheWindowsLoadIsThereInItsSize) {
  for (const QString& name : RequiredNames()) {
    const Picture* pic = Find(name);
    ASSERT_NE(pic, nullptr) << "no picture " << name.toStdString() << " in the image folder";
    EXPECT_TRUE(QFile::exists(ImageFile(pic->name))) << name.toStdString();
  }
  for (const Required& r : kRequired) {
    if (r.width == 0) continue;
    const QImage image(ImageFile(QString::fromLatin1(r.name)));
    EXPECT_EQ(image.size(), QSize(r.width, r.height))
        << r.name << " does not fit its image list's frames";
  }
  EXPECT_TRUE(QFile::exists(dir_->filePath(QStringLiteral("music/midi0.mid"))));
}

TEST_F(GeneratedFiles, NamesStayDistinctWhenLetterCaseIsIgnored) {
  // The program finds pictures without regard to letter case.
  QSet<QString> seen;
  for (const Picture& p : gen::AllPictures()) {
    EXPECT_FALSE(seen.contains(p.name.toLower())) << p.name.toStdString() << " twice";
    seen.insert(p.name.toLower());
  }
  EXPECT_EQ(QDir(dir_->filePath(QStringLiteral("image"))).entryList(QDir::Files).size(),
            seen.size());
}

TEST_F(GeneratedFiles, FilesAreUncompressedBitmapsThatReadBackAsDrawn) {
  for (const Picture& pic : gen::AllPictures()) {
    QFile file(ImageFile(pic.name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << pic.name.toStdString();
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 54);
    const auto u16 = [&bytes](int at) {
      return qFromLittleEndian<quint16>(bytes.constData() + at);
    };
    const auto i32 = [&bytes](int at) { return qFromLittleEndian<qint32>(bytes.constData() + at); };
    const int w = pic.size.width();
    const int h = pic.size.height();
    // Drawn in place: 32 bits, rows top-down from a four-byte boundary.
    const int bits = pic.drawnInPlace ? 32 : 24;
    const int offset = pic.drawnInPlace ? 56 : 54;
    const int row = (w * bits / 8 + 3) / 4 * 4;
    EXPECT_EQ(bytes.left(2), QByteArray("BM")) << pic.name.toStdString();
    EXPECT_EQ(i32(2), bytes.size()) << pic.name.toStdString() << ": file size field";
    EXPECT_EQ(i32(10), offset);
    EXPECT_EQ(i32(18), w);
    EXPECT_EQ(i32(22), pic.drawnInPlace ? -h : h);
    EXPECT_EQ(u16(28), bits) << pic.name.toStdString();
    EXPECT_EQ(i32(30), 0) << "compressed";
    EXPECT_EQ(bytes.size(), offset + row * h) << pic.name.toStdString();
    const QImage read = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(read, pic.draw().convertToFormat(QImage::Format_RGB32))
        << pic.name.toStdString() << " reads back differently (or is drawn differently each time)";
  }
}

TEST_F(GeneratedFiles, TransparentPicturesKeepTheirSeeThroughColourAtTheBottomLeft) {
  for (const Picture& pic : gen::AllPictures()) {
    const QImage image = QImage(ImageFile(pic.name)).convertToFormat(QImage::Format_RGB32);
    int keyed = 0;
    QSet<QRgb> colours;
    const QRgb key = pic.transparency == Transparency::BlackKey ? gen::kBlackKey : gen::kKeyColour;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        colours.insert(c);
        if (c == key) ++keyed;
      }
    const int all = image.width() * image.height();
    const std::string name = pic.name.toStdString();
    EXPECT_GT(colours.size(), 3) << name << " is blank";
    if (pic.transparency == Transparency::Opaque) {
      // An opaque picture drawn as it is shows nothing in the key colour by accident.
      EXPECT_LT(keyed, all / 100) << name;
      continue;
    }
    EXPECT_EQ(image.pixel(0, image.height() - 1), key) << name << ": bottom-left pixel";
    EXPECT_GE(keyed, 4) << name << " has no see-through part";
    EXPECT_LT(keyed, all) << name << " is all see-through";
  }
}

TEST(Sprite, ShapesNeverTakeTheSeeThroughColour) {
  // A shape painted in the key colour itself must stay visible.
  const QImage image = gen::Sprite(8, 8, gen::kKeyColour, [](QPainter& p) {
    p.fillRect(QRectF(0, 0, 8, 4), QColor::fromRgb(gen::kKeyColour));
  });
  for (int x = 0; x < 8; ++x) {
    EXPECT_NE(image.pixel(x, 1), gen::kKeyColour);
    EXPECT_EQ(image.pixel(x, 6), gen::kKeyColour);
  }
}

TEST(Bmp, RowsArePaddedAndStoredBottomUp) {
  QImage image(3, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  image.setPixel(1, 0, qRgb(0, 255, 0));
  image.setPixel(2, 0, qRgb(0, 0, 255));
  image.setPixel(0, 1, qRgb(1, 2, 3));
  image.setPixel(1, 1, qRgb(4, 5, 6));
  image.setPixel(2, 1, qRgb(7, 8, 9));
  const QByteArray bytes = gen::EncodeBmp24(image);
  ASSERT_EQ(bytes.size(), 54 + 12 * 2);
  // The first stored row is the bottom one, blue-green-red per pixel, padded to 12 bytes.
  EXPECT_EQ(bytes.mid(54, 12), QByteArray("\x03\x02\x01\x06\x05\x04\x09\x08\x07\0\0\0", 12));
  EXPECT_EQ(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32), image);
}

TEST(Bmp, TheProgramReadsBothEncodingsAndNeverWritesThroughAMappedFile) {
  QImage image(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgb(50 * x, 90 * y, 13 * x + y));
  QByteArray unusedZero = gen::EncodeBmp32TopDown(image);
  for (qsizetype i = 56 + 3; i < unusedZero.size(); i += 4) unusedZero[i] = 0;
  const QTemporaryDir dir;
  const std::pair<const char*, QByteArray> files[] = {
      {"bottom-up 24-bit", gen::EncodeBmp24(image)},
      {"top-down 32-bit", gen::EncodeBmp32TopDown(image)},
      {"top-down 32-bit with the fourth byte 0", unusedZero}};
  for (const auto& [kind, bytes] : files) {
    const QString path = dir.filePath(QString::fromLatin1(kind) + QStringLiteral(".bmp"));
    ASSERT_TRUE(gen::WriteBytes(path, bytes, nullptr));
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), image) << kind;
    EXPECT_EQ(ReadImageFile(path), image) << kind;
    // A picture drawn on after loading changes in memory only.
    TBitmap drawn;
    ASSERT_TRUE(drawn.TryLoadFromFile(path)) << kind;
    drawn.Canvas().Brush.Color = clRed;
    drawn.Canvas().FillRect(Rect(0, 0, 5, 3));
    EXPECT_EQ(drawn.Canvas().Pixels(4, 2), clRed) << kind;
    EXPECT_EQ(ReadImageFile(path), image) << kind;
  }
}

}  // namespace
