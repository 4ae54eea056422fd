#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "framework/engine/AlgoSrc.h"
#include "framework/engine/Errors.h"
#include "framework/engine/Proc.h"

namespace {

constexpr TColor kBlack = clBlack, kRed = clRed, kBlue = clBlue, kTeal = clTeal;

void WriteFile(const QString& path, const QByteArray& content) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(content);
}

}  // namespace

TEST(TextFile, HasThemeSourceAndDescriptionSections) {
  const AlgoTextFile f = ParseAlgoTextFile(QString::fromUtf8(
      "\n[Theme]\nLinkThemes\n[Source]\r\n!Main\r\n\tx`Begin@R\r\n\r\n[Description]\n说明\n\n"));
  EXPECT_EQ(f.themeName, "LinkThemes");
  EXPECT_EQ(f.source, (QStringList{"!Main", "\tx`Begin@R", ""}))
      << "tabs and empty entries are kept";
  EXPECT_EQ(f.descript, (QStringList{QStringLiteral("说明"), ""}))
      << "the final newline adds no line; an empty line before it stays";

  const AlgoTextFile bare = ParseAlgoTextFile(QStringLiteral("[Source]\n!Main"));
  EXPECT_TRUE(bare.themeName.isEmpty());
  EXPECT_TRUE(bare.descript.isEmpty());

  EXPECT_THROW(ParseAlgoTextFile(QStringLiteral("!Main\n[Source]\n")), Exception);
  EXPECT_THROW(ParseAlgoTextFile(QStringLiteral("[Theme]\nA\nB\n")), Exception);
}

TEST(TextHolder, FindsTextsIgnoringLetterCaseAndLinksTheirThemes) {
  QTemporaryDir dir;
  const QString root = dir.path() + '/';
  WriteFile(root + "themes/LinkThemes.theme",
            "BackBitmapName=ZqBACK_Link\nTitle1ButtonColor=clBlack\n");
  WriteFile(root + "themes/Broken.theme", "Title9Color=clRed\n");
  WriteFile(root + "texts/P_ArtiPoint.txt", "[Theme]\nLinkThemes\n[Source]\n!Main\n`Begin@R\n");
  WriteFile(root + "texts/C_Artipoint.txt", "[Theme]\nNoSuchTheme\n[Source]\n!Main\n`Begin@R\n");
  WriteFile(root + "texts/p_artipoint.txt", "[Source]\n");
  TProcSrcContainer holder(root);

  TAlgoSrc* p = holder.FindText("P_ARTIPOINT");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Source, (QStringList{"!Main", "`Begin@R"}));
  ASSERT_NE(p->Themes, nullptr);
  EXPECT_EQ(p->Themes->BackBitmapName, "ZqBACK_Link");
  EXPECT_EQ(p->Themes->TitleButtonColor(1), kBlack);
  EXPECT_EQ(p->Themes->TitleButtonColor(2), kRed) << "keys left out keep the fresh colours";
  EXPECT_EQ(holder.FindText("c_artipoint")->Themes, nullptr);
  EXPECT_EQ(holder.FindText("P_Missing"), nullptr);
  EXPECT_EQ(holder.DefaultThemes()->BackBitmapName, "Clouds") << "a default theme always exists";

  const QString problems = holder.Problems().join('\n');
  EXPECT_TRUE(problems.contains("Broken.theme")) << problems.toStdString();
  EXPECT_TRUE(problems.contains("NoSuchTheme")) << problems.toStdString();
  EXPECT_TRUE(problems.contains("second text")) << problems.toStdString();
}

TEST(Themes, FreshAndIndexedColours) {
  TZqThemes fresh;
  EXPECT_EQ(fresh.TitleButtonColor(1), kRed);
  EXPECT_EQ(fresh.TitleTextColor(2), kBlue);
  EXPECT_EQ(fresh.GetColor(TZqThemes::Title1BackColor), kTeal);
  fresh.SetColor(TZqThemes::Title3TextColor, 0x123456);
  EXPECT_EQ(fresh.TitleTextColor(3), 0x123456u);
  fresh.SetColor(TZqThemes::ModifiedValueColor, kBlack);
  EXPECT_EQ(fresh.ModifiedValue(), kBlack);
  EXPECT_THROW(fresh.TitleBackColor(0), ERangeError);
  EXPECT_THROW(fresh.TitleTextColor(4), ERangeError);
  EXPECT_THROW(fresh.GetColor(15), ERangeError);
  EXPECT_THROW(fresh.SetColor(0, kBlack), ERangeError);
  TColor c = 0;
  EXPECT_TRUE(TZqThemes::ParseColor("$00FF8000", c));
  EXPECT_EQ(c, 0xFF8000u);
  EXPECT_FALSE(TZqThemes::ParseColor("clPink", c));
}

TEST(CompiledInTexts, AllLoadParseAndNameKnownThemes) {
  TProcSrcContainer& holder = ProcSrcContainer();
  EXPECT_TRUE(holder.Problems().isEmpty()) << holder.Problems().join('\n').toStdString();
  for (const auto& text : holder.Texts()) {
    TData procs;
    EXPECT_NO_THROW(ParseSource(text->Source, procs)) << text->Name.toStdString();
  }
  // The three stored themes.
  for (const char* name : {"DefaultThemes", "LinkThemes", "StrThemes"}) {
    TZqThemes* t = holder.FindThemes(QString::fromLatin1(name));
    ASSERT_NE(t, nullptr) << name;
    EXPECT_EQ(t->TitleButtonColor(1), kBlack) << name;
    EXPECT_EQ(t->TitleTextColor(2), kBlue) << name;
  }
  EXPECT_EQ(holder.DefaultThemes()->BackBitmapName, "Clouds");
  EXPECT_EQ(holder.FindThemes("strthemes")->BackBitmapName, "ZqBACK_Link");
}
