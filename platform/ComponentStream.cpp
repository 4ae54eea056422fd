#include "platform/ComponentStream.h"

#include "platform/TextRules.h"

namespace stream {
namespace {

constexpr std::uint8_t kResourceByNumber = 0xFF;
constexpr std::uint16_t kRawData = 10;
constexpr std::uint16_t kMemoryFlags = 0x1030;
constexpr int kMaxResourceName = 63;
const QByteArray kSignature = QByteArrayLiteral("TPF0");

enum ValueType : std::uint8_t {
  vaNull = 0,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaString = 6,
  vaFalse = 8,
  vaTrue = 9,
  vaLString = 12,
};

const char* const kInvalidFormat = "Invalid stream format";
const char* const kReadError = "Stream read error";

void PutU16(QByteArray& out, std::uint16_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>(v >> 8));
}

void PutU32(QByteArray& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutShortString(QByteArray& out, const QByteArray& bytes) {
  if (bytes.size() > 255) throw TStreamError("Name too long for the stream: " + bytes.toStdString());
  out.append(static_cast<char>(bytes.size()));
  out.append(bytes);
}

void PutInteger(QByteArray& out, std::int32_t v) {
  if (v >= -128 && v <= 127) {
    out.append(static_cast<char>(vaInt8));
    out.append(static_cast<char>(static_cast<std::int8_t>(v)));
  } else if (v >= -32768 && v <= 32767) {
    out.append(static_cast<char>(vaInt16));
    PutU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
  } else {
    out.append(static_cast<char>(vaInt32));
    PutU32(out, static_cast<std::uint32_t>(v));
  }
}

void PutString(QByteArray& out, const QByteArray& bytes) {
  if (bytes.size() <= 255) {
    out.append(static_cast<char>(vaString));
    PutShortString(out, bytes);
  } else {
    out.append(static_cast<char>(vaLString));
    PutU32(out, static_cast<std::uint32_t>(bytes.size()));
    out.append(bytes);
  }
}

std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }

void PutValue(QByteArray& out, const TPropertyInfo& info, const TPropertyValue& value) {
  auto wrong = [&info]() {
    return TStreamError("Value of the wrong kind for property " + Utf8(info.name));
  };
  switch (info.kind) {
    case TPropertyKind::Integer:
      if (!std::holds_alternative<std::int32_t>(value)) throw wrong();
      PutInteger(out, std::get<std::int32_t>(value));
      return;
    case TPropertyKind::Boolean:
      if (!std::holds_alternative<bool>(value)) throw wrong();
      out.append(static_cast<char>(std::get<bool>(value) ? vaTrue : vaFalse));
      return;
    case TPropertyKind::String:
      if (!std::holds_alternative<QString>(value)) throw wrong();
      PutString(out, text::ToGbk(std::get<QString>(value)));
      return;
    case TPropertyKind::Char: {
      if (!std::holds_alternative<QString>(value)) throw wrong();
      const QByteArray bytes = text::ToGbk(std::get<QString>(value));
      if (bytes.size() != 1) throw TStreamError("Property " + Utf8(info.name) + " holds one single-byte character");
      PutString(out, bytes);
      return;
    }
  }
}

// Bounds-checked reading of one record's bytes.
class Cursor {
 public:
  Cursor(const QByteArray& data, qsizetype pos, qsizetype end) : data_(data), pos_(pos), end_(end) {}
  qsizetype Pos() const { return pos_; }

  void Need(qsizetype n) const {
    if (n < 0 || end_ - pos_ < n) throw TStreamError(kReadError, TStreamError::CutShort);
  }
  std::uint8_t U8() {
    Need(1);
    return static_cast<std::uint8_t>(data_[pos_++]);
  }
  std::uint16_t U16() {
    Need(2);
    const std::uint16_t v = static_cast<std::uint16_t>(static_cast<std::uint8_t>(data_[pos_]) |
                                                       (static_cast<std::uint8_t>(data_[pos_ + 1]) << 8));
    pos_ += 2;
    return v;
  }
  std::uint32_t U32() {
    Need(4);
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(data_[pos_ + i])) << (8 * i);
    pos_ += 4;
    return v;
  }
  QByteArray Bytes(qsizetype n) {
    Need(n);
    QByteArray b = data_.mid(pos_, n);
    pos_ += n;
    return b;
  }
  QByteArray ShortString() { return Bytes(U8()); }

 private:
  const QByteArray& data_;
  qsizetype pos_;
  qsizetype end_;
};

TPropertyValue ReadValue(Cursor& in, const TPropertyInfo& info) {
  const std::uint8_t type = in.U8();
  const auto invalid = [&info]() {
    return TStreamError("Invalid property value: " + Utf8(info.name), TStreamError::BadValue, info.name);
  };
  switch (info.kind) {
    case TPropertyKind::Integer:
      switch (type) {
        case vaInt8: return static_cast<std::int32_t>(static_cast<std::int8_t>(in.U8()));
        case vaInt16: return static_cast<std::int32_t>(static_cast<std::int16_t>(in.U16()));
        case vaInt32: return static_cast<std::int32_t>(in.U32());
        default: throw invalid();
      }
    case TPropertyKind::Boolean:
      if (type == vaFalse) return false;
      if (type == vaTrue) return true;
      throw invalid();
    case TPropertyKind::String:
    case TPropertyKind::Char: {
      QByteArray bytes;
      if (type == vaString) bytes = in.ShortString();
      else if (type == vaLString) {
        const std::uint32_t n = in.U32();
        if (n > 0x7FFFFFFF) throw TStreamError(kReadError, TStreamError::CutShort);
        bytes = in.Bytes(static_cast<qsizetype>(n));
      } else {
        throw invalid();
      }
      if (info.kind == TPropertyKind::Char && bytes.size() != 1) throw invalid();
      return text::FromGbk(bytes);
    }
  }
  throw invalid();
}

}  // namespace

TComponentClass TComponentClass::Derived(const QString& derivedName, std::vector<TPropertyInfo> more) const {
  TComponentClass d{derivedName, properties};
  d.properties.insert(d.properties.end(), more.begin(), more.end());
  return d;
}

const TPropertyInfo* TComponentClass::Find(const QString& propertyName) const {
  for (const TPropertyInfo& p : properties)
    if (p.name.compare(propertyName, Qt::CaseInsensitive) == 0) return &p;
  return nullptr;
}

const TPropertyValue* FindValue(const TPropertyValues& values, const QString& name) {
  for (const auto& [n, v] : values)
    if (n.compare(name, Qt::CaseInsensitive) == 0) return &v;
  return nullptr;
}

QByteArray WriteComponentRecord(const TComponentClass& cls, const TPropertyValues& values) {
  const QByteArray className = cls.name.toLatin1();
  if (className.isEmpty() || className.size() > kMaxResourceName)
    throw TStreamError("Class name unfit for a resource: " + Utf8(cls.name));

  QByteArray image = kSignature;
  PutShortString(image, className);
  PutShortString(image, {});  // nodes have no component name
  for (const TPropertyInfo& p : cls.properties) {
    const TPropertyValue* v = FindValue(values, p.name);
    if (!v) throw TStreamError("No value for property " + Utf8(p.name));
    PutShortString(image, p.name.toLatin1());
    PutValue(image, p, *v);
  }
  image.append(static_cast<char>(vaNull));  // end of the properties
  image.append(static_cast<char>(vaNull));  // no child components

  QByteArray record;
  record.append(static_cast<char>(kResourceByNumber));
  PutU16(record, kRawData);
  record.append(className.toUpper());
  record.append('\0');
  PutU16(record, kMemoryFlags);
  PutU32(record, static_cast<std::uint32_t>(image.size()));
  record.append(image);
  return record;
}

TPropertyValues TComponentReader::ReadRecord(const TComponentClass& target) {
  Cursor header(data_, pos_, data_.size());
  if (header.U8() != kResourceByNumber || header.U16() != kRawData) throw TStreamError(kInvalidFormat, TStreamError::Format);
  // The resource name: at most 63 characters and its 0 byte.
  for (int n = 0;; ++n) {
    if (header.U8() == 0) break;
    if (n >= kMaxResourceName) throw TStreamError(kInvalidFormat, TStreamError::Format);
  }
  header.U16();  // memory flags, not interpreted
  const std::uint32_t size = header.U32();
  header.Need(static_cast<qsizetype>(size));

  const qsizetype start = header.Pos();
  const qsizetype end = start + static_cast<qsizetype>(size);
  Cursor in(data_, start, end);
  if (in.Bytes(kSignature.size()) != kSignature) throw TStreamError(kInvalidFormat, TStreamError::Format);
  lastClass_ = QString::fromLatin1(in.ShortString());
  in.ShortString();  // the component name
  TPropertyValues values;
  for (;;) {
    const QByteArray name = in.ShortString();
    if (name.isEmpty()) break;
    const TPropertyInfo* info = target.Find(QString::fromLatin1(name));
    if (!info)
      throw TStreamError("Property " + name.toStdString() + " does not exist", TStreamError::UnknownProperty,
                         QString::fromLatin1(name));
    values.emplace_back(info->name, ReadValue(in, *info));
  }
  if (in.U8() != vaNull || in.Pos() != end) throw TStreamError(kInvalidFormat, TStreamError::Format);
  pos_ = end;
  return values;
}

}  // namespace stream
