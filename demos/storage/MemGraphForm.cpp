#include "demos/storage/MemGraphForm.h"

#include "framework/drawkit/ThemedControls.h"

TMemGraphForm::TMemGraphForm(const char* name, const QString& caption, const QString& status, QWidget* parent)
    : TGraphForm(parent) {
  setObjectName(QString::fromLatin1(name));
  SetCaption(caption);
  SetDesignClientSize(kDesignWidth, kDesignHeight);
  Panel1 = Place(new TZqStaticText(this), 0, kStatusTop, kDesignWidth, kDesignHeight - kStatusTop);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->SetFont(TFont{.Name = QStringLiteral("宋体"), .Height = -19, .Color = clBlue});
  Panel1->SetCaption(status);
}

void TMemGraphForm::SetStatusText(const QString& s) {
  Panel1->SetCaption(s);
  Panel1->Repaint();
}

QString TMemGraphForm::DrawingText() const {
  if (CommandWindow == nullptr) return {};
  const QRect frame = CommandWindow->frameGeometry();
  const QPoint at = mapFromGlobal(frame.topLeft());
  return QStringLiteral("command window %1 %2 %3 %4").arg(at.x()).arg(at.y()).arg(frame.width()).arg(frame.height());
}
