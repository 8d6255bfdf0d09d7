// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/transfer_texts.h"

#include "library/photo_extensions.h"

#include <array>

namespace kasumori::transfer {

QString CountLabel(int remaining, const QString& name) {
  // One full-width digit keeps a single-digit count as wide as two ordinary ones.
  const QString count = remaining >= 1 && remaining <= 9 ? QString(QChar(u'０' + remaining))
                                                         : QString::number(remaining);
  return QStringLiteral("あと") + count + QStringLiteral("枚です 「") + name +
         QStringLiteral("」を転送");
}

int ProgressOf(int remaining, int total) {
  if (remaining == 1 || total <= 0) return 100;
  return 100 - int(double(remaining) * 100.0 / double(total) + 0.5);
}

QString CaptionWithDots(int dots) {
  return QStringLiteral("転送しています") + QString(dots, u'。');
}

QStringList CopyFailedLines() {
  return {QStringLiteral("ハード的なエラーが出たため"),
          QStringLiteral("ファイルをコピーできませんでした。"),
          QStringLiteral("（容量オーバーなどが考えられます）")};
}

QStringList TrashFailedLines() {
  return {QStringLiteral("ハード的なエラーが出たため"),
          QStringLiteral("ファイルをコピーできませんでした。")};
}

namespace {

struct SlotFields {
  QString config::Settings::*name;
  QString config::Settings::*folder;
};

constexpr std::array<SlotFields, kCameraSlots> kSlots = {{
    {&config::Settings::CameraName1, &config::Settings::CameraFolder1},
    {&config::Settings::CameraName2, &config::Settings::CameraFolder2},
    {&config::Settings::CameraName3, &config::Settings::CameraFolder3},
}};

const SlotFields& FieldsOf(int slot) { return kSlots[std::size_t(slot - 1)]; }

}  // namespace

CameraSlot CameraOf(const config::Settings& settings, int slot) {
  return {settings.*FieldsOf(slot).name, settings.*FieldsOf(slot).folder};
}

void SetCamera(config::Settings& settings, int slot, const CameraSlot& camera) {
  settings.*FieldsOf(slot).name = camera.name;
  settings.*FieldsOf(slot).folder = camera.folder;
}

QString CameraDisplayName(const config::Settings& settings, int slot) {
  const QString name = CameraOf(settings, slot).name;
  if (!name.isEmpty()) return name;
  return QStringLiteral("デジタルカメラ") + QChar(u'０' + slot);
}

TransferCaptions CaptionsOf(const config::Settings& settings, int slot, bool folderExists) {
  const bool ready = !CameraOf(settings, slot).name.isEmpty() && folderExists;
  const QString mark = ready ? QStringLiteral("◎") : QStringLiteral("×");
  const QString name = CameraDisplayName(settings, slot);
  return {mark + u'「' + name + QStringLiteral("」→選択中フォルダ"),
          mark + QStringLiteral("選択中フォルダ→「") + name + u'」'};
}

QString NameFromFolder(const QString& folder) {
  QString trimmed = folder;
  while (trimmed.size() > 1 && trimmed.endsWith(u'/')) trimmed.chop(1);
  const QString last = trimmed.mid(trimmed.lastIndexOf(u'/') + 1);
  return library::LeftCodePoints(last.isEmpty() ? trimmed : last, kCameraNameLength);
}

CameraSlot NormalisedCamera(const QString& nameField, const QString& folderField) {
  const QString folder = folderField == QStringView(kNoCameraFolder) ? QString() : folderField;
  QString name = nameField == QStringView(kNoCameraName)
                     ? QString()
                     : library::LeftCodePoints(nameField, kCameraNameLength);
  if (name.isEmpty() && !folder.isEmpty()) name = NameFromFolder(folder);
  return {name, folder};
}

}  // namespace kasumori::transfer
