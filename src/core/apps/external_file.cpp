// SPDX-License-Identifier: GPL-3.0-or-later
#include "apps/external_file.h"

#include "library/record_names.h"
#include "library/record_source.h"

#include <QFileInfo>

namespace kasumori::apps {

std::optional<QString> ExternalFileFor(const QString& folder, const QString& name,
                                       platform::DialogService& dialogs) {
  QString candidate = folder + u'/' + name;
  if (library::IsRecordName(name)) {
    // The source is looked up with the folder's own spelling of its name; a record whose
    // source is gone has nothing another program could read.
    const auto source = library::RecordSourcePath(candidate);
    candidate = folder + u'/' + library::RecordSourceName(name);
    if (source) {
      const bool yes =
          dialogs.Confirm({QStringLiteral("現在、Kasumori形式（.ksm）の写真を表示中です。"),
                           QStringLiteral("Kasumori形式（.ksm）ファイルは、今現在、"),
                           QStringLiteral("他のソフトで開くことはできません。代わりに"),
                           QStringLiteral("元画像ファイル「") + QFileInfo(*source).fileName() +
                               QStringLiteral("」"),
                           QStringLiteral("を開きますか？")});
      if (!yes) return std::nullopt;
      candidate = *source;
    }
  }
  if (!QFileInfo(candidate).isFile()) {
    dialogs.Notice({QStringLiteral("現在表示中の写真は、書庫ファイル内の写真か"),
                    QStringLiteral("もしくはファイルが移動されているため"),
                    QStringLiteral("他のソフトで開くことはできません。")});
    return std::nullopt;
  }
  return candidate;
}

}  // namespace kasumori::apps
