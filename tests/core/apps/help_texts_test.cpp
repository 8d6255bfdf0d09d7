// SPDX-License-Identifier: GPL-3.0-or-later
#include "apps/help_texts.h"

#include "commands/key_map.h"
#include "support/temp_tree.h"

#include <QFile>
#include <QRegularExpression>

#include <map>
#include <set>

#include <gtest/gtest.h>

namespace kasumori::apps {
namespace {

const QString kShipped = QStringLiteral(KASUMORI_DATA_DIR);

TEST(HelpTextsTest, NumbersOutsideTheFourAreTheKeyboardText) {
  const struct {
    int number;
    HelpText text;
  } cases[] = {{0, HelpText::Keybord}, {1, HelpText::Hajimete}, {2, HelpText::Keybord},
               {3, HelpText::Chuui},   {4, HelpText::Hosoku},   {5, HelpText::Keybord},
               {-1, HelpText::Keybord}};
  for (const auto& c : cases) EXPECT_EQ(HelpTextNumbered(c.number), c.text) << c.number;
}

// Every text ships, reads as Japanese and says something under its heading.
TEST(HelpTextsTest, EachShippedTextLoadsUnderItsHeading) {
  for (HelpText text : {HelpText::Hajimete, HelpText::Keybord, HelpText::Chuui, HelpText::Hosoku}) {
    const LoadedHelpText loaded = LoadHelpText(kShipped, text);
    ASSERT_TRUE(loaded.text) << FileOf(text).file << loaded.error.toStdString();
    EXPECT_GT(loaded.text->size(), 500) << FileOf(text).file;
    EXPECT_FALSE(loaded.text->contains(u'\r'));
    EXPECT_TRUE(QString::fromUtf8(FileOf(text).heading).startsWith(u'◎'));
  }
}

TEST(HelpTextsTest, ATextFromTheReferencePlatformIsReadAsCp932) {
  testkit::TempTree tree;
  // "写真" in CP932, with CR LF line ends.
  tree.File("Ksmdat/Chuui.txt", QByteArray("\x8e\xca\x90\x5e\r\nok\r\n"));
  EXPECT_EQ(LoadHelpText(tree.Path(), HelpText::Chuui).text, QString("写真\nok"));
}

TEST(HelpTextsTest, AMissingTextSaysWhichFileCouldNotBeOpened) {
  testkit::TempTree tree;
  const LoadedHelpText loaded = LoadHelpText(tree.Path(), HelpText::Hosoku);
  EXPECT_FALSE(loaded.text);
  EXPECT_TRUE(loaded.error.contains(tree.Path("Ksmdat/Hosoku.txt")));
}

// The keyboard text is the program's key table written out: each window's section lists
// exactly the keys the command table binds there, no more and no fewer.
QString KeyLabel(const commands::BoundKey& bound) {
  static const std::map<int, QString> kNamed = {
      {Qt::Key_Up, "↑"},         {Qt::Key_Down, "↓"},      {Qt::Key_Left, "←"},
      {Qt::Key_Right, "→"},      {Qt::Key_Delete, "Del"},  {Qt::Key_Escape, "Esc"},
      {Qt::Key_Return, "Enter"}, {Qt::Key_Enter, "Enter"}, {Qt::Key_Space, "Space"}};
  QString key;
  if (kNamed.contains(bound.key)) {
    key = kNamed.at(bound.key);
  } else if (bound.key >= Qt::Key_F1 && bound.key <= Qt::Key_F12) {
    key = QString("F%1").arg(bound.key - Qt::Key_F1 + 1);
  } else {
    key = QChar(bound.key - 0x20 + 0xFF00);  // A → Ａ, 1 → １
  }
  return QString(bound.ctrlHeld ? "Ctrl＋" : "") + (bound.shiftHeld ? "Shift＋" : "") + key;
}

std::map<QString, std::set<QString>> LabelsBySection(const QString& text) {
  static const QRegularExpression kLeadingKeys("^(［[^］]+］)+");
  static const QRegularExpression kKey("［([^］]+)］");
  std::map<QString, std::set<QString>> sections;
  QString section;
  for (const QString& line : text.split('\n')) {
    if (line.startsWith(u'■')) section = line.mid(1);
    const QString keys = kLeadingKeys.match(line).captured(0);
    for (const auto& key : kKey.globalMatch(keys)) sections[section].insert(key.captured(1));
  }
  return sections;
}

TEST(HelpTextsTest, TheKeyboardTextListsExactlyTheKeysOfEachWindow) {
  const auto text = LoadHelpText(kShipped, HelpText::Keybord).text;
  ASSERT_TRUE(text);
  const auto sections = LabelsBySection(*text);
  const struct {
    const char* section;
    commands::KeyMapKind window;
  } windows[] = {{"メイン画面", commands::KeyMapKind::MainWindow},
                 {"ワイドサムネイル画面（［Ｃ］キーで開く画面）", commands::KeyMapKind::WideThumbs},
                 {"お気に入りウィンドウ", commands::KeyMapKind::Favourites},
                 {"全画面表示（［F11］キーで開く画面）", commands::KeyMapKind::FullScreen}};
  for (const auto& w : windows) {
    std::set<QString> bound;
    for (const commands::BoundKey& key : commands::BoundKeys(w.window)) bound.insert(KeyLabel(key));
    ASSERT_TRUE(sections.contains(w.section)) << w.section;
    EXPECT_EQ(sections.at(w.section), bound) << w.section;
  }
}

}  // namespace
}  // namespace kasumori::apps
