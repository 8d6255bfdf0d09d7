// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/save_options.h"

#include "library/record_names.h"

#include <algorithm>

namespace kasumori::exporting {

namespace {

constexpr std::uint8_t kSettingJpeg = 1;
constexpr std::uint8_t kSettingBmp = 2;

}  // namespace

SaveOptions SaveOptionsFrom(const config::Settings& settings) {
  SaveOptions options;
  options.format = settings.SaveFormat == kSettingBmp ? SaveFormat::Bmp : SaveFormat::Jpeg;
  options.qualityStep = std::clamp(int(settings.SaveJpegQuality), kMinQualityStep, kMaxQualityStep);
  options.withExif = settings.SaveWithExif == 1;
  options.upperCaseExt = settings.SaveUpperCaseExt == 1;
  return options;
}

void StoreSaveOptions(const SaveOptions& options, config::Settings& settings) {
  settings.SaveFormat = options.format == SaveFormat::Bmp ? kSettingBmp : kSettingJpeg;
  settings.SaveJpegQuality = std::uint8_t(options.qualityStep);
  settings.SaveWithExif = options.withExif ? 1 : 0;
  settings.SaveUpperCaseExt = options.upperCaseExt ? 1 : 0;
}

bool NormaliseSaveFormat(config::Settings& settings) {
  if (settings.SaveFormat == kSettingJpeg || settings.SaveFormat == kSettingBmp) return false;
  settings.SaveFormat = kSettingJpeg;
  return true;
}

int JpegQuality(int qualityStep) { return qualityStep * 5 + 50; }

QString QualityStepText(int qualityStep) {
  const QString step =
      qualityStep >= 10 ? QString::number(qualityStep) : QString(QChar(u'０' + qualityStep));
  return QStringLiteral("画質") + step + QStringLiteral("→");
}

QString DefaultExtension(const SaveOptions& options) {
  const QString extension =
      options.format == SaveFormat::Bmp ? QStringLiteral("bmp") : QStringLiteral("jpg");
  return options.upperCaseExt ? extension.toUpper() : extension;
}

QString SavedNameSuffix(const SaveOptions& options) {
  return (options.upperCaseExt ? QStringLiteral("_S.") : QStringLiteral("_s.")) +
         DefaultExtension(options);
}

QString ProposedSaveName(const QString& shownName, const SaveOptions& options) {
  const QString photo = library::RecordSourceName(shownName);
  const qsizetype dot = photo.lastIndexOf(u'.');
  return (dot < 0 ? photo : photo.left(dot)) + SavedNameSuffix(options);
}

QString SaveDialogTitle(const SaveOptions& options, bool wholeZoom) {
  const QString lead = wholeZoom ? QStringLiteral("表示中の状態（表示倍率）で写真全体を保存")
                                 : QStringLiteral("表示中のサイズ・状態で写真を保存");
  return lead + QStringLiteral("（ファイル名の「.") + DefaultExtension(options) +
         QStringLiteral("」は省略できます）");
}

}  // namespace kasumori::exporting
