#include "demos/trees/TreeFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

// Far above any tree the kit draws (fifteen records of about 130 bytes); a larger file is
// not one of ours.
constexpr qint64 kMaxFileSize = 1 << 20;

QString Shown(const QString& fileName) { return QDir::toNativeSeparators(fileName); }

struct Refusal {
  QString reason;
};

// Reads node records in preorder, checking each one as it comes.
class TreeReader {
 public:
  TreeReader(const QByteArray& bytes, const stream::TComponentClass& cls, int maxDepth, const TRecordCheck& check)
      : reader_(bytes), cls_(cls), maxDepth_(maxDepth), check_(check) {}

  std::unique_ptr<TTreeRecord> Tree() {
    if (reader_.AtEnd()) return nullptr;
    auto root = Node(1);
    if (!reader_.AtEnd()) Fail(QStringLiteral("最后一个结点之后还有多余的数据"));
    return root;
  }

 private:
  [[noreturn]] static void Fail(const QString& reason) { throw Refusal{reason}; }

  std::unique_ptr<TTreeRecord> Node(int level) {
    ++count_;
    if (level > maxDepth_)
      Fail(QStringLiteral("树的层数超过了 %1 层").arg(maxDepth_));
    if (reader_.AtEnd()) Fail(QStringLiteral("文件在第 %1 个结点处中断").arg(count_));
    auto record = std::make_unique<TTreeRecord>();
    try {
      record->Values = reader_.ReadRecord(cls_);
    } catch (const stream::TStreamError& e) {
      Fail(QStringLiteral("第 %1 个结点的记录有误（%2）").arg(count_).arg(QString::fromUtf8(e.what())));
    }
    const int stair = Int("stair", -1, *record);
    if (stair != level)
      Fail(QStringLiteral("第 %1 个结点应在第 %2 层，记录却写着 %3").arg(count_).arg(level).arg(stair));
    if (const auto* v = stream::FindValue(record->Values, QStringLiteral("Value"))) {
      const QString s = std::get<QString>(*v);
      if (s.size() != 1 || s[0].unicode() < 0x20 || s[0].unicode() > 0x7E)
        Fail(QStringLiteral("第 %1 个结点的值不是一个字母或空格").arg(count_));
    }
    if (check_) {
      const QString reason = check_(record->Values);
      if (!reason.isEmpty()) Fail(QStringLiteral("第 %1 个结点%2").arg(count_).arg(reason));
    }
    if (Int("lctag", 0, *record) != 0) record->Left = Node(level + 1);
    if (Int("rctag", 0, *record) != 0) record->Right = Node(level + 1);
    return record;
  }

  static int Int(const char* name, int fallback, const TTreeRecord& record) {
    const auto* v = stream::FindValue(record.Values, QString::fromLatin1(name));
    return v && std::holds_alternative<std::int32_t>(*v) ? std::get<std::int32_t>(*v) : fallback;
  }

  stream::TComponentReader reader_;
  const stream::TComponentClass& cls_;
  int maxDepth_;
  const TRecordCheck& check_;
  int count_ = 0;
};

}  // namespace

std::unique_ptr<TTreeRecord> ParseTreeFile(const QByteArray& bytes, const stream::TComponentClass& cls,
                                           int maxDepth, const QString& fileName, const TRecordCheck& check) {
  try {
    return TreeReader(bytes, cls, maxDepth, check).Tree();
  } catch (const Refusal& r) {
    throw ETreeFileError(
        QStringLiteral("%1 不是可用的二叉树数据文件：%2。树没有改变。").arg(Shown(fileName), r.reason));
  }
}

QByteArray ReadTreeFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw ETreeFileError(QStringLiteral("无法读取二叉树数据文件 %1：%2。树没有改变。").arg(Shown(fileName), file.errorString()));
  if (file.size() > kMaxFileSize)
    throw ETreeFileError(QStringLiteral("%1 不是可用的二叉树数据文件：文件太大。树没有改变。").arg(Shown(fileName)));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw ETreeFileError(QStringLiteral("无法读取二叉树数据文件 %1：%2。树没有改变。").arg(Shown(fileName), file.errorString()));
  return bytes;
}

void WriteTreeFile(const QString& fileName, const QByteArray& bytes) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw ETreeFileError(
        QStringLiteral("无法保存二叉树数据文件 %1：%2。原有的文件没有改变。").arg(Shown(fileName), file.errorString()));
}
