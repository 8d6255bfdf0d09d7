// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/photo_save.h"

#include "export/saved_photo.h"
#include "imaging/errors.h"
#include "library/record_names.h"
#include "library/record_source.h"

#include <QFileInfo>

#include <new>

namespace kasumori::exporting {

namespace {

QString Filter(const SaveOptions& options) {
  return options.format == SaveFormat::Bmp ? QStringLiteral("BMP (*.bmp)")
                                           : QStringLiteral("JPEG (*.jpg *.jpeg)");
}

// Puts the fast mode back, and the pointer, however the command ends.
struct Restore {
  const SaveHooks& hooks;
  bool quality = false;
  bool busy = false;
  ~Restore() {
    if (busy) hooks.setBusy(false);
    if (quality) hooks.redrawInQuality(config::QualityMode::Fast);
  }
};

}  // namespace

QString ExifSourcePath(const QString& folder, const QString& name) {
  const QString path = folder + u'/' + name;
  if (!library::IsRecordName(name)) return path;
  return library::RecordSourcePath(path).value_or(path);
}

QString ExifSourcePath(const QString& folder, const QString& name, const SaveHooks& hooks,
                       library::ExtractedFiles& extracted) {
  const QString path = ExifSourcePath(folder, name);
  if (QFileInfo::exists(path) || !hooks.extractArchived) return path;
  const std::optional<library::ExtractedPhoto> member = hooks.extractArchived(folder + u'/' + name);
  if (!member) return path;
  extracted.Add(member->temporaryFiles);
  return ExifSourcePath(QFileInfo(member->path).path(), name);
}

void PhotoSave::Run(const SaveScene& scene, const SaveHooks& hooks) {
  SaveOptions options;
  if (!ChooseOptions(options, hooks)) return;
  Restore restore{hooks};
  if (d_.settings.QualityMode == config::QualityMode::Fast &&
      d_.dialogs.Confirm({QStringLiteral("現在、写真が「高速モード」で表示されています。"),
                          QStringLiteral("「高画質モード」で表示してから保存しますか？")})) {
    hooks.setBusy(true);
    hooks.redrawInQuality(config::QualityMode::High);
    hooks.setBusy(false);
    restore.quality = true;
  }
  const SaveAreaPlan plan = PlanSaveArea(scene.area);
  const QRect area = ChooseArea(plan);
  const std::optional<QString> target = ChooseTarget(scene, options, plan.wholeZoom);
  if (!target) return;
  lastFolder_ = QFileInfo(*target).absolutePath();
  hooks.setBusy(true);
  restore.busy = true;
  Write(scene, options, area, *target, hooks);
}

bool PhotoSave::ChooseOptions(SaveOptions& options, const SaveHooks& hooks) {
  if (NormaliseSaveFormat(d_.settings)) hooks.saveSettings();
  options = SaveOptionsFrom(d_.settings);
  if (!hooks.askOptions(options)) return false;
  StoreSaveOptions(options, d_.settings);
  hooks.saveSettings();
  return true;
}

QRect PhotoSave::ChooseArea(const SaveAreaPlan& plan) {
  if (!plan.askAboutBars) return plan.withBars;
  const bool cut = d_.dialogs.Confirm(
      {QStringLiteral("画像に非表示部分（縦横比の関係でできた黒い部分）"),
       QStringLiteral("があります。"), QStringLiteral("この部分をカットして保存しますか？")});
  return cut ? plan.withoutBars : plan.withBars;
}

std::optional<QString> PhotoSave::ChooseTarget(const SaveScene& scene, const SaveOptions& options,
                                               bool wholeZoom) {
  // A desktop without a desktop folder (or a folder since removed) would leave the dialog
  // wherever the process happens to run: beside the photo is the nearer guess.
  const QString folder = QFileInfo(lastFolder_).isDir() ? lastFolder_ : scene.folder;
  const QString start = folder + u'/' + ProposedSaveName(scene.name, options);
  return d_.picker.PickSaveFile(SaveDialogTitle(options, wholeZoom), start, Filter(options),
                                DefaultExtension(options));
}

void PhotoSave::Write(const SaveScene& scene, const SaveOptions& options, const QRect& area,
                      const QString& target, const SaveHooks& hooks) {
  std::optional<QString> failure;
  try {
    const pixels::ConstPixelView screen = hooks.screen();
    // An area the screen picture does not hold would save a picture nobody saw.
    if (area.isEmpty() || !QRect(0, 0, screen.width, screen.height).contains(area)) {
      throw imaging::ImagingError("保存する範囲が画面にありません。");
    }
    imaging::TQxDIB picture = CapturePicture(screen, area);
    if (hooks.overlays && SavesOverlays(d_.settings, PlanSaveArea(scene.area).wholeZoom)) {
      DrawOverlays(picture, area, hooks.overlays());
    }
    library::ExtractedFiles extracted;
    const QString exif = ExifSourcePath(scene.folder, scene.name, hooks, extracted);
    failure = WriteSavedPhoto({picture, options, exif, target});
  } catch (const imaging::ImagingError& error) {
    failure = QString::fromStdString(error.what());
  } catch (const std::bad_alloc&) {
    // A capture too large for memory is a failed save, not the end of the program.
    failure = QStringLiteral("メモリが不足しています。");
  }
  if (!failure) return;
  d_.dialogs.Notice(
      {QStringLiteral("写真を保存できませんでした。"), QFileInfo(target).fileName(), *failure});
}

}  // namespace kasumori::exporting
