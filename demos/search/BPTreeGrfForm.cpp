#include "demos/search/BPTreeGrfForm.h"

#include "demos/search/BPTreeClass.h"

TBPTreeGraphForm::TBPTreeGraphForm(QWidget* parent)
    : TBTreeGraphForm(parent, QStringLiteral("B+树"), 339, new TBPTreeClass()) {
  setObjectName(QStringLiteral("BPTreeGraphForm"));
}

TBPTreeClass* TBPTreeGraphForm::BPTree() const { return static_cast<TBPTreeClass*>(Tree); }
