// SPDX-License-Identifier: GPL-3.0-or-later
#include "apps/help_texts.h"

#include "config/text_file.h"

#include <QFile>

namespace kasumori::apps {

HelpText HelpTextNumbered(int number) {
  switch (number) {
    case 1:
      return HelpText::Hajimete;
    case 3:
      return HelpText::Chuui;
    case 4:
      return HelpText::Hosoku;
    default:
      return HelpText::Keybord;
  }
}

HelpTextFile FileOf(HelpText text) {
  switch (text) {
    case HelpText::Hajimete:
      return {"Ksmdat/Hajimete.txt", "◎「Kasumori２」を使ってできること"};
    case HelpText::Keybord:
      return {"Ksmdat/Keybord.txt", "◎キーボードでの操作一覧"};
    case HelpText::Chuui:
      return {"Ksmdat/Chuui.txt", "◎使用上の注意点"};
    case HelpText::Hosoku:
      return {"Ksmdat/Hosoku.txt", "◎より楽しく使うための補足説明"};
  }
  return {"Ksmdat/Keybord.txt", "◎キーボードでの操作一覧"};
}

LoadedHelpText LoadHelpText(const QString& resourceFolder, HelpText text) {
  QFile file(resourceFolder + u'/' + QString::fromUtf8(FileOf(text).file));
  if (!file.open(QIODevice::ReadOnly)) {
    return {std::nullopt, QStringLiteral("ファイル「%1」を開けません。（%2）")
                              .arg(file.fileName(), file.errorString())};
  }
  return {config::SplitLines(config::DecodeText(file.readAll())).join(u'\n'), {}};
}

}  // namespace kasumori::apps
