#pragma once
// The base of the boundary-tag and buddy-system drawing windows: a memory picture drawn
// from the demonstration's memory once it has been initialised, over a status line. Its
// parts are containers placed at the design size, so the picture takes the window's size.
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"

class TZqStaticText;

class TMemGraphForm : public TGraphForm, public TKitControl {
 public:
  // The window's object name, caption and first status text.
  TMemGraphForm(const char* name, const QString& caption, const QString& status, QWidget* parent = nullptr);

  // Nothing of the memory is drawn until it has been shown once.
  bool MemoryShown = false;

  void SetStatusText(const QString& s);
  // Shows the memory as it is now (only the empty picture while it is not shown).
  virtual void ShowMemory() = 0;

  // The command window that asks beside this drawing (not owned), once it has been placed.
  const QWidget* CommandWindow = nullptr;
  // Where the command window stands, frame included, in this window's client coordinates:
  // "command window LEFT TOP WIDTH HEIGHT", so that a reader can tell what it would cover.
  QString DrawingText() const override;

  TZqStaticText* Panel1;

 protected:
  static constexpr int kDesignWidth = 480;
  static constexpr int kDesignHeight = 440;
  // The status line's design top; the picture lies above it.
  static constexpr int kStatusTop = 400;
};
