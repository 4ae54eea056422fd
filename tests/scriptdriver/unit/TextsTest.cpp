#include "tests/scriptdriver/Texts.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTextEdit>
#include <functional>

#include "framework/drawkit/DrawTool.h"
#include "platform/Forms.h"
#include "platform/PaintBox.h"
#include "platform/Pacing.h"

using script::Glyphs;

namespace {

// A window at the screen's top-left corner that paints a white ground and then the scene.
struct Scene {
  TPaintBox box;
  explicit Scene(std::function<void(TCanvas&)> draw) {
    box.setObjectName("Scene");
    box.setGeometry(0, 0, 300, 120);
    box.OnPaint = [draw](TPaintBox& b) {
      TCanvas& c = b.Canvas();
      c.Brush.Color = clWhite;
      c.Brush.Style = bsSolid;
      c.FillRect(b.ClientRect());
      c.Brush.Style = bsClear;
      c.Font = TFont{.Name = "Arial", .Height = -16, .Color = clBlack};
      draw(c);
    };
    box.show();
    box.Repaint();
    pacing::ProcessMessages();
  }
  std::vector<Glyphs> Texts() {
    const QList<QWidget*> windows{&box};
    return script::GatherTexts(windows, script::ComposeScreen(windows));
  }
};

Glyphs Text(const QString& text, QRect box, int px, QRgb ink, QRgb back) {
  Glyphs g;
  g.window = "W";
  g.text = text;
  g.box = box;
  g.px = px;
  g.ink = ink;
  g.back = back;
  g.checked = true;
  return g;
}

}  // namespace

TEST(PrintTexts, CanvasTextGivesItsGlyphsBoxFontHeightInkAndGround) {
  Scene s([](TCanvas& c) { c.TextOut(20, 30, "Hello"); });
  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 1u);
  const Glyphs& g = texts[0];
  EXPECT_EQ(g.Line().section(' ', 0, 2), "glyphs Scene \"Hello\"");
  EXPECT_GE(g.box.left(), 20);
  EXPECT_GE(g.box.top(), 30);
  EXPECT_LT(g.box.bottom(), 30 + 20) << "the glyphs' own box, not the line's";
  EXPECT_GT(g.box.width(), 20);
  EXPECT_EQ(g.px, 16);
  EXPECT_EQ(g.ink, 0x000000u);
  EXPECT_EQ(g.back, 0xFFFFFFu) << "the ground read around the glyphs";
  EXPECT_FALSE(g.clipped);
  EXPECT_FALSE(g.crossed);
}

TEST(PrintTexts, OutlinedOrShadowedTextIsOneTextWithTheOutlineAsItsGround) {
  Scene s([](TCanvas& c) {
    TextOutOutlined(c, 20, 30, "top", clYellow);
    TextOutShadow(c, 120, 30, "bottom", clRed);
  });
  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 2u) << "five copies of an outlined text and two of a shadowed one are one text each";
  EXPECT_EQ(texts[0].text, "top");
  EXPECT_EQ(texts[0].ink, 0xFFFF00u);
  EXPECT_EQ(texts[0].back, 0x000000u) << "a light text is outlined in black";
  EXPECT_EQ(texts[1].text, "bottom");
  EXPECT_EQ(texts[1].ink, 0xFF0000u);
  EXPECT_EQ(texts[1].back, 0xFFFFFFu) << "a shadow is no ground: the white around it is";
}

TEST(PrintTexts, AnOutlineDrawnOnOpaqueCellsIsNoGroundTheLastCellIs) {
  // Each copy fills its cell with the brush, so the last one, the text itself, covers the
  // outline the copies before it drew: blue on green is all the reader sees.
  Scene s([](TCanvas& c) {
    c.Brush.Style = bsSolid;
    c.Brush.Color = RGB(64, 160, 64);
    TextOutOutlined(c, 20, 30, "row", clBlue);
  });
  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].ink, 0x0000FFu);
  EXPECT_EQ(texts[0].back, 0x40A040u) << "the outline's white was read as the ground, though none of it shows";
}

TEST(PrintTexts, TextHiddenByALaterFigureIsLeftOutAndOneHalfHiddenIsClipped) {
  Scene s([](TCanvas& c) {
    c.TextOut(20, 30, "gone");
    c.TextOut(150, 30, "half");
    c.Brush.Style = bsSolid;
    c.Brush.Color = clGreen;
    c.FillRect(Rect(10, 20, 100, 60));
    c.Rectangle(170, 20, 260, 60);
  });
  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "half");
  EXPECT_TRUE(texts[0].clipped);
}

TEST(PrintTexts, AnEditScrollsATextLongerThanItselfAndALabelIsCut) {
  QWidget window;
  window.setObjectName("Dlg");
  window.setGeometry(0, 0, 300, 100);
  QLineEdit edit(&window);
  edit.setGeometry(10, 10, 80, 24);
  edit.setText("2586881,944237,9541456,9390598");
  QLabel label("2586881,944237,9541456,9390598", &window);
  label.setGeometry(10, 50, 80, 24);
  window.show();
  pacing::ProcessMessages();
  const QList<QWidget*> windows{&window};
  const auto texts = script::GatherTexts(windows, script::ComposeScreen(windows));
  ASSERT_EQ(texts.size(), 2u);
  for (const script::Glyphs& g : texts) EXPECT_EQ(g.clipped, g.box.top() > 40) << g.Line().toStdString();
}

TEST(PrintTexts, TextHiddenByFiguresSideBySideIsLeftOut) {
  Scene s([](TCanvas& c) {
    c.TextOut(40, 30, "cells");  // a node's old texts, its cells painted again over them
    c.Brush.Style = bsSolid;
    c.Brush.Color = clGreen;
    c.Rectangle(10, 20, 55, 60);
    c.Rectangle(54, 20, 120, 60);
  });
  EXPECT_TRUE(s.Texts().empty());
}

TEST(PrintTexts, TextWhollyBeyondTheScreensEdgeIsLeftOutAndOneAcrossItIsClipped) {
  Scene s([](TCanvas& c) {
    c.TextOut(100, 30, "across");
    c.TextOut(200, 70, "beyond");
  });
  s.box.move(1024 - 130, 0);  // the screen ends 130 pixels into the window
  s.box.Repaint();
  pacing::ProcessMessages();
  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 1u) << "a text no reader can see on the screen must not be judged";
  EXPECT_EQ(texts[0].text, "across");
  EXPECT_TRUE(texts[0].clipped) << "the screen's edge cuts it";
}

TEST(PrintTexts, ALineCutAtItsWindowsEdgeIsReadAsFarAsItShows) {
  // A long line of one pane runs on under the next pane, where a text of that pane stands.
  QWidget window;
  window.setObjectName("Dlg");
  window.setGeometry(0, 0, 400, 100);
  auto pane = [&window](QRect at, int x, const QString& text) {
    auto* box = new TPaintBox(&window);
    box->setGeometry(at);
    box->OnPaint = [x, text](TPaintBox& b) {
      TCanvas& c = b.Canvas();
      c.Brush.Color = clWhite;
      c.Brush.Style = bsSolid;
      c.FillRect(b.ClientRect());
      c.Font = TFont{.Name = "Arial", .Height = -16, .Color = clBlack};
      c.TextOut(x, 30, text);
    };
  };
  pane({0, 0, 150, 100}, 10, "a line far longer than its pane");
  pane({150, 0, 250, 100}, 20, "next");
  window.show();
  pacing::ProcessMessages();
  const QList<QWidget*> windows{&window};
  const auto texts = script::GatherTexts(windows, script::ComposeScreen(windows));
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_TRUE(texts[0].clipped) << "cut by its pane";
  EXPECT_LE(texts[0].box.right(), window.geometry().x() + 149) << "read as far as it shows";
  EXPECT_FALSE(script::Findings(texts, {1024, 768}).join('\n').contains("overlap"))
      << "what runs on under the next pane meets no text there";
}

TEST(PrintTexts, ATabScrolledOutOfItsBarIsReadAsFarAsItShows) {
  QWidget window;
  window.setObjectName("Dlg");
  window.setGeometry(0, 0, 400, 100);
  QLabel left("left of the bar", &window);
  left.setGeometry(0, 10, 120, 24);
  QTabBar bar(&window);
  bar.setUsesScrollButtons(true);
  bar.setExpanding(false);
  for (const char* name : {"BankSimulation", "BankOpen", "OnCusArrive", "OnCusDepart"}) bar.addTab(name);
  bar.setGeometry(130, 10, 200, 24);
  window.show();
  bar.setCurrentIndex(3);  // the bar scrolls its last tab into view
  pacing::ProcessMessages();
  const QList<QWidget*> windows{&window};
  const auto texts = script::GatherTexts(windows, script::ComposeScreen(windows));
  QRect buttons;
  for (const QObject* child : bar.children())
    if (const auto* b = qobject_cast<const QWidget*>(child); b && b->isVisible()) buttons |= b->geometry().translated(130, 10);
  ASSERT_FALSE(buttons.isEmpty()) << "the bar is too narrow for its tabs";
  int tabs = 0;
  for (const script::Glyphs& g : texts) {
    if (g.text == "left of the bar") continue;
    ++tabs;
    EXPECT_GE(g.box.left(), 130) << g.Line().toStdString();
    EXPECT_FALSE(g.box.intersects(buttons)) << g.Line().toStdString();
  }
  EXPECT_GE(tabs, 1);
  EXPECT_LT(tabs, 4) << "a tab scrolled wholly out of the bar shows nothing";
  EXPECT_EQ(script::Findings(texts, {1024, 768}).filter("overlap").size(), 0);
}

TEST(PrintTexts, TextAnotherWindowCoversEvenInPartIsLeftOut) {
  Scene s([](TCanvas& c) {
    c.TextOut(20, 30, "free");
    c.TextOut(150, 30, "under");
  });
  QWidget dialog;
  dialog.setObjectName("Dlg");
  dialog.setGeometry(170, 0, 100, 100);
  dialog.show();
  pacing::ProcessMessages();
  const QList<QWidget*> windows{&s.box, &dialog};
  const auto texts = script::GatherTexts(windows, script::ComposeScreen(windows));
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "free");
  EXPECT_FALSE(texts[0].clipped);
}

TEST(PrintTexts, LineOverATextCrossesItUnlessAnOpaqueCellWasDrawnOverTheLine) {
  Scene s([](TCanvas& c) {
    c.TextOut(20, 30, "under");
    c.MoveTo(10, 40);
    c.LineTo(100, 40);
    c.MoveTo(140, 40);
    c.LineTo(240, 40);
    c.Brush.Style = bsSolid;
    c.Brush.Color = clWhite;
    c.TextOut(150, 30, "over");
    c.MoveTo(20, 90);
    c.LineTo(100, 90);
    c.Brush.Style = bsClear;
    c.TextOut(30, 80, "through");
  });
  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_TRUE(texts[0].crossed) << "a line drawn after the text";
  EXPECT_FALSE(texts[1].crossed) << "the line runs under the text's opaque cell";
  EXPECT_TRUE(texts[2].crossed) << "a line drawn before a transparent text shows through it";
}

// A text the window's edge cuts to a sliver (the last digit of a long row of the variable
// window): nothing of it lies inside its box shrunk by 1 px, so no line crosses it; three
// columns left of it still can be.
TEST(PrintTexts, ALineOverASliverOfATextCutByTheWindowsEdgeDoesNotCrossIt) {
  // Where a letter's ink starts from where it is written, and the last column a text shows in.
  int bearing = 0, last = 0;
  {
    Scene measure([](TCanvas& c) {
      c.TextOut(20, 30, "H");
      c.TextOut(200, 80, "HHHHHHHHHHHHHHHHHHHHHHHHHHHHHH");
    });
    const auto texts = measure.Texts();
    bearing = texts.at(0).box.left() - 20;
    last = texts.at(1).box.right();
  }
  Scene s([bearing, last](TCanvas& c) {
    c.TextOut(last - bearing, 30, "H");
    c.TextOut(last - 2 - bearing, 80, "H");
    c.MoveTo(250, 38);
    c.LineTo(last + 1, 38);
    c.MoveTo(250, 88);
    c.LineTo(last + 1, 88);
  });
  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].box.width(), 1) << "read as far as it shows";
  EXPECT_FALSE(texts[0].crossed) << "one column of a letter";
  EXPECT_EQ(texts[1].box.width(), 3);
  EXPECT_TRUE(texts[1].crossed) << "three columns of it";
}

// A letter in a ring drawn as two open arcs (a vertex box's rim) is crossed by neither: an
// arc's outline runs round the rim, no chord closes it through the middle.
TEST(PrintTexts, OpenArcsRoundATextDoNotCrossIt) {
  Scene s([](TCanvas& c) {
    c.Arc(10, 10, 90, 90, 90, 50, 10, 50);
    c.Arc(10, 10, 90, 90, 10, 50, 90, 50);
    c.SetTextAlign(TA_CENTER | TA_BASELINE);
    c.TextOut(50, 56, "A");
  });
  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_FALSE(texts[0].crossed);
}

TEST(PrintTexts, LabelGivesItsTextsOwnExtentInScreenPixels) {
  QWidget window;
  window.setObjectName("Dlg");
  window.setGeometry(0, 0, 300, 120);
  auto* label = new QLabel("Label text", &window);
  QFont font("Arial");
  font.setPixelSize(14);
  label->setFont(font);
  label->setGeometry(40, 50, 200, 30);
  window.show();
  pacing::ProcessMessages();
  const QList<QWidget*> windows{&window};
  const auto texts = script::GatherTexts(windows, script::ComposeScreen(windows));
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].window, "Dlg");
  EXPECT_EQ(texts[0].text, "Label text");
  EXPECT_EQ(texts[0].px, 14);
  EXPECT_GE(texts[0].box.left(), 40);
  EXPECT_LT(texts[0].box.width(), 150) << "the text's extent, not the label's";
  EXPECT_TRUE(texts[0].checked);
  EXPECT_FALSE(texts[0].clipped);
}

TEST(PrintTexts, MemoLinesAreReadAsWrappedAndALineEndingInsideAWordOrArrowIsBroken) {
  QWidget window;
  window.setObjectName("Log");
  window.setGeometry(0, 0, 300, 200);
  auto* memo = new QTextEdit(&window);
  QFont font("Arial");
  font.setPixelSize(16);
  memo->setFont(font);
  memo->setLineWrapMode(QTextEdit::FixedColumnWidth);
  memo->setWordWrapMode(QTextOption::WrapAnywhere);
  memo->setLineWrapColumnOrWidth(7);
  memo->setGeometry(10, 10, 280, 180);
  memo->setPlainText("A-->B--->D\n最短路径为十五个字的一行文字");
  window.show();
  pacing::ProcessMessages();
  const QList<QWidget*> windows{&window};
  const auto texts = script::GatherTexts(windows, script::ComposeScreen(windows));
  ASSERT_EQ(texts.size(), 4u) << "two lines wrap at seven characters into two each";
  EXPECT_EQ(texts[0].text, "A-->B--");
  EXPECT_TRUE(texts[0].broken) << "the arrow \"--->\" goes on at the next line";
  EXPECT_EQ(texts[1].text, "->D");
  EXPECT_FALSE(texts[1].broken);
  EXPECT_GT(texts[1].box.top(), texts[0].box.bottom() - 2) << "each line where it shows";
  for (std::size_t i = 2; i < texts.size(); ++i) EXPECT_FALSE(texts[i].broken) << "Chinese breaks anywhere";
  Glyphs g = texts[0];
  g.back = 0xffffff;
  const QStringList findings = script::Findings({g}, QSize(1024, 768));
  ASSERT_EQ(findings.size(), 1);
  EXPECT_TRUE(findings[0].startsWith("illegible broken glyphs Log \"A-->B--\"")) << findings[0].toStdString();
}

TEST(PrintTexts, SwitchedOffButtonGivesTheGreyItIsDrawnIn) {
  QWidget window;
  window.setObjectName("Dlg");
  window.setGeometry(0, 0, 300, 120);
  auto* button = new TButton("Go", &window);
  button->setGeometry(40, 50, 80, 30);
  QPalette palette = button->palette();
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xbe, 0xbe, 0xbe));
  button->setPalette(palette);
  button->setEnabled(false);
  window.show();
  pacing::ProcessMessages();
  const QList<QWidget*> windows{&window};
  const auto texts = script::GatherTexts(windows, script::ComposeScreen(windows));
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].ink & 0xFFFFFFu, ToQRgb(clGrayText) & 0xFFFFFFu) << "the button greys its caption itself, whatever its palette";
}

TEST(LegibilityRules, EachRuleNamesTheTextsThatBreakIt) {
  std::vector<Glyphs> texts{
      Text("small", {0, 0, 30, 10}, 12, 0x000000, 0xFFFFFF),
      Text("pale", {0, 100, 30, 10}, 16, 0xFFFF00, 0xFFFFFF),
      Text("a", {0, 200, 20, 10}, 16, 0x000000, 0xFFFFFF),
      Text("b", {18, 205, 20, 10}, 16, 0x000000, 0xFFFFFF),
      Text("c", {37, 200, 20, 10}, 16, 0x000000, 0xFFFFFF),
  };
  texts[0].clipped = true;
  texts[1].crossed = true;
  const QStringList at1024 = script::Findings(texts, {1024, 768});
  ASSERT_EQ(at1024.size(), 5) << at1024.join('\n').toStdString();
  EXPECT_TRUE(at1024[0].startsWith("illegible size glyphs W \"small\" 0 0 30 10 12 #000000 #ffffff"));
  EXPECT_TRUE(at1024[1].startsWith("illegible clipped glyphs W \"small\""));
  EXPECT_TRUE(at1024[2].startsWith("illegible crossed glyphs W \"pale\""));
  EXPECT_TRUE(at1024[3].startsWith("illegible contrast glyphs W \"pale\"")) << "yellow on white is 1.07 : 1";
  EXPECT_TRUE(at1024[4].startsWith("illegible overlap glyphs W \"a\"")) << "a and b share 2 x 5 pixels";
  EXPECT_TRUE(at1024[4].contains(" / glyphs W \"b\""));
  // b and c share one column only: not an overlap.

  const QStringList at1920 = script::Findings({Text("x", {0, 0, 9, 9}, 15, 0, 0xFFFFFF)}, {1920, 1080});
  EXPECT_EQ(at1920.size(), 1) << "15 px is too small on a 1920 screen";
  texts[0].checked = false;
  EXPECT_FALSE(script::Findings(texts, {1024, 768}).join('\n').contains("small")) << "an unchecked window's text";

  // In a window dragged to three quarters of the screen, 9 px is the least height; 8 px is not enough.
  const std::vector<Glyphs> shrunk{Text("nine", {0, 0, 30, 9}, 9, 0, 0xFFFFFF), Text("eight", {0, 50, 30, 8}, 8, 0, 0xFFFFFF)};
  const QStringList inSmallerWindow = script::Findings(shrunk, {1024, 768}, {}, 0.75);
  ASSERT_EQ(inSmallerWindow.size(), 1) << inSmallerWindow.join('\n').toStdString();
  EXPECT_TRUE(inSmallerWindow[0].contains("\"eight\""));
}

TEST(LegibilityRules, TheCurrentLineShowsInTheAlgorithmWindow) {
  // Rows of 16 px from y = 100 in a view 300 px wide and 80 high: rows 0 to 4 show.
  script::CurrentLineView v;
  v.proc = v.shownProc = "Seek";
  v.row = 3;
  v.text = "  m[x,y] := returned;";
  v.inView = QRect(10, 100, 300, 80);
  v.rowRect = QRect(10, 148, 300, 16);
  v.firstRow = 0;
  v.lastRow = 4;
  v.textLeft = 30;
  v.firstRight = 38;
  v.textRight = 190;
  EXPECT_EQ(script::CurrentLineFinding(v), QString());

  script::CurrentLineView below = v;
  below.row = 6;
  below.rowRect = QRect();  // the grid lays out no cell for it
  EXPECT_EQ(script::CurrentLineFinding(below),
            "illegible current Seek 6 \"m[x,y] := returned;\" -- its row is not wholly in view (rows 0 to 4 show)");
  below.rowRect = QRect(10, 172, 300, 16);  // half of it under the view's bottom
  EXPECT_TRUE(script::CurrentLineFinding(below).contains("not wholly in view"));

  script::CurrentLineView browsed = v;
  browsed.shownProc = "Main";
  EXPECT_TRUE(script::CurrentLineFinding(browsed).endsWith("-- the tab shown is Main's"));

  // A line longer than the view shows from its start: visible. One whose start lies past the
  // view's right edge is not.
  script::CurrentLineView longLine = v;
  longLine.textRight = 900;
  EXPECT_EQ(script::CurrentLineFinding(longLine), QString());
  longLine.textLeft = 305;
  longLine.firstRight = 313;
  EXPECT_TRUE(script::CurrentLineFinding(longLine).endsWith("its first letter is out of view"));

  // Scrolled sideways, some of its letters must still show.
  script::CurrentLineView scrolled = v;
  scrolled.scrolled = true;
  scrolled.textLeft = -200;
  scrolled.firstRight = -192;
  scrolled.textRight = 40;
  EXPECT_EQ(script::CurrentLineFinding(scrolled), QString());
  scrolled.textRight = 12;
  EXPECT_TRUE(script::CurrentLineFinding(scrolled).endsWith("its text is scrolled out of view"));
}

TEST(LegibilityRules, ExceptionLetsANamedTextGoDownTo11PixelsOnly) {
  const std::vector<Glyphs> texts{Text("HT[10]", {0, 0, 30, 10}, 11, 0, 0xFFFFFF),
                                  Text("HT[11]", {0, 50, 30, 10}, 10, 0, 0xFFFFFF)};
  const auto allowed = [](const Glyphs& g) { return g.text.startsWith("HT["); };
  const QStringList findings = script::Findings(texts, {1024, 768}, allowed);
  ASSERT_EQ(findings.size(), 1);
  EXPECT_TRUE(findings[0].contains("HT[11]"));
}

TEST(LegibilityRules, ContrastRatioIsThatOfRelativeLuminance) {
  EXPECT_NEAR(script::ContrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
  EXPECT_NEAR(script::ContrastRatio(0x777777, 0xFFFFFF), 4.48, 0.01);
  EXPECT_NEAR(script::ContrastRatio(0x0000FF, 0x008000), 1.7, 0.1) << "blue on green, as the threaded tags were";
}

TEST(LegibilityRules, ExceptionFileReadsDemoInputAndPattern) {
  QStringList problems;
  const auto list = script::ParseExceptions(
      "# comment\n\nHuffman \"64 weights\" HT\\[\\d+\\]\nBad line\nX y (\n", problems);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].demo, "Huffman");
  EXPECT_EQ(list[0].input, "64 weights");
  EXPECT_EQ(list[0].pattern, "HT\\[\\d+\\]");
  EXPECT_EQ(problems.size(), 2) << "a line of two words and one with a bad pattern";
}
