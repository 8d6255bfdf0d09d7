// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <charconv>
#include <optional>
#include <variant>

namespace kasumori::config {

namespace {

struct StringField {
  QString Settings::*member;
  int maxChars;  // 0 = no limit
};
using IntField = int Settings::*;
using ByteField = std::uint8_t Settings::*;
// A mode and how a number of the file reads as it; nothing keeps the default.
template <typename Mode>
struct ModeField {
  Mode Settings::*member;
  std::optional<Mode> (*read)(long long number);
};
struct Reserved {};
using Field =
    std::variant<Reserved, IntField, ByteField, StringField, ModeField<SortOrder>,
                 ModeField<WindowSizeMode>, ModeField<ListDirection>, ModeField<QualityMode>,
                 ModeField<HistogramMode>, ModeField<PictureEffect>>;

bool IsInt(long long number) { return number >= INT32_MIN && number <= INT32_MAX; }

// A byte like the others; a number that names no order is the name order.
std::optional<SortOrder> ReadSortOrder(long long number) {
  const auto byte = std::uint8_t(number & 0xFF);
  return byte == 2 ? SortOrder::FileDate : byte == 3 ? SortOrder::ExifDate : SortOrder::FileName;
}

// Any byte is kept: the layout rules give every number a meaning.
std::optional<WindowSizeMode> ReadWindowSizeMode(long long number) {
  return WindowSizeMode(number & 0xFF);
}

std::optional<ListDirection> ReadListDirection(long long number) {
  if (!IsInt(number)) return std::nullopt;
  return number == -1 ? ListDirection::RightToLeft : ListDirection::LeftToRight;
}

std::optional<QualityMode> ReadQualityMode(long long number) {
  if (!IsInt(number)) return std::nullopt;
  return number == 1 ? QualityMode::Fast : QualityMode::High;
}

std::optional<HistogramMode> ReadHistogramMode(long long number) {
  if (!IsInt(number)) return std::nullopt;
  return number == 1 ? HistogramMode::Automatic : HistogramMode::OnClick;
}

// A number that names no effect is the normal picture.
std::optional<PictureEffect> ReadPictureEffect(long long number) {
  if (!IsInt(number)) return std::nullopt;
  return number >= 1 && number <= 3 ? PictureEffect(number) : PictureEffect::Normal;
}

// The file's layout, line 1 first.
const std::array<Field, kSettingsLineCount>& Layout() {
  static const std::array<Field, kSettingsLineCount> layout = {
      Field{&Settings::WindowLeft},
      Field{&Settings::WindowTop},
      Field{StringField{&Settings::PhotoFolder1, 0}},
      Field{StringField{&Settings::PhotoFolder2, 0}},
      Field{StringField{&Settings::PhotoFolder3, 0}},
      Field{ModeField<SortOrder>{&Settings::SortOrder, ReadSortOrder}},
      Field{ModeField<WindowSizeMode>{&Settings::WindowSizeMode, ReadWindowSizeMode}},
      Field{&Settings::CustomPhotoWidth},
      Field{&Settings::CustomPhotoHeight},
      Field{Reserved{}},
      Field{StringField{&Settings::AppPath1, 0}},
      Field{StringField{&Settings::AppPath2, 0}},
      Field{StringField{&Settings::AppPath3, 0}},
      Field{Reserved{}},
      Field{Reserved{}},
      Field{Reserved{}},
      Field{Reserved{}},
      Field{Reserved{}},
      Field{&Settings::SaveFormat},
      Field{&Settings::SaveJpegQuality},
      Field{&Settings::SaveWithExif},
      Field{&Settings::SaveUpperCaseExt},
      Field{StringField{&Settings::CameraName1, 30}},
      Field{StringField{&Settings::CameraName2, 30}},
      Field{StringField{&Settings::CameraName3, 30}},
      Field{StringField{&Settings::CameraFolder1, 0}},
      Field{StringField{&Settings::CameraFolder2, 0}},
      Field{StringField{&Settings::CameraFolder3, 0}},
      Field{&Settings::TransferReadOnly},
      Field{&Settings::TransferMovies},
      Field{&Settings::TransferToDateFolders},
      Field{StringField{&Settings::LastCacheCleanMonth, 6}},
      Field{&Settings::Sharpness},
      Field{ModeField<QualityMode>{&Settings::QualityMode, ReadQualityMode}},
      Field{ModeField<HistogramMode>{&Settings::HistogramMode, ReadHistogramMode}},
      Field{&Settings::CommentsShown},
      Field{&Settings::CommentStyleDefault},
      Field{&Settings::Reserved38},
      Field{&Settings::SaveComments},
      Field{ModeField<ListDirection>{&Settings::ListDirection, ReadListDirection}},
      Field{&Settings::SlideInterval},
      Field{&Settings::SlideCustomInterval},
      Field{&Settings::SlideRepeat},
      Field{&Settings::SlideNextFolder},
      Field{&Settings::SlideTransition},
      Field{&Settings::SlideStarSpeed},
      Field{&Settings::SlidePageDirection},
      Field{&Settings::SlidePageSpeed},
      Field{&Settings::SlideFadeMode},
      Field{&Settings::SlideFadeSpeed},
      Field{&Settings::SaveZoomWhole},
      Field{ModeField<PictureEffect>{&Settings::PictureEffect, ReadPictureEffect}},
      Field{&Settings::FavouritesSortKey},
      Field{&Settings::FavouritesSortOrder},
  };
  return layout;
}

// A decimal number with an optional leading minus sign and nothing else.
std::optional<long long> ReadInteger(const QString& line) {
  QByteArray text = line.toLatin1();
  if (text.isEmpty() || text.size() > 20) return std::nullopt;
  long long value = 0;
  auto [end, error] = std::from_chars(text.constData(), text.constData() + text.size(), value);
  if (error != std::errc() || end != text.constData() + text.size()) return std::nullopt;
  return value;
}

// Cuts to at most maxChars code points, never inside a surrogate pair.
QString CutToCodePoints(const QString& text, int maxChars) {
  if (maxChars <= 0) return text;
  qsizetype i = 0;
  for (int count = 0; i < text.size() && count < maxChars; ++count) {
    i += (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
  }
  return text.left(i);
}

struct LineReader {
  Settings& settings;
  const QString& line;
  void operator()(Reserved) const {}
  void operator()(IntField member) const {
    auto value = ReadInteger(line);
    if (value && *value >= INT32_MIN && *value <= INT32_MAX) settings.*member = int(*value);
  }
  void operator()(ByteField member) const {
    if (auto value = ReadInteger(line)) settings.*member = std::uint8_t(*value & 0xFF);
  }
  void operator()(StringField field) const {
    settings.*(field.member) = CutToCodePoints(line, field.maxChars);
  }
  template <typename Mode>
  void operator()(ModeField<Mode> field) const {
    const auto number = ReadInteger(line);
    if (!number) return;
    if (const auto mode = field.read(*number)) settings.*(field.member) = *mode;
  }
};

struct LineWriter {
  const Settings& settings;
  QString operator()(Reserved) const { return QString(); }
  QString operator()(IntField member) const { return QString::number(settings.*member); }
  QString operator()(ByteField member) const { return QString::number(settings.*member); }
  QString operator()(StringField field) const { return settings.*(field.member); }
  template <typename Mode>
  QString operator()(ModeField<Mode> field) const {
    return QString::number(static_cast<int>(settings.*(field.member)));
  }
};

}  // namespace

QString& Settings::PhotoFolder(int slot) {
  return slot == 1 ? PhotoFolder1 : slot == 2 ? PhotoFolder2 : PhotoFolder3;
}

const QString& Settings::PhotoFolder(int slot) const {
  return slot == 1 ? PhotoFolder1 : slot == 2 ? PhotoFolder2 : PhotoFolder3;
}

Settings ParseSettings(const QStringList& lines, const Settings& defaults) {
  Settings settings = defaults;
  const auto& layout = Layout();
  for (int i = 0; i < kSettingsLineCount && i < lines.size(); ++i) {
    std::visit(LineReader{settings, lines[i]}, layout[static_cast<std::size_t>(i)]);
  }
  return settings;
}

QStringList FormatSettings(const Settings& settings) {
  QStringList lines;
  for (const Field& field : Layout()) lines << std::visit(LineWriter{settings}, field);
  return lines;
}

QString DefaultPhotoFolder1(const QString& pictures, const QString& documents,
                            const QString& desktop) {
  if (!pictures.isEmpty() && QFileInfo(pictures).isDir()) return pictures;
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return desktop;
}

int DefaultWindowLeft(int screenWidth, int windowWidth) {
  return screenWidth / 2 - (windowWidth + 1) / 2;
}

int DefaultWindowTop(int screenHeight, int windowHeight) {
  return (screenHeight - 24) / 2 - (windowHeight + 1) / 2;
}

}  // namespace kasumori::config
