#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "tests/support/ScriptControls.h"

namespace {

QImage Shot(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

TColor At(const QImage& image, int x, int y) { return FromQRgb(image.pixel(x, y)); }

// A parent of one colour, so that see-through controls can be checked.
class Backdrop : public QWidget {
 public:
  Backdrop() {
    resize(120, 80);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(clTeal));
    setPalette(p);
  }
};

}  // namespace

TEST(Controls, PanelDrawsItsBevelsAroundItsColour) {
  TPanel panel;
  panel.resize(40, 30);
  panel.SetColor(clAqua);
  panel.SetBevelWidth(2);
  panel.SetBevelInner(bvLowered);
  panel.SetBorderWidth(1);
  EXPECT_EQ(panel.Inset(), 5);
  EXPECT_EQ(panel.contentsRect(), QRect(5, 5, 30, 20));
  const QImage img = Shot(panel);
  EXPECT_EQ(At(img, 0, 0), clWhite) << "raised: light top-left";
  EXPECT_EQ(At(img, 1, 1), clWhite);
  EXPECT_EQ(At(img, 39, 29), clGray) << "raised: dark bottom-right";
  EXPECT_EQ(At(img, 39, 0), clGray) << "the top-right corner belongs to the dark side";
  EXPECT_EQ(At(img, 2, 2), clAqua) << "the border between the bevels shows the colour";
  EXPECT_EQ(At(img, 3, 3), clGray) << "lowered inner bevel: dark top-left";
  EXPECT_EQ(At(img, 36, 26), clWhite);
  EXPECT_EQ(At(img, 20, 15), clAqua);

  panel.SetBevelOuter(bvNone);
  panel.SetBevelInner(bvNone);
  EXPECT_EQ(panel.Inset(), 1);
  EXPECT_EQ(At(Shot(panel), 0, 0), clAqua);
}

TEST(Controls, BevelsAndShapesLeaveTheirParentVisible) {
  Backdrop back;
  auto* frame = new TBevel(&back, bsFrame, bsLowered);
  frame->setGeometry(0, 0, 50, 40);
  auto* line = new TBevel(&back, bsTopLine, bsRaised);
  line->setGeometry(60, 0, 50, 10);
  auto* square = new TShape(&back, stSquare);
  square->setGeometry(60, 20, 30, 20);  // the square is 20 x 20, centred
  square->SetBrushColor(clGray);
  square->SetPenColor(clWhite);
  const QImage img = Shot(back);
  EXPECT_EQ(At(img, 0, 0), clGray) << "etched frame: outer dark line";
  EXPECT_EQ(At(img, 1, 1), clWhite) << "etched frame: inner light line";
  EXPECT_EQ(At(img, 49, 39), clWhite);
  EXPECT_EQ(At(img, 48, 0), clGray) << "the outer line closes at every corner";
  EXPECT_EQ(At(img, 48, 38), clGray);
  EXPECT_EQ(At(img, 49, 1), clWhite) << "the inner line shows right of the outer one";
  EXPECT_EQ(At(img, 25, 20), clTeal) << "a bevel has no face";
  EXPECT_EQ(At(img, 70, 0), clWhite);
  EXPECT_EQ(At(img, 70, 1), clGray);
  EXPECT_EQ(At(img, 70, 5), clTeal);
  EXPECT_EQ(At(img, 64, 25), clTeal) << "left of the centred square";
  EXPECT_EQ(At(img, 65, 20), clWhite) << "outline";
  EXPECT_EQ(At(img, 84, 39), clWhite);
  EXPECT_EQ(At(img, 75, 30), clGray) << "fill";

  square->SetBrush(TBrush{clGray, bsClear, nullptr});
  EXPECT_EQ(At(Shot(back), 75, 30), clTeal) << "a clear brush leaves the shape hollow";
}

TEST(Controls, ImagesStretchCentreAndLeaveOutTheirTransparentColour) {
  Backdrop back;
  auto* image = new TImage(&back);
  image->setGeometry(0, 0, 40, 40);
  QImage pic(4, 4, QImage::Format_RGB32);
  pic.fill(ToQColor(clRed));
  pic.setPixel(0, 3, ToQRgb(clLime));  // bottom-left: the transparent colour
  pic.setPixel(3, 3, ToQRgb(clLime));
  image->Assign(pic);
  EXPECT_EQ(At(Shot(back), 1, 1), clRed);
  EXPECT_EQ(At(Shot(back), 10, 10), clTeal) << "unstretched, the picture keeps its size";
  image->SetStretch(true);
  image->SetTransparent(true);
  QImage img = Shot(back);
  EXPECT_EQ(At(img, 20, 20), clRed);
  EXPECT_EQ(At(img, 35, 35), clTeal) << "the transparent colour shows the parent";
  image->SetStretch(false);
  image->SetCenter(true);
  img = Shot(back);
  EXPECT_EQ(At(img, 19, 19), clRed);
  EXPECT_EQ(At(img, 10, 10), clTeal);

  image->Picture().SetSize(40, 40);
  image->Picture().Image().fill(ToQColor(clNavy));
  image->Changed();
  image->SetTransparent(false);
  EXPECT_EQ(At(Shot(back), 5, 5), clNavy) << "a changed picture shows";
}

TEST(Controls, SpeedButtonsPaintGlyphAndCaptionAndGroupTogether) {
  Backdrop back;
  back.resize(200, 100);
  auto* b = new TSpeedButton(QStringLiteral("单步"), &back);
  b->setGeometry(0, 0, 76, 68);
  QImage glyph(10, 10, QImage::Format_RGB32);
  glyph.fill(ToQColor(clFuchsia));  // the bottom-left colour: see-through
  for (int y = 2; y < 8; ++y)
    for (int x = 2; x < 8; ++x) glyph.setPixel(x, y, ToQRgb(clNavy));
  b->SetGlyph(glyph);
  b->SetGlyphSide(30);
  SetHint(*b, QStringLiteral("单步执行"));
  back.show();
  int clicks = 0;
  b->OnClick = [&clicks] { ++clicks; };
  QImage img = Shot(back);
  // Glyph 30 high + 4 spacing + text; the glyph is centred horizontally.
  const int glyphTop = (68 - (30 + 4 + b->fontMetrics().height())) / 2;
  EXPECT_EQ(At(img, 38, glyphTop + 15), clNavy) << "the stretched glyph's middle";
  EXPECT_EQ(At(img, 24, glyphTop + 2), clTeal) << "the glyph's transparent colour";
  EXPECT_EQ(At(img, 0, 0), clTeal) << "a flat button has no face or edge at rest";
  EXPECT_EQ(b->toolTip(), QStringLiteral("单步执行"));

  EXPECT_TRUE(script::PressCaption(back, QStringLiteral("单步")));
  EXPECT_EQ(clicks, 1);
  b->setEnabled(false);
  img = Shot(back);
  EXPECT_EQ(At(img, 38, glyphTop + 15), clGray) << "disabled glyphs are greyed";
  EXPECT_FALSE(script::PressCaption(back, QStringLiteral("单步")));

  auto* music = new TSpeedButton(QStringLiteral("音乐"), &back);
  auto* sound = new TSpeedButton(QStringLiteral("音效"), &back);
  music->SetGroupIndex(1);
  sound->SetGroupIndex(1);
  music->click();
  EXPECT_TRUE(music->Down());
  sound->click();
  EXPECT_TRUE(sound->Down());
  EXPECT_FALSE(music->Down()) << "one button of a group is down at a time";
  sound->click();
  EXPECT_TRUE(sound->Down()) << "without AllowAllUp a down button stays down";
  sound->AllowAllUp = true;
  sound->click();
  EXPECT_FALSE(sound->Down());
  b->SetDown(true);
  EXPECT_FALSE(b->Down()) << "a button outside any group does not stay down";
}

TEST(Controls, EditFilterAppliesToTypingPastingAndInputMethods) {
  TForm dlg;
  auto* edit = new TEdit(&dlg);
  edit->setObjectName(QStringLiteral("Edit"));
  edit->SetMaxLength(4);
  edit->OnKeyPress = [](QChar& c) {
    if (c == QChar(8)) return;
    if (c >= 'a' && c <= 'z') c = c.toUpper();
    else if (!c.isDigit() && !(c >= 'A' && c <= 'Z')) c = QChar();
  };
  auto* ok = new TButton(QStringLiteral("OK"), &dlg);
  ok->ModalResult = mrOk;
  ok->SetDefault(true);
  dlg.show();

  QTest::keyClicks(edit, "a-1 b");
  EXPECT_EQ(edit->text(), "A1B");
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), "A1");
  QApplication::clipboard()->setText(QStringLiteral("x+9-yz"));
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->text(), "A1X9") << "pasted text is filtered and cut to the limit";

  edit->clear();
  QInputMethodEvent ime;
  ime.setCommitString(QStringLiteral("五4c"));
  QApplication::sendEvent(edit, &ime);
  EXPECT_EQ(edit->text(), "4C");

  EXPECT_EQ(script::SetControl(dlg, QStringLiteral("Edit"), QStringLiteral("q=7")), "");
  EXPECT_EQ(edit->text(), "Q7") << "the scripted host types through the filter too";

  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_FALSE(dlg.isVisible()) << "Enter still reaches the default button";
  EXPECT_EQ(dlg.result(), mrOk);
  EXPECT_EQ(edit->maxLength(), 4);
  edit->SetMaxLength(0);
  EXPECT_EQ(edit->maxLength(), 32767);
}

TEST(Controls, GraphicControlsReportMouseActions) {
  Backdrop back;
  auto* image = new TImage(&back);
  image->setGeometry(10, 10, 50, 50);
  QStringList seen;
  image->OnMouseDown = [&seen](TMouseButton b, TShiftState, int x, int y) {
    seen << QStringLiteral("down %1 %2,%3").arg(b).arg(x).arg(y);
  };
  image->OnMouseUp = [&seen](TMouseButton, TShiftState, int x, int y) {
    seen << QStringLiteral("up %1,%2").arg(x).arg(y);
  };
  image->OnClick = [&seen] { seen << QStringLiteral("click"); };
  back.show();
  QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
  EXPECT_EQ(seen, QStringList({"down 0 5,6", "up 5,6", "click"}));
}

namespace {

int Count(const QImage& image, TColor colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += At(image, x, y) == colour;
  return n;
}

}  // namespace

// A dialog gives its font and colour to its buttons (the generalized-list and graph input
// dialogs' 确定): disabled, every button class shows its caption grey, none in its colour.
TEST(Controls, DisabledButtonsLookDisabledWhateverTheirColour) {
  TForm form;
  form.resize(400, 60);
  TFont font;
  font.Name = QStringLiteral("宋体");
  font.Height = -29;
  font.Color = clRed;
  ApplyFont(form, font);
  auto* push = new TButton(QStringLiteral("确定"), &form);
  push->setGeometry(0, 0, 100, 40);
  auto* flat = new TButton(QStringLiteral("确定"), &form);
  flat->setFlat(true);
  flat->setGeometry(100, 0, 100, 40);
  auto* speed = new TSpeedButton(QStringLiteral("确定"), &form);
  speed->setGeometry(200, 0, 100, 40);
  auto* own = new TButton(QStringLiteral("确定"), &form);
  ApplyFont(*own, font);  // given its colour itself
  own->setGeometry(300, 0, 100, 40);
  form.show();
  const std::pair<QWidget*, std::string> buttons[] = {
      {push, "TButton"}, {flat, "flat TButton"}, {speed, "TSpeedButton"}, {own, "TButton with its own colour"}};
  for (const auto& [b, name] : buttons) {
    EXPECT_GT(Count(Shot(*b), clRed), 10) << name << ": enabled, in its colour";
    b->setEnabled(false);
    const QImage grey = Shot(*b);
    EXPECT_EQ(Count(grey, clRed), 0) << name << ": disabled, yet in its enabled colour";
    EXPECT_GT(Count(grey, clGrayText), 10) << name << ": disabled, the caption grey";
  }
}
