#pragma once
// The binary-tree data file: node records back to back in preorder, no header, no count.
// After a node's record come those of its left subtree (when its "lctag" is not 0), then
// those of its right subtree (when "rctag" is not 0); an empty tree is an empty file.
//
// Reading checks the whole file before any tree changes: every record well formed and
// holding only properties of the tree's node class, each node one level below its parent
// (the root on level 1), no level past the tree's MaxDepth, nothing after the last record.
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

#include "framework/engine/Errors.h"
#include "platform/ComponentStream.h"

// A data file that cannot be read, written or taken; the text is the user's message.
class ETreeFileError : public Exception {
  using Exception::Exception;
};

// One node's record as read, with the records of its children.
struct TTreeRecord {
  stream::TPropertyValues Values;
  std::unique_ptr<TTreeRecord> Left;
  std::unique_ptr<TTreeRecord> Right;
};

// A further check of one record: the reason it is refused, or an empty string.
using TRecordCheck = std::function<QString(const stream::TPropertyValues&)>;  // also in TreeBase.h

// The records of a file for nodes of class cls, or nullptr for an empty file. Raises
// ETreeFileError naming fileName and the first fault.
std::unique_ptr<TTreeRecord> ParseTreeFile(const QByteArray& bytes, const stream::TComponentClass& cls,
                                           int maxDepth, const QString& fileName,
                                           const TRecordCheck& check = {});

// The whole file; raises ETreeFileError when it cannot be read.
QByteArray ReadTreeFile(const QString& fileName);
// Writes through a temporary file renamed over fileName at the end, so a failed save
// leaves an existing file as it was; raises ETreeFileError.
void WriteTreeFile(const QString& fileName, const QByteArray& bytes);
