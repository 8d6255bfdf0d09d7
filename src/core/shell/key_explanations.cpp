// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/key_explanations.h"

#include <Qt>

#include <initializer_list>

namespace kasumori::shell {

namespace {
struct Explanation {
  int key;
  std::initializer_list<const char*> lines;
};

// The keys that explain themselves when no photo is shown.
const Explanation kExplanations[] = {
    {Qt::Key_N,
     {"『Ｎ』キーは、パノラマモードを解除して", "通常モード（写真を１枚表示）にします。"}},  // N
    {Qt::Key_Delete,
     {"『DEL』キーは、現在表示されている写真を", "ごみ箱へ移動するときに使います。"}},  // Delete
    {Qt::Key_F2,
     {"『Ｆ２』キーは、現在表示されている写真の", "ファイル名を変更するときに使います。"}},  // F2
    {Qt::Key_F6,
     {"このメニューは、現在表示されている写真を",
      "表示されているままのサイズ・状態で別保存したいとき", "に使います。"}},  // F6
    {Qt::Key_F11,
     {"『Ｆ11』キーは、現在表示されている写真を", "画面いっぱいに表示するときに使います。",
      "（画面いっぱい表示のまま、『Z』『X』などの",
      "　キーも使えます。『ESC』キーで戻ります）"}},                                          // F11
    {Qt::Key_F12, {"『Ｆ12』キーは、写真の画質効果モードを", "切り替えるときに使います。"}},  // F12
};
}  // namespace

QStringList NoPhotoExplanation(int qtKey) {
  for (const Explanation& e : kExplanations) {
    if (e.key != qtKey) continue;
    QStringList lines;
    for (const char* line : e.lines) lines << QString::fromUtf8(line);
    return lines;
  }
  return {};
}

}  // namespace kasumori::shell
