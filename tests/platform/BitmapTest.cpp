#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include "platform/Application.h"
#include "platform/Bitmap.h"

namespace {

// Points the program folder at a temporary one for the test's life.
class ProgramFolder {
 public:
  ProgramFolder() : old_(app::AppPath()) {
    app::SetAppPath(dir_.path());
    QDir(dir_.path()).mkdir(QStringLiteral("Image"));
  }
  ~ProgramFolder() { app::SetAppPath(old_); }
  QString Path(const QString& rel) const { return dir_.filePath(rel); }

 private:
  QString old_;
  QTemporaryDir dir_;
};

TBitmap Filled(int w, int h, TColor c) {
  TBitmap b(w, h);
  b.Canvas().Brush.Color = c;
  b.Canvas().FillRect(Rect(0, 0, w, h));
  return b;
}

}  // namespace

TEST(Bitmap, ResizingKeepsTheTopLeftContent) {
  TBitmap b = Filled(4, 4, clRed);
  b.SetSize(6, 3);
  EXPECT_EQ(b.Width(), 6);
  EXPECT_EQ(b.Height(), 3);
  EXPECT_EQ(b.Canvas().Pixels(3, 2), clRed);
  EXPECT_EQ(b.Canvas().Pixels(4, 0), clWhite);
  b.SetWidth(0);
  EXPECT_TRUE(b.Empty());
  b.Canvas().FillRect(Rect(0, 0, 5, 5));  // drawing on an empty bitmap is harmless
  b.SetHeight(2);
  b.SetWidth(2);
  EXPECT_EQ(b.Canvas().Pixels(1, 1), clWhite);
}

TEST(Bitmap, LoadsProgramFileNamesIgnoringCaseAndBackslashes) {
  ProgramFolder folder;
  TBitmap saved = Filled(5, 3, clBlue);
  ASSERT_TRUE(saved.SaveToFile(QStringLiteral("Image\\CrtBk.bmp")));
  TBitmap b;
  b.LoadFromFile(QStringLiteral("image\\crtbk.BMP"));
  EXPECT_EQ(b.Width(), 5);
  EXPECT_EQ(b.Canvas().Pixels(4, 2), clBlue);
  TBitmap abs;
  abs.LoadFromFile(app::ImagePath() + QStringLiteral("crtbk.bmp"));
  EXPECT_EQ(abs.Height(), 3);
  const auto pic = LoadPicture(QStringLiteral("CRTBK.bmp"));
  ASSERT_NE(pic, nullptr);
  EXPECT_EQ(pic->Width(), 5);
}

TEST(Bitmap, BmpsReadAsQtReadsThem) {
  ProgramFolder folder;
  QImage picture(5, 3, QImage::Format_RGB32);  // 15 bytes a row: padded to 16
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) picture.setPixel(x, y, qRgb(40 * x, 80 * y, 7 * x + y));
  const QString bottomUp = folder.Path(QStringLiteral("Image/up.bmp"));
  ASSERT_TRUE(picture.save(bottomUp, "BMP"));
  // The same picture with its rows stored top-down (a negative height).
  QFile in(bottomUp);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  QByteArray bytes = in.readAll();
  const int offset = qFromLittleEndian<qint32>(bytes.constData() + 10);
  ASSERT_EQ(qFromLittleEndian<qint32>(bytes.constData() + 22), 3);
  qToLittleEndian<qint32>(-3, bytes.data() + 22);
  const QByteArray rows = bytes.mid(offset);
  for (int y = 0; y < 3; ++y) bytes.replace(offset + 16 * y, 16, rows.mid(16 * (2 - y), 16));
  const QString topDown = folder.Path(QStringLiteral("Image/down.bmp"));
  QFile out(topDown);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
  out.close();
  for (const QString& file : {bottomUp, topDown}) {
    const QImage read = ReadImageFile(file);
    const QImage byQt = QImageReader(file).read();
    EXPECT_EQ(read, byQt) << file.toStdString();
    EXPECT_EQ(read, picture) << file.toStdString();
    EXPECT_EQ(read.format(), byQt.format());
    EXPECT_EQ(read.dotsPerMeterX(), byQt.dotsPerMeterX());
  }
}

TEST(Bitmap, PicturesOtherThanBmpStillLoad) {
  // BMPs take a fast path; a picture in another format, even one named .bmp, still reads.
  ProgramFolder folder;
  const QImage red = Filled(4, 2, clRed).Image();
  ASSERT_TRUE(red.save(folder.Path(QStringLiteral("Image/png.bmp")), "PNG"));
  ASSERT_TRUE(red.save(folder.Path(QStringLiteral("Image/plain.png")), "PNG"));
  for (const char* name : {"png.bmp", "plain.png"}) {
    const auto pic = LoadPicture(QString::fromLatin1(name));
    ASSERT_NE(pic, nullptr) << name;
    EXPECT_EQ(pic->Width(), 4) << name;
    EXPECT_EQ(pic->Canvas().Pixels(3, 1), clRed) << name;
  }
  EXPECT_TRUE(ReadImageFile(folder.Path(QStringLiteral("Image/none.bmp"))).isNull());
}

TEST(Bitmap, MissingFileIsReportedAndChangesNothing) {
  ProgramFolder folder;
  QStringList missing;
  SetMissingPictureHandler([&missing](const QString& name) { missing << name; });
  TBitmap b = Filled(2, 2, clGreen);
  EXPECT_THROW(b.LoadFromFile(QStringLiteral("image\\none.bmp")), std::runtime_error);
  EXPECT_EQ(b.Canvas().Pixels(1, 1), clGreen);
  EXPECT_EQ(LoadPicture(QStringLiteral("none.bmp")), nullptr);
  try {
    b.LoadFromFile(QStringLiteral("image\\none.bmp"));
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("none.bmp"), std::string::npos) << e.what();
  }
  SetMissingPictureHandler({});
  EXPECT_EQ(missing, QStringList({"none", "none", "none"})) << "the picture's name, as the generator spells it";
}

TEST(ImageList, WideBitmapsAreCutIntoFrames) {
  TImageList list(10, 8);
  TBitmap strip(30, 8);
  for (int i = 0; i < 3; ++i) {
    strip.Canvas().Brush.Color = i == 0 ? clRed : i == 1 ? clLime : clBlue;
    strip.Canvas().FillRect(Rect(i * 10, 0, i * 10 + 10, 8));
  }
  EXPECT_EQ(list.Add(strip), 0);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Add(Filled(10, 8, clYellow)), 3);
  EXPECT_EQ(list.Count(), 4);

  TBitmap target(20, 20);
  list.Draw(target.Canvas(), 5, 5, 1);
  EXPECT_EQ(target.Canvas().Pixels(5, 5), clLime);
  EXPECT_EQ(target.Canvas().Pixels(14, 12), clLime);
  EXPECT_EQ(target.Canvas().Pixels(15, 12), clWhite);
  list.Draw(target.Canvas(), 0, 0, 9);  // out of range: nothing
  EXPECT_EQ(target.Canvas().Pixels(0, 0), clWhite);
}

TEST(ImageList, MaskedFramesLeaveTheMaskColourOut) {
  TImageList list(4, 4);
  TBitmap frame = Filled(4, 4, clFuchsia);
  frame.Canvas().Pixels(2, 2) = clNavy;
  list.AddMasked(frame, clFuchsia);
  TBitmap target = Filled(6, 6, clGray);
  list.Draw(target.Canvas(), 0, 0, 0);
  EXPECT_EQ(target.Canvas().Pixels(2, 2), clNavy);
  EXPECT_EQ(target.Canvas().Pixels(0, 0), clGray);
}
