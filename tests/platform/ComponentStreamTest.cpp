#include <gtest/gtest.h>

#include <climits>

#include "platform/ComponentStream.h"

using namespace stream;

namespace {

using K = TPropertyKind;

const TComponentClass kNodeBase{QStringLiteral("TTreeNodeBase"),
                                {{"Left", K::Integer},
                                 {"Top", K::Integer},
                                 {"Width", K::Integer},
                                 {"Height", K::Integer},
                                 {"stair", K::Integer},
                                 {"ShowName", K::Boolean}}};
const TComponentClass kBinNode =
    kNodeBase.Derived("TBinTreeNode", {{"lctag", K::Integer}, {"rctag", K::Integer}});
const TComponentClass kCharNode = kBinNode.Derived("TBinCharTreeNode", {{"Value", K::Char}});

TPropertyValues LetterA() {
  return {{"Left", 10},   {"Top", 32},    {"Width", 38},  {"Height", 38},        {"stair", 1},
          {"ShowName", true}, {"lctag", 0}, {"rctag", 0}, {"Value", QStringLiteral("A")}};
}

QByteArray Bytes(std::initializer_list<int> bytes) {
  QByteArray b;
  for (int v : bytes) b.append(static_cast<char>(v));
  return b;
}

// The message of the error reading data into cls raises, with its kind of fault; empty when
// it reads.
std::string ReadError(const QByteArray& data, const TComponentClass& cls = kCharNode,
                      TStreamError::TFault* fault = nullptr) {
  try {
    TComponentReader reader(data);
    reader.ReadRecord(cls);
    return {};
  } catch (const TStreamError& e) {
    if (fault != nullptr) *fault = e.Fault();
    return e.what();
  }
}

}  // namespace

TEST(ComponentStream, OneLetterNodeIsA123ByteRecordWithA97ByteImage) {
  const QByteArray record = WriteComponentRecord(kCharNode, LetterA());
  ASSERT_EQ(record.size(), 123);
  QByteArray expected = Bytes({0xFF, 10, 0}) + "TBINCHARTREENODE" + Bytes({0, 0x30, 0x10, 97, 0, 0, 0});
  expected += "TPF0" + Bytes({16}) + "TBinCharTreeNode" + Bytes({0});
  expected += Bytes({4}) + "Left" + Bytes({2, 10});
  expected += Bytes({3}) + "Top" + Bytes({2, 32});
  expected += Bytes({5}) + "Width" + Bytes({2, 38});
  expected += Bytes({6}) + "Height" + Bytes({2, 38});
  expected += Bytes({5}) + "stair" + Bytes({2, 1});
  expected += Bytes({8}) + "ShowName" + Bytes({9});
  expected += Bytes({5}) + "lctag" + Bytes({2, 0});
  expected += Bytes({5}) + "rctag" + Bytes({2, 0});
  expected += Bytes({5}) + "Value" + Bytes({6, 1, 'A'});
  expected += Bytes({0, 0});
  EXPECT_EQ(record.toHex(' ').toStdString(), expected.toHex(' ').toStdString());
}

TEST(ComponentStream, EveryTruncationIsRejected) {
  const QByteArray record = WriteComponentRecord(kCharNode, LetterA());
  for (qsizetype n = 0; n < record.size(); ++n)
    EXPECT_NE(ReadError(record.left(n)), "") << "a record cut to " << n << " bytes was accepted";
  EXPECT_EQ(ReadError(record), "");
}

TEST(ComponentStream, RecordsReadBackInOrderOneAfterAnother) {
  TPropertyValues b = LetterA();
  b[0].second = -129;              // Left: two-byte form
  b[1].second = 40000;             // Top: four-byte form
  b[5].second = false;
  b[8].second = QStringLiteral("Z");
  const QByteArray data = WriteComponentRecord(kCharNode, LetterA()) + WriteComponentRecord(kCharNode, b);
  TComponentReader reader(data);
  EXPECT_EQ(reader.ReadRecord(kCharNode), LetterA());
  EXPECT_EQ(reader.LastClassName(), "TBinCharTreeNode");
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.ReadRecord(kCharNode), b);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_NE(ReadError(data.mid(reader.Position())), "") << "nothing is left to read";
}

TEST(ComponentStream, IntegersTakeTheirSmallestFormAndStringsTheirLength) {
  const TComponentClass cls{"TProbe", {{"n", K::Integer}, {"s", K::String}}};
  struct Case {
    std::int32_t value;
    int bytes;  // type byte and value
  };
  for (const Case& c : {Case{0, 2}, Case{127, 2}, Case{-128, 2}, Case{128, 3}, Case{-129, 3},
                        Case{32767, 3}, Case{-32768, 3}, Case{32768, 5}, Case{-32769, 5},
                        Case{INT_MAX, 5}, Case{INT_MIN, 5}}) {
    const TPropertyValues v{{"n", c.value}, {"s", QString()}};
    const QByteArray rec = WriteComponentRecord(cls, v);
    // header 3 + "TPROBE\0" 7 + 2 + 4; image: 4 + 7 + 1 + (2 + value) + (2 + 2) + 2
    EXPECT_EQ(rec.size(), 16 + 4 + 7 + 1 + 2 + c.bytes + 4 + 2) << c.value;
    EXPECT_EQ(TComponentReader(rec).ReadRecord(cls), v) << c.value;
  }
  const QString longText(300, QChar('k'));
  for (const QString& s : {QStringLiteral("0102030405"), QStringLiteral("二叉树"), longText}) {
    const TPropertyValues v{{"n", 1}, {"s", s}};
    EXPECT_EQ(TComponentReader(WriteComponentRecord(cls, v)).ReadRecord(cls), v);
  }
  EXPECT_EQ(WriteComponentRecord(cls, {{"n", 1}, {"s", longText}}).size(),
            16 + 4 + 7 + 1 + 4 + 2 + 1 + 4 + 300 + 2)
      << "a string past 255 bytes has a 32-bit length";
}

TEST(ComponentStream, AFileOfOneClassLoadsIntoAnotherWithTheSameProperties) {
  const TComponentClass sortNode = kCharNode.Derived("TBstNode", {});
  TComponentReader reader(WriteComponentRecord(kCharNode, LetterA()));
  EXPECT_EQ(reader.ReadRecord(sortNode), LetterA());
  // Names are matched without regard to letter case and come back as the target spells them.
  const TComponentClass shouting{"TShout", {{"LEFT", K::Integer}}};
  TComponentReader again(WriteComponentRecord(TComponentClass{"T", {{"left", K::Integer}}}, {{"left", 3}}));
  EXPECT_EQ(again.ReadRecord(shouting), (TPropertyValues{{"LEFT", 3}}));
}

TEST(ComponentStream, DamagedRecordsFailWithAClearError) {
  const QByteArray good = WriteComponentRecord(kCharNode, LetterA());
  auto with = [&good](qsizetype at, int byte) {
    QByteArray b = good;
    b[at] = static_cast<char>(byte);
    return b;
  };
  EXPECT_EQ(ReadError(with(0, 0xFE)), "Invalid stream format") << "not a numbered resource type";
  EXPECT_EQ(ReadError(with(1, 11)), "Invalid stream format") << "not raw data";
  EXPECT_EQ(ReadError(with(26, 'X')), "Invalid stream format") << "no TPF0 signature";
  EXPECT_EQ(ReadError(good, kBinNode), "Property Value does not exist");
  EXPECT_EQ(ReadError(with(good.size() - 1, 1)), "Invalid stream format") << "child components";
  EXPECT_EQ(ReadError(with(22, 96)), "Stream read error") << "size one short of the image";
  EXPECT_EQ(ReadError(with(22, 98)), "Stream read error") << "size past the data";
  EXPECT_EQ(ReadError(with(53, 6)), "Invalid property value: Left") << "a string where a number belongs";
  QByteArray twoChars = good;
  twoChars[good.size() - 4] = 2;  // Value as a 2-character string, with one byte more
  twoChars.insert(good.size() - 2, 'B');
  twoChars[22] = 98;
  EXPECT_EQ(ReadError(twoChars), "Invalid property value: Value");
  QByteArray longName = Bytes({0xFF, 10, 0}) + QByteArray(64, 'N') + Bytes({0, 0x30, 0x10, 0, 0, 0, 0});
  EXPECT_EQ(ReadError(longName), "Invalid stream format") << "a resource name of 64 characters";

  // Each says what kind of fault it is, for a message in the user's language.
  using F = TStreamError::TFault;
  const std::pair<QByteArray, F> kinds[] = {{with(1, 11), F::Format},
                                            {with(22, 98), F::CutShort},
                                            {with(53, 6), F::BadValue},
                                            {twoChars, F::BadValue}};
  for (const auto& [data, kind] : kinds) {
    F fault = F::Misuse;
    ReadError(data, kCharNode, &fault);
    EXPECT_EQ(fault, kind) << ReadError(data);
  }
  F unknown = F::Misuse;
  ReadError(good, kBinNode, &unknown);
  EXPECT_EQ(unknown, F::UnknownProperty);

  // Whatever a damaged byte holds, reading ends in a result or an error, within the data.
  for (qsizetype at = 0; at < good.size(); ++at)
    for (int byte : {0x00, 0x01, 0x06, 0x0C, 0x7F, 0x80, 0xFF}) (void)ReadError(with(at, byte));
}

TEST(ComponentStream, TheWriterRefusesValuesItCannotStore) {
  TPropertyValues missing = LetterA();
  missing.pop_back();
  EXPECT_THROW(WriteComponentRecord(kCharNode, missing), TStreamError);
  TPropertyValues wrongKind = LetterA();
  wrongKind[5].second = 1;  // ShowName must be a boolean
  EXPECT_THROW(WriteComponentRecord(kCharNode, wrongKind), TStreamError);
  TPropertyValues wideChar = LetterA();
  wideChar[8].second = QStringLiteral("树");
  EXPECT_THROW(WriteComponentRecord(kCharNode, wideChar), TStreamError);
}
