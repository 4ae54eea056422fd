#pragma once
// The displayed form of a triple table: a record (mu, nu, tu, data) whose data holds one
// record "[k]" = (i, j, v) per triple.
#include <QString>
#include <memory>

#include "demos/linear/TripleTable.h"
#include "framework/engine/BasicData.h"

// The table's record; with emptySlots > 0 its data holds that many (0, 0, 0) triples instead of
// the table's own, with table false its mu, nu and tu are 0.
std::unique_ptr<TRecord> NewTableRecord(const QString& name, const TTripleTable& table, bool withTriples,
                                        bool withSizes, int emptySlots = 0);
std::unique_ptr<TRecord> NewTripleRecord(int k, const TTriple& t);

// Fields of a table record and of a triple record, by position.
TIntData* Mu(const TData* table);
TIntData* Nu(const TData* table);
TIntData* Tu(const TData* table);
TVector* DataOf(const TData* table);
TRecord* TripleOf(const TData* table, int k);
TIntData* TI(const TData* triple);
TIntData* TJ(const TData* triple);
TIntData* TV(const TData* triple);

// A vector of n integers "[1]" .. "[n]", each Random(100): shown as not yet set.
std::unique_ptr<TVector> NewRandomVector(const QString& name, int n);
TIntData* Item(const TData* vector, int k);
