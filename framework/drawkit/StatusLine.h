#pragma once
// The status line of a drawing window's bottom panel: a one-line edit the program writes its
// hints into, which says in words the part of its text a reader sees.
#include "framework/drawkit/KitControl.h"
#include "platform/Controls.h"

class TStatusLine : public TEdit, public TKitControl {
 public:
  explicit TStatusLine(QWidget* parent = nullptr);

  // The pixels of the edit a text can take: its width less the frame, the text margins and
  // the two pixels a line edit keeps on either side of its text.
  int TextRoom() const;
  // The characters in view: the whole text when it fits; else as many as fit from the start
  // when the cursor stands at the start, from the end when it stands anywhere else (a line
  // edit scrolls to keep its cursor in view).
  QString DrawingText() const override;
};
