// SPDX-License-Identifier: GPL-3.0-or-later
#include "apps/app_slots.h"

#include "platform/desktop_entry.h"

#include <QFileInfo>

#include <algorithm>

namespace kasumori::apps {

namespace {
template <typename S>
auto& SlotPath(S& settings, int slot) {
  switch (slot) {
    case 2:
      return settings.AppPath2;
    case 3:
      return settings.AppPath3;
    default:
      return settings.AppPath1;
  }
}
}  // namespace

QString& AppPath(config::Settings& settings, int slot) { return SlotPath(settings, slot); }

const QString& AppPath(const config::Settings& settings, int slot) {
  return SlotPath(settings, slot);
}

QString AppName(const QString& path) {
  if (path.isEmpty()) return {};
  const QFileInfo file(path);
  // A desktop entry's file name is often a reverse domain name; people know it by its Name.
  if (file.suffix().compare(QStringLiteral("desktop"), Qt::CaseInsensitive) == 0) {
    const QString name = platform::DesktopEntryName(path);
    if (!name.isEmpty()) return name;
  }
  return file.completeBaseName().isEmpty() ? file.fileName() : file.completeBaseName();
}

QString AppMenuCaption(int slot, const QString& path) {
  static const QString kUnset[kAppSlotCount] = {QStringLiteral("（アプリケーション１）"),
                                                QStringLiteral("（アプリケーション２）"),
                                                QStringLiteral("（アプリケーション３）")};
  const QString name = AppName(path);
  if (!name.isEmpty()) return name;
  return kUnset[std::clamp(slot, 1, kAppSlotCount) - 1];
}

QString AppFieldText(const QString& path) {
  const QString name = AppName(path);
  return name.isEmpty() ? QStringLiteral("（未設定）") : name;
}

}  // namespace kasumori::apps
