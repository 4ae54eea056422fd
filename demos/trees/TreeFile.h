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

// The name the messages give a tree's data file ("二叉树数据文件").
inline const QString kBinTreeKind = QStringLiteral("二叉树");

// The whole file; raises ETreeFileError when it cannot be read.
QByteArray ReadTreeFile(const QString& fileName, const QString& kind = kBinTreeKind);
// Writes through a temporary file renamed over fileName at the end, so a failed save
// leaves an existing file as it was; raises ETreeFileError.
void WriteTreeFile(const QString& fileName, const QByteArray& bytes, const QString& kind = kBinTreeKind);

// The first fault of a data file, as the message says it; thrown while the records are read.
struct TTreeFileRefusal {
  QString reason;
};

// The refusal turned into the user's message: "<file> 不是可用的<kind>数据文件：<reason>。树没有改变。"
ETreeFileError TreeFileRefused(const QString& fileName, const QString& kind, const TTreeFileRefusal& refusal);

// The node records of a tree file one by one in preorder, as every tree's file holds them:
// counts them, keeps the tree within its levels and refuses a record cut short or malformed
// (TTreeFileRefusal); what the record must hold besides is the caller's to check. A tree's
// reader derives from it and reads a node's record, then its children's, with Next.
class TTreeRecordReader {
 public:
  TTreeRecordReader(const QByteArray& bytes, const stream::TComponentClass& cls, int maxLevels)
      : reader_(bytes), cls_(cls), maxLevels_(maxLevels) {}

  // The whole tree: nullptr for no data, else readNode(1), the root read with its subtree;
  // data after that is refused.
  template <class ReadNode>
  auto ReadTree(ReadNode&& readNode) -> decltype(readNode(1)) {
    if (reader_.AtEnd()) return nullptr;
    auto root = readNode(1);
    if (!reader_.AtEnd()) Fail(QStringLiteral("最后一个结点之后还有多余的数据"));
    return root;
  }
  // The next record, that of a node on the given level (the root on level 1).
  stream::TPropertyValues Next(int level);
  // Records read so far: the number of the last one.
  int Count() const { return count_; }
  // The node class the records are read into, and the one the last record names.
  const stream::TComponentClass& Class() const { return cls_; }
  const QString& LastClassName() const { return reader_.LastClassName(); }

  [[noreturn]] static void Fail(const QString& reason) { throw TTreeFileRefusal{reason}; }

 private:
  stream::TComponentReader reader_;
  const stream::TComponentClass& cls_;
  int maxLevels_;
  int count_ = 0;
};
