#pragma once
// A variable of a call record (a procedure's Locals or the globals) found by its name in the
// algorithm text, as the class the demonstration gave it; nullptr when there is none.
// After a call returns, the caller's variables are looked up again through this.
#include <QString>

#include "framework/engine/BasicData.h"

template <class T = TIntData>
T* NamedVar(const TData* record, const char* name) {
  return static_cast<T*>(record->FindByName(QString::fromLatin1(name)));
}
