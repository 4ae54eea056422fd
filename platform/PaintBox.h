#pragma once
// Painted controls. A TCanvasWidget keeps a persistent backing image of its size with a
// canvas on it. Paint() (or a paint box's OnPaint) draws there when the control is
// invalidated; code may also draw on Canvas() at any time, as on the screen: what it
// draws is shown at the next message processing, pacing wait or Update().
#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/Canvas.h"
#include "platform/Input.h"

class TCanvasWidget : public QWidget, public TMouseHandlers {
 public:
  explicit TCanvasWidget(QWidget* parent = nullptr);
  ~TCanvasWidget() override;

  // Background colour used by the base Paint and for new area when the control grows.
  TColor Color = clBtnFace;

  TCanvas& Canvas() { return canvas_; }
  const QImage& Image() const { return image_; }
  TRect ClientRect() const { return Rect(0, 0, width(), height()); }
  int ClientWidth() const { return width(); }
  int ClientHeight() const { return height(); }

  // Paint() runs at the next paint (Invalidate) or now (Repaint); Update() handles a pending
  // paint now; Flush() shows what was drawn on the canvas now without painting again.
  void Invalidate();
  void Repaint();
  void Update();
  void Flush();

  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  // Shows every canvas widget's pending direct drawing (called by the pacing waits).
  static void FlushAll();

  // What Paint() draws now, on an image of its own, the control's image left as it is (the
  // checks compare the two to find what drawing outside Paint left behind).
  QImage PaintedAfresh();

 protected:
  // Draws the whole control on Canvas(); the base fills it with the widget's background
  // colour (Color, clBtnFace by default).
  virtual void Paint();

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void CanvasChanged(const QRect& r);
  void PaintNow();
  QImage image_;
  TCanvas canvas_{&image_};
  bool needsPaint_ = true;
  bool inPaint_ = false;
  QRect dirty_;
};

// The class library's paint box: OnPaint draws the whole box on Canvas().
class TPaintBox : public TCanvasWidget {
 public:
  explicit TPaintBox(QWidget* parent = nullptr);
  std::function<void(TPaintBox&)> OnPaint;

 protected:
  void Paint() override;
};
