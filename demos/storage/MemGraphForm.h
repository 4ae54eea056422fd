#pragma once
// The base of the boundary-tag and buddy-system drawing windows: a memory picture drawn
// from the demonstration's memory once it has been initialised, over a status line.
#include "framework/drawkit/GraphForm.h"

class TZqStaticText;

class TMemGraphForm : public TGraphForm {
 public:
  // The window's object name, caption and first status text.
  TMemGraphForm(const char* name, const QString& caption, const QString& status, QWidget* parent = nullptr);

  // Nothing of the memory is drawn until it has been shown once.
  bool MemoryShown = false;

  void SetStatusText(const QString& s);
  // Paints the memory as it is now.
  void Redraw();

  TZqStaticText* Panel1;
};
