#pragma once
// What the selection window needs from the demonstration window when a leaf is clicked.
// The demonstration window implements it; tests put a recorder in its place.
#include <QString>

class SelectionHost {
 public:
  virtual ~SelectionHost() = default;
  // Disables all thirteen toolbar buttons of the demonstration window.
  virtual void DisableButtons() = 0;
  // Draws the caption line of the demonstration window.
  virtual void DrawCaption(const QString& text) = 0;
  virtual void ShowMainForm() = 0;
  // Starts the demonstration by name with the chosen language; returns when the
  // demonstration has started or failed to.
  virtual void StartDemo(const QString& name, bool useC) = 0;
};
