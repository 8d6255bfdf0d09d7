// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/no_photo_notice.h"

#include <initializer_list>

namespace kasumori::commands {

namespace {

using Lines = std::initializer_list<const char*>;

struct Explanation {
  Command command;
  Lines key;
  Lines menu;              // empty: as the key
  bool keySilent = false;  // the key does nothing without a photo, only the menu explains
};

const Explanation kExplanations[] = {
    {Command::RotateLeft,
     {"『１』キーは、現在表示されている写真を", "左回りに９０°回転させたいときに使います。"},
     {"このメニューは、現在表示されている写真を", "左回りに９０°回転させたいときに使います。"}},
    {Command::RotateRight,
     {"『２』キーは、現在表示されている写真を", "右回りに９０°回転させたいときに使います。"},
     {"このメニューは、現在表示されている写真を", "右回りに９０°回転させたいときに使います。"}},
    {Command::NormalDisplay,
     {"『Ｎ』キーは、パノラマモードを解除して", "通常モード（写真を１枚表示）にします。"},
     {"このメニューは、パノラマモードを解除して", "通常モード（写真を１枚表示）にします。"}},
    {Command::DeletePhoto,
     {"『DEL』キーは、現在表示されている写真を", "ごみ箱へ移動するときに使います。"},
     {}},
    {Command::RenamePhoto,
     {"『Ｆ２』キーは、現在表示されている写真の", "ファイル名を変更するときに使います。"},
     {}},
    {Command::SaveDisplayed,
     {"このメニューは、現在表示されている写真を",
      "表示されているままのサイズ・状態で別保存したいとき", "に使います。"},
     {}},
    {Command::FullScreen,
     {"『Ｆ11』キーは、現在表示されている写真を", "画面いっぱいに表示するときに使います。",
      "（画面いっぱい表示のまま、『Z』『X』などの", "　キーも使えます。『ESC』キーで戻ります）"},
     {"このメニューは、現在表示されている写真を", "画面いっぱいに表示するときに使います。",
      "（画面いっぱい表示のまま、『Z』『X』などの", "　キーも使えます。『ESC』キーで戻ります）"}},
    {Command::AddFavourite,
     {},
     {"このメニューは、現在表示されている写真を", "「お気に入り」に追加したいときに使います。"},
     true},
    {Command::StepEffect,
     {"『Ｆ12』キーは、写真の画質効果モードを", "切り替えるときに使います。"},
     {}},
};

QStringList ToList(Lines lines) {
  QStringList list;
  for (const char* line : lines) list << QString::fromUtf8(line);
  return list;
}

}  // namespace

QStringList NoPhotoNotice(Command command, CommandSource source) {
  for (const Explanation& e : kExplanations) {
    if (e.command != command) continue;
    if (e.keySilent && source == CommandSource::Key) return {};
    const bool ownMenuText = source != CommandSource::Key && e.menu.size() > 0;
    QStringList lines = ToList(ownMenuText ? e.menu : e.key);
    if (source == CommandSource::Button && ownMenuText) {
      lines[0].replace(QStringLiteral("このメニューは"), QStringLiteral("このボタンは"));
    }
    return lines;
  }
  return {};
}

}  // namespace kasumori::commands
