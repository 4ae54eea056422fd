#pragma once
#include <QVariant>

#include "demos/graphs/GraphDemo.h"
#include "demos/graphs/GraphList.h"
#include "demos/graphs/GraphP.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/ThemedControls.h"
#include "platform/Forms.h"

// The window the traversals and the strong components draw on: the graph above, its
// adjacency lists below it, and one or two captions in the bottom tenth.
class TTraverWindow : public TGraphForm {
 public:
  // The caption OrderText is named orderName, in bold of fontSize and orderColor.
  TTraverWindow(const QString& caption, const char* orderName, int fontSize, TColor orderColor = RGB(255, 0, 0)) {
    SetCaption(caption);
    SetDesignClientSize(graphdemo::CodedWindowSize.width(), graphdemo::CodedWindowSize.height());
    GraphP = new TGraphP(this);
    GraphP->setObjectName(QStringLiteral("GraphP"));
    GraphP->SetState(csDisplay);
    GraphList = new TGraphList(this);
    GraphList->setObjectName(QStringLiteral("GraphList"));
    OrderText = Caption(this, orderName, fontSize, orderColor);
  }

  // A caption whose bold font of fontSize points grows with the window (ScaleCaptions); it
  // shows a value of the run (its Stands).
  static TZqStaticText* Caption(QWidget* parent, const char* name, int fontSize, TColor color = RGB(255, 0, 0)) {
    auto* t = new TZqStaticText(parent);
    t->setObjectName(QString::fromLatin1(name));
    TFont font;
    font.SetSize(fontSize);
    font.Style = fsBold;
    font.Color = color;
    t->SetFont(font);
    t->setProperty(DesignFont, font.Height);
    t->SetBevel(bvLowered);
    t->SetAlignment(taLeftJustify);
    return t;
  }
  // Every caption made by Caption on window takes its design font grown by the window's ratio.
  static void ScaleCaptions(TGraphForm& window) {
    const TDesignRatio r = window.Ratio();
    for (TZqStaticText* t : window.findChildren<TZqStaticText*>()) {
      const QVariant design = t->property(DesignFont);
      if (!design.isValid()) continue;
      TFont font = t->Font();
      font.Height = design.toInt();
      t->SetFont(r.Font(font, -font.Height));
    }
  }

  TGraphP* GraphP;
  TGraphList* GraphList;
  TZqStaticText* OrderText;

 protected:
  void FormResize() override {
    const int w = width();
    const int h = height();
    // The lists take more of the graph's height where their rows would not hold letters of
    // the least size the window reads (a window made smaller), down to two fifths for the graph.
    const int bottom = h / 10 * 9;
    const int top = std::clamp(bottom - GraphList->HeightFor(LegiblePixelsIn(*this)), h / 10 * 4, h / 10 * 6);
    GraphP->setGeometry(0, 0, w, top);
    GraphList->setGeometry(0, top, w, bottom - top);
    PlaceCaptions(w, h);
    ScaleCaptions(*this);
    TGraphForm::FormResize();
  }
  virtual void PlaceCaptions(int w, int h) = 0;

 private:
  static constexpr const char* DesignFont = "designFontHeight";
};
