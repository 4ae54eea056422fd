#pragma once
// What the three sequential-list demonstrations share: the displayed list record and the
// input of a list text, an element and a position.
#include <QString>
#include <memory>
#include <optional>

#include "framework/engine/BasicData.h"

// "[k]", the name of element k.
QString SqElemName(int k);

// The record "name" = (elem, last): elem holds one character per element of text, last
// its length (or last when given: the insertion's list carries a free slot).
std::unique_ptr<TRecord> NewSqList(const QString& name, const QString& text, int last = -1);
TVector* SqElems(const TData* list);
TIntData* SqLast(const TData* list);
char SqChar(const TData* list, int k);  // element k, 1-based

// A list text cut to its limit: at limit characters or more it is cut to limit once the
// user accepts "数据太长，将被截断" (nullopt when refused).
std::optional<QString> ConfirmListLength(const QString& text, int limit);

// The list text asked for with prompt, starting from def, again until it holds one-byte
// characters only, and cut to limit; nullopt when the user cancelled.
std::optional<QString> AskListText(const QString& prompt, const QString& def, int limit);
// A position asked for with prompt, again until the answer is an integer; nullopt when
// cancelled.
std::optional<int> AskPosition(const QString& prompt);
// A character asked for with prompt (the first of the answer), again while the answer is
// empty or holds other than one-byte characters; nullopt when cancelled.
std::optional<char> AskElement(const QString& prompt, const QString& def);
