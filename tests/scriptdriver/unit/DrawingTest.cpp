#include "tests/scriptdriver/Drawing.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/NodeContainer.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/StackBox.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Pacing.h"

using script::DrawingLines;

namespace {

// A drawing window shown at its design size, holding a container at (10, 20).
struct Window {
  TGraphForm form;
  TNodeContainer* panel = form.Place(new TNodeContainer(&form), 10, 20, 300, 200);
  Window() {
    form.show();
    pacing::ProcessMessages();
  }
  QStringList Lines(const QWidget* only = nullptr) const { return DrawingLines({const_cast<TGraphForm*>(&form)}, only); }
};

// A control made after its window was shown stays hidden until shown, as in the program.
template <class T>
T* Shown(T* control) {
  control->show();
  return control;
}

class Row : public TData {
 public:
  explicit Row(QString text) : text_(std::move(text)) {}
  QString GetText() const override { return text_; }

 private:
  QString text_;
};

}  // namespace

TEST(DrawingLines, NodeRectangleShowsItsCaptionPiecesInWindowCoordinates) {
  Window w;
  w.panel->setObjectName("Panel");
  auto* node = Shown(new TRectbase(w.panel));
  node->setObjectName("Node1");
  node->setGeometry(5, 6, 40, 30);
  node->SetCaptionText("10,12,ab,30,12,\"c\\d\",5,x,lost");
  const QStringList lines = w.Lines();
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], "shape TNodeContainer Panel \"\" 10 20 300 200");
  EXPECT_EQ(lines[1], "shape TRectbase Node1 \"ab \\\"c\\\\d\\\"\" 15 26 40 30")
      << "pieces joined by a blank, up to the malformed one; quotes and backslashes escaped; "
         "bounds in the window's coordinates";
}

TEST(DrawingLines, PointerNamesItsTargetOrItsLineWhenUnnamed) {
  Window w;
  auto* named = Shown(new TRectbase(w.panel));
  named->setObjectName("Head");
  named->setGeometry(100, 100, 40, 30);
  auto* unnamed = Shown(new TRectbase(w.panel));
  unnamed->setGeometry(200, 100, 40, 30);
  auto* p = new TPointer2(w.panel);
  p->SetCaption("p");
  p->SetTarget(named);
  auto* q = new TPointer2(w.panel);
  q->setObjectName("q");
  q->SetCaption("%1 q");
  q->SetTarget(unnamed);
  auto* lost = new TPointer2(w.panel);
  lost->SetTarget(nullptr);
  const QStringList lines = w.Lines();
  ASSERT_EQ(lines.size(), 5) << "a pointer without a target is hidden, so not printed";
  EXPECT_EQ(lines[2], "shape TRectbase - \"\" 210 120 40 30");
  // Grown from 32 to the least readable 40, which the 40-wide target allows.
  EXPECT_EQ(lines[3], "shape TPointer2 - \"p\" 70 80 40 40 -> Head") << "tip on the target's corner";
  EXPECT_EQ(lines[4], "shape TPointer2 q \"%1 q\" 170 80 40 40 -> TRectbase#3")
      << "an unnamed target by its class and its line";
  EXPECT_EQ(w.Lines(q), QStringList{"shape TPointer2 q \"%1 q\" 170 80 40 40 -> TRectbase#?"})
      << "a target that is not printed has no line to name";
}

TEST(DrawingLines, StackDisplayShowsTitleMarkerAndRowsBottomFirst) {
  TAckmanGraphForm form;
  form.show();
  pacing::ProcessMessages();
  TStackBox& box = *form.Stack;
  box.ShowAnimate = false;
  box.Push(std::make_unique<Row>("0  3  a"));
  box.Push(std::make_unique<Row>("5  2  a"));
  const QStringList lines = DrawingLines({&form});
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[0].startsWith("shape TStackBox Stack \"  Addr  m  n  temp  result\" ")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].startsWith("shape TStackTopPointer - \"top\" ")) << lines[1].toStdString();
  EXPECT_TRUE(lines[1].endsWith(" -> TNodeRect#4")) << "the marker points at the newest row: " << lines[1].toStdString();
  EXPECT_TRUE(lines[2].startsWith("shape TNodeRect - \"0  3  a\" ")) << lines[2].toStdString();
  EXPECT_TRUE(lines[3].startsWith("shape TNodeRect - \"5  2  a\" ")) << lines[3].toStdString();
  box.Pop();
  box.Pop();
  EXPECT_EQ(DrawingLines({&form}).size(), 1) << "an empty stack shows neither rows nor marker";
}

TEST(DrawingLines, WindowsInCreationOrderHiddenOnesAndButtonsLeftOut) {
  Window first;
  auto* label = Shown(new QLabel("a\nb", first.panel));
  label->setGeometry(1, 2, 30, 10);
  new TImage(first.panel);  // never shown
  Shown(new TButton("OK", first.panel));  // a button is no part of a drawing
  Window second;
  second.panel->setObjectName("Second");
  auto* picture = Shown(new TImage(second.panel));
  picture->setAccessibleDescription("plate 1");
  picture->setGeometry(0, 0, 8, 4);
  const QStringList lines = DrawingLines({&first.form, &second.form});
  EXPECT_EQ(lines.join('\n').toStdString(),
            "shape TNodeContainer - \"\" 10 20 300 200\n"
            "shape QLabel - \"a\\nb\" 11 22 30 10\n"
            "shape TNodeContainer Second \"\" 10 20 300 200\n"
            "shape TImage - \"plate 1\" 10 20 8 4");
  second.form.hide();
  EXPECT_EQ(DrawingLines({&first.form, &second.form}).size(), 2) << "a window not shown is left out";
  const std::vector<TGraphForm*>& all = TGraphForm::All();
  EXPECT_LT(std::find(all.begin(), all.end(), &first.form), std::find(all.begin(), all.end(), &second.form));
}
