// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer's own texts: the progress window's labels, the menu captions of the camera
// slots and the notices the checks show.
#pragma once

#include "config/settings.h"

#include <QString>
#include <QStringList>

namespace kasumori::transfer {

// "あと" + count + "枚です 「name」を転送"; counts 1..9 in one full-width digit.
QString CountLabel(int remaining, const QString& name);
// 0..100: full at the last file, else 100 − rnd(remaining × 100 ÷ total).
int ProgressOf(int remaining, int total);
// "転送しています" with 1..3 "。".
QString CaptionWithDots(int dots);

// The notice lines when a copy or a replacement fails.
QStringList CopyFailedLines();
QStringList TrashFailedLines();

inline constexpr int kCameraSlots = 3;
inline constexpr int kCameraNameLength = 30;

struct CameraSlot {
  QString name;
  QString folder;
};

// Slot 1..3 of the settings.
CameraSlot CameraOf(const config::Settings& settings, int slot);
void SetCamera(config::Settings& settings, int slot, const CameraSlot& camera);
// The slot's name, or "デジタルカメラ１" … when it has none.
QString CameraDisplayName(const config::Settings& settings, int slot);

struct TransferCaptions {
  QString fromCamera;  // mark + "「name」→選択中フォルダ"
  QString toCamera;    // mark + "選択中フォルダ→「name」"
};
// "◎" when the slot has a name and its folder exists, else "×".
TransferCaptions CaptionsOf(const config::Settings& settings, int slot, bool folderExists);

// What the settings dialog's fields show for an empty name or folder.
inline constexpr char16_t kNoCameraName[] = u"（カメラ名未設定）";
inline constexpr char16_t kNoCameraFolder[] = u"（フォルダ未設定）";

// A row of the settings dialog as it is stored: the placeholders count as empty, the name is
// cut to 30 characters, and a folder without a name lends it its own.
CameraSlot NormalisedCamera(const QString& nameField, const QString& folderField);

// The name a camera gets from its folder: the last path part, or the path itself for a root,
// cut to 30 characters.
QString NameFromFolder(const QString& folder);

}  // namespace kasumori::transfer
