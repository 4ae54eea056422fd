#pragma once
// The binary component records of the program's data files (binary trees, threaded trees,
// B-trees): each record is one component framed as a raw-data resource entry,
//
//   0xFF, type 10 (16 bits), the class name in capitals and a 0 byte, flags 0x1030 (16 bits),
//   the image size (32 bits), then the image: "TPF0", the class name and the component
//   name as short strings, the properties (a short-string name and a typed value each, a 0
//   byte after the last), and an empty list of child components (a 0 byte).
//
// Values: an integer in the smallest of three forms (type 2 and one signed byte, 3 and two
// bytes, 4 and four bytes), a boolean as type 8 (False) or 9 (True), a string as type 6 with
// a length byte (type 12 with a 32-bit length past 255 bytes), a character as a string of
// length 1. Numbers are little-endian; strings are GBK bytes.
//
// Reading checks everything and never reads past the data: a damaged or cut record raises
// TStreamError with an English text and the kind of fault, from which a message to the user
// is made in the user's language.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <variant>
#include <vector>

namespace stream {

class TStreamError : public std::runtime_error {
 public:
  enum TFault {
    Misuse,           // writing values the class does not take: the program's own fault
    Format,           // not a component record, or one framed wrongly
    CutShort,         // the record runs past the end of the data
    UnknownProperty,  // a property the class being read into does not have
    BadValue,         // a value not of its property's kind
  };
  explicit TStreamError(const std::string& what, TFault fault = Misuse, QString property = {})
      : std::runtime_error(what), fault_(fault), property_(std::move(property)) {}
  TFault Fault() const { return fault_; }
  // The property an UnknownProperty or BadValue fault is about.
  const QString& Property() const { return property_; }

 private:
  TFault fault_;
  QString property_;
};

enum class TPropertyKind { Integer, Boolean, String, Char };

struct TPropertyInfo {
  QString name;
  TPropertyKind kind;
};

// A component class as the files know it: its name and the properties it writes, in order.
struct TComponentClass {
  QString name;
  std::vector<TPropertyInfo> properties;

  // A class that writes the same properties and then its own.
  TComponentClass Derived(const QString& derivedName, std::vector<TPropertyInfo> more) const;
  // The property of that name, letter case ignored; nullptr when the class has none.
  const TPropertyInfo* Find(const QString& propertyName) const;
};

// Integer, boolean, or text (a string, or a character as a text of length 1).
using TPropertyValue = std::variant<std::int32_t, bool, QString>;
using TPropertyValues = std::vector<std::pair<QString, TPropertyValue>>;

// One record of a component of class cls with the given values (one per property of the
// class; looked up by name). Throws TStreamError when a value is missing or of the wrong
// kind, or a name or string does not fit its length byte.
QByteArray WriteComponentRecord(const TComponentClass& cls, const TPropertyValues& values);

// Reads records one after another out of the data.
class TComponentReader {
 public:
  explicit TComponentReader(QByteArray data) : data_(std::move(data)) {}

  bool AtEnd() const { return pos_ >= data_.size(); }
  qsizetype Position() const { return pos_; }

  // Reads the next record into a component of class target and returns its properties in
  // the order they were stored, names spelt as target spells them. The stored class name
  // is not required to match (a file of one tree class loads into another with the same
  // properties), but every property must be one that target has, of its kind.
  TPropertyValues ReadRecord(const TComponentClass& target);
  // The class name stored in the last record read.
  const QString& LastClassName() const { return lastClass_; }

 private:
  QByteArray data_;
  qsizetype pos_ = 0;
  QString lastClass_;
};

// The value of a property in a list read back, or nullptr.
const TPropertyValue* FindValue(const TPropertyValues& values, const QString& name);

}  // namespace stream
