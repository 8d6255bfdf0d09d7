// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/about_notice.h"

namespace kasumori::shell {

QStringList AboutNoticeLines() {
  return {QStringLiteral("「Kasumori２」"),
          QStringLiteral("バージョン ") + QStringLiteral(KASUMORI_VERSION),
          QStringLiteral("デジタルカメラ写真のビューア・整理ソフト")};
}

}  // namespace kasumori::shell
