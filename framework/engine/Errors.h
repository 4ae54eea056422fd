#pragma once
// The exceptions of the data model, the text parser and the engine. Their texts are the
// ones the user sees when an error ends an action (the application shows what()).
#include <QByteArray>
#include <QString>
#include <exception>

class Exception : public std::exception {
 public:
  explicit Exception(const QString& message) : message_(message), utf8_(message.toUtf8()) {}
  const QString& Message() const { return message_; }
  const char* what() const noexcept override { return utf8_.constData(); }

 private:
  QString message_;
  QByteArray utf8_;
};

// A child of the wrong class: "Invalid class %s".
class EInvalidCast : public Exception {
  using Exception::Exception;
};
// An index past a limit: a node's 1000 slots, a line's 8 directives, a matrix index.
class ERangeError : public Exception {
 public:
  ERangeError() : Exception(QStringLiteral("Range check error")) {}
  using Exception::Exception;
};
// Copying a node into something that cannot take it: "Cannot assign a %s to a %s".
class EConvertError : public Exception {
  using Exception::Exception;
};
// A child that another node already owns: "Data %s".
class EMultiLinkedData : public Exception {
  using Exception::Exception;
};
// A vector sized below 1: "TVector %d".
class EInvalidDimension : public Exception {
  using Exception::Exception;
};
// The engine could not find a procedure or a step method ("demo get proc: nil", ...).
class EDemoError : public Exception {
  using Exception::Exception;
};
