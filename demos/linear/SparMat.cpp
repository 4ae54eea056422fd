#include "demos/linear/SparMat.h"

#include "platform/Random.h"

namespace {
QString IndexName(int k) { return QStringLiteral("[%1]").arg(k); }
TIntData* IntAt(const TData* record, int i) { return static_cast<TIntData*>(record->Items(i)); }
}  // namespace

std::unique_ptr<TRecord> NewTripleRecord(int k, const TTriple& t) {
  auto triple = std::make_unique<TRecord>(IndexName(k));
  triple->Add(new TIntData(QStringLiteral("i"), t.i));
  triple->Add(new TIntData(QStringLiteral("j"), t.j));
  triple->Add(new TIntData(QStringLiteral("v"), t.v));
  return triple;
}

std::unique_ptr<TRecord> NewTableRecord(const QString& name, const TTripleTable& table, bool withTriples,
                                        bool withSizes, int emptySlots) {
  auto rec = std::make_unique<TRecord>(name);
  rec->Add(new TIntData(QStringLiteral("mu"), withSizes ? table.mu : 0));
  rec->Add(new TIntData(QStringLiteral("nu"), withSizes ? table.nu : 0));
  rec->Add(new TIntData(QStringLiteral("tu"), withSizes ? table.tu : 0));
  auto* data = rec->Add(new TVector(QStringLiteral("data")));
  if (withTriples)
    for (int k = 1; k <= table.tu; ++k) data->Add(NewTripleRecord(k, table.At(k)));
  for (int k = 1; k <= emptySlots; ++k) data->Add(NewTripleRecord(k, {}));
  return rec;
}

TIntData* Mu(const TData* table) { return IntAt(table, 0); }
TIntData* Nu(const TData* table) { return IntAt(table, 1); }
TIntData* Tu(const TData* table) { return IntAt(table, 2); }
TVector* DataOf(const TData* table) { return static_cast<TVector*>(table->Items(3)); }
TRecord* TripleOf(const TData* table, int k) { return static_cast<TRecord*>(DataOf(table)->Items(k - 1)); }
TIntData* TI(const TData* triple) { return IntAt(triple, 0); }
TIntData* TJ(const TData* triple) { return IntAt(triple, 1); }
TIntData* TV(const TData* triple) { return IntAt(triple, 2); }

std::unique_ptr<TVector> NewRandomVector(const QString& name, int n) {
  auto v = std::make_unique<TVector>(name);
  for (int k = 1; k <= n; ++k) v->Add(new TIntData(IndexName(k), rnd::Random(100)));
  return v;
}

TIntData* Item(const TData* vector, int k) { return static_cast<TIntData*>(vector->Items(k - 1)); }
