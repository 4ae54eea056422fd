#pragma once
// The drawing window of a demonstration. It shows the backdrop, and when it is resized (the
// demonstration window docks it into panes of any size) it rescales its containers, puts its
// pointers back on their targets and asks the current demonstration to draw again.
//
// A drawing window is laid out in code at its design client size:
//
//   THanoiGraphForm::THanoiGraphForm(QWidget* parent) : TGraphForm(parent) {
//     SetCaption("汉诺塔");
//     SetDesignClientSize(363, 393);
//     Towers = Place(new THanoiTowers(this), 0, 0, 363, 193);
//   }
//
// Its own painting and resizing go in FormPaint and FormResize, each calling the
// inherited one first.
#include <QSize>
#include <QString>
#include <vector>

#include "framework/drawkit/ScaledControls.h"
#include "platform/PaintBox.h"

class TNodeContainer;

class TGraphForm : public TCanvasWidget {
 public:
  // Caption "图示", design client size 419 x 280; without a parent a borderless window.
  explicit TGraphForm(QWidget* parent = nullptr);
  ~TGraphForm() override;

  // The drawing windows that exist, in the order they were created (what the scripted
  // driver prints a drawing from).
  static const std::vector<TGraphForm*>& All();

  QString Caption() const { return windowTitle(); }
  void SetCaption(const QString& caption) { setWindowTitle(caption); }

  // The client size the window's layout was designed at; setting it resizes the window.
  QSize DesignClientSize() const { return designClient_; }
  void SetDesignClientSize(int width, int height);

  // The present client size against the design one: how much the drawing has grown.
  TDesignRatio Ratio() const { return TDesignRatio(designClient_, size()); }
  // The ratio of the drawing window that holds w (the design size when none does).
  static TDesignRatio RatioOf(const QWidget& w);

  // Places a container (of this window, or nested in one of its controls) at its design
  // bounds, recording them as its design geometry; returns it.
  template <class T>
  T* Place(T* container, int left, int top, int width, int height) {
    PlaceContainer(container, left, top, width, height);
    return container;
  }

  // Rescales every container of this window to the present client size and puts the pointers
  // back on their targets (what a resize does before the demonstration draws again).
  void RescaleContents();

 protected:
  // The backdrop under the window. Drawing windows draw more after calling it.
  virtual void FormPaint();
  // RescaleContents, then the current demonstration's ShowGraph, then a pending paint now.
  virtual void FormResize();

  void Paint() final;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceContainer(TNodeContainer* container, int left, int top, int width, int height);
  QSize designClient_{419, 280};
};
