#include "framework/drawkit/GraphForm.h"

#include <algorithm>

#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/NodeContainer.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"

namespace {

std::vector<TGraphForm*>& LiveForms() {
  static std::vector<TGraphForm*> forms;
  return forms;
}

// The widgets that belong to form, in creation order, parents before their children; a
// drawing window nested in it keeps its own.
template <class T>
void CollectOwned(QWidget& widget, std::vector<T*>& out) {
  for (QObject* child : widget.children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (!w || dynamic_cast<TGraphForm*>(w)) continue;
    if (auto* t = dynamic_cast<T*>(w)) out.push_back(t);
    CollectOwned(*w, out);
  }
}

}  // namespace

TGraphForm::TGraphForm(QWidget* parent) : TCanvasWidget(parent) {
  if (!parent) setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  SetCaption(QStringLiteral("图示"));
  Canvas().Font.Height = -10;
  resize(designClient_);
  LiveForms().push_back(this);
}

TGraphForm::~TGraphForm() { std::erase(LiveForms(), this); }

const std::vector<TGraphForm*>& TGraphForm::All() { return LiveForms(); }

void TGraphForm::SetDesignClientSize(int width, int height) {
  designClient_ = QSize(width, height);
  resize(designClient_);
}

TDesignRatio TGraphForm::RatioOf(const QWidget& w) {
  for (const QWidget* p = &w; p; p = p->parentWidget())
    if (auto* form = dynamic_cast<const TGraphForm*>(p)) return form->Ratio();
  return {};
}

void TGraphForm::PlaceContainer(TNodeContainer* container, int left, int top, int width, int height) {
  container->SetDesignBounds(left, top, width, height, designClient_);
}

void TGraphForm::RescaleContents() {
  std::vector<TNodeContainer*> containers;
  CollectOwned(*this, containers);
  for (TNodeContainer* c : containers) c->Rescale(width(), height());
  std::vector<TPointer2*> pointers;
  CollectOwned(*this, pointers);
  // A pointer a container placed with its contents stays where the container put it.
  for (TPointer2* p : pointers)
    if (std::none_of(containers.begin(), containers.end(), [p](const TNodeContainer* c) { return c->PlacesPointer(*p); }))
      p->Reposition();
}

void TGraphForm::FormPaint() { CopyBackdrop(Canvas(), *this, ClientRect(), Color); }

void TGraphForm::FormResize() {
  RescaleContents();
  if (CurrentDemo) CurrentDemo->ShowGraph();
  Update();
}

void TGraphForm::Paint() { FormPaint(); }

void TGraphForm::resizeEvent(QResizeEvent* event) {
  TCanvasWidget::resizeEvent(event);
  FormResize();
}
