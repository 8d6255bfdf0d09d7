// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/about_notice.h"

namespace kasumori::shell {

QStringList AboutNoticeLines() {
  return {QStringLiteral("「Kasumori２」"),
          QStringLiteral("バージョン ") + QStringLiteral(KASUMORI_VERSION),
          QStringLiteral("デジタルカメラで撮った写真を、見て・選んで・整理するためのソフトです。"),
          QString(),
          QStringLiteral("使い方は、メニューの「初めて使う方へ」と"),
          QStringLiteral("「ヘルプ」（キーボードの操作表は［Ｆ1］キー）をご覧ください。")};
}

}  // namespace kasumori::shell
