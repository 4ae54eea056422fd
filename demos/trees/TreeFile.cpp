#include "demos/trees/TreeFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

// Far above any tree the kit draws (at most a B-tree of 100 keys, about 130 bytes a node);
// a larger file is not one of ours.
constexpr qint64 kMaxFileSize = 1 << 20;

QString Shown(const QString& fileName) { return QDir::toNativeSeparators(fileName); }

// Reads binary-tree node records in preorder, checking each one as it comes.
class TreeReader : TTreeRecordReader {
 public:
  TreeReader(const QByteArray& bytes, const stream::TComponentClass& cls, int maxDepth, const TRecordCheck& check)
      : TTreeRecordReader(bytes, cls, maxDepth), check_(check) {}

  std::unique_ptr<TTreeRecord> Tree() { return ReadTree([this](int level) { return Node(level); }); }

 private:
  std::unique_ptr<TTreeRecord> Node(int level) {
    auto record = std::make_unique<TTreeRecord>();
    record->Values = Next(level);
    const int n = Count();
    const int stair = Int("stair", -1, *record);
    if (stair != level)
      Fail(QStringLiteral("第 %1 个结点应在第 %2 层，记录却写着 %3").arg(n).arg(level).arg(stair));
    if (const auto* v = stream::FindValue(record->Values, QStringLiteral("Value"))) {
      const QString s = std::get<QString>(*v);
      if (s.size() != 1 || s[0].unicode() < 0x20 || s[0].unicode() > 0x7E)
        Fail(QStringLiteral("第 %1 个结点的值不是一个字母或空格").arg(n));
    }
    if (check_) {
      const QString reason = check_(record->Values);
      if (!reason.isEmpty()) Fail(QStringLiteral("第 %1 个结点%2").arg(n).arg(reason));
    }
    if (Int("lctag", 0, *record) != 0) record->Left = Node(level + 1);
    if (Int("rctag", 0, *record) != 0) record->Right = Node(level + 1);
    return record;
  }

  static int Int(const char* name, int fallback, const TTreeRecord& record) {
    const auto* v = stream::FindValue(record.Values, QString::fromLatin1(name));
    return v && std::holds_alternative<std::int32_t>(*v) ? std::get<std::int32_t>(*v) : fallback;
  }

  const TRecordCheck& check_;
};

}  // namespace

stream::TPropertyValues TTreeRecordReader::Next(int level) {
  const int n = ++count_;
  if (level > maxLevels_) Fail(QStringLiteral("树的层数超过了 %1 层").arg(maxLevels_));
  if (reader_.AtEnd()) Fail(QStringLiteral("文件在第 %1 个结点处中断").arg(n));
  try {
    return reader_.ReadRecord(cls_);
  } catch (const stream::TStreamError& e) {
    // The user is told in Chinese what the stream found; its English text is for the program.
    switch (e.Fault()) {
      case stream::TStreamError::CutShort: Fail(QStringLiteral("文件在第 %1 个结点处中断").arg(n));
      case stream::TStreamError::UnknownProperty: Fail(QStringLiteral("第 %1 个结点的记录含有这种树的结点没有的数据").arg(n));
      case stream::TStreamError::BadValue: Fail(QStringLiteral("第 %1 个结点的记录中有数据的类型不对").arg(n));
      case stream::TStreamError::Format:
      case stream::TStreamError::Misuse: break;
    }
    Fail(QStringLiteral("第 %1 个结点的记录格式不对").arg(n));
  }
}

ETreeFileError TreeFileRefused(const QString& fileName, const QString& kind, const TTreeFileRefusal& refusal) {
  return ETreeFileError(
      QStringLiteral("%1 不是可用的%2数据文件：%3。树没有改变。").arg(Shown(fileName), kind, refusal.reason));
}

std::unique_ptr<TTreeRecord> ParseTreeFile(const QByteArray& bytes, const stream::TComponentClass& cls,
                                           int maxDepth, const QString& fileName, const TRecordCheck& check) {
  try {
    return TreeReader(bytes, cls, maxDepth, check).Tree();
  } catch (const TTreeFileRefusal& r) {
    throw TreeFileRefused(fileName, kBinTreeKind, r);
  }
}

QByteArray ReadTreeFile(const QString& fileName, const QString& kind) {
  QFile file(fileName);
  const auto unreadable = [&] {
    return ETreeFileError(
        QStringLiteral("无法读取%1数据文件 %2：%3。树没有改变。").arg(kind, Shown(fileName), file.errorString()));
  };
  if (!file.open(QIODevice::ReadOnly)) throw unreadable();
  if (file.size() > kMaxFileSize) throw TreeFileRefused(fileName, kind, {QStringLiteral("文件太大")});
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) throw unreadable();
  return bytes;
}

void WriteTreeFile(const QString& fileName, const QByteArray& bytes, const QString& kind) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw ETreeFileError(QStringLiteral("无法保存%1数据文件 %2：%3。原有的文件没有改变。")
                             .arg(kind, Shown(fileName), file.errorString()));
}
