// SPDX-License-Identifier: GPL-3.0-or-later
// The archiver types of the archive component, the extension table that picks one from a file
// name, and the errors the component raises with their messages.
#pragma once

#include <QString>

#include <stdexcept>
#include <string>

namespace kasumori::archive {

// In this order; atGCA and atBel have no reader at all.
enum class TArchiverType {
  atLha,
  atZip,
  atCab,
  atArj,
  atTar,
  atTgz,
  atBZ2,
  atRar,
  atBga,
  atYz1,
  atGCA,
  atBel,
  at7z,
  atNone,
  atAutoDetect,
};

// Raised by the component with the message the user sees.
class ArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr char kUnknownFormat[] = "書庫の形式を判別できません。";
inline constexpr char kUnidentifiedFormat[] = "書庫の形式を特定できませんでした。";
inline constexpr char kNoCreate[] = "この形式では書庫ファイルの作成をサポートしておりません。";
inline constexpr char kNoDelete[] = "この形式の書庫ではファイルの削除をサポートしておりません。";
inline constexpr char kNoUpdate[] = "この形式の書庫では書庫の更新をサポートしておりません。";
inline constexpr char kNoSfx[] = "この形式では自己解凍書庫の作成をサポートしておりません。";
inline constexpr char kNoMemory[] = "この形式ではメモリへの展開をサポートしておりません。";
inline constexpr char kNoCheck[] = "この形式では書庫チェック機能をサポートしておりません。";
// "%0:s を扱うには %1:s が 必要です。" with the format description and the library.
inline constexpr char kNoLibrary[] = "%1 を扱うには %2 が 必要です。";

// The type an archive file's extension selects (case ignored). ".exe" gives atAutoDetect: a
// self-extracting file is told by its content. Any other extension gives atNone.
TArchiverType ArchiverTypeForExtension(const QString& fileName);

// The format description the messages speak of ("ZIP 形式書庫"); empty for atGCA, atBel,
// atNone and atAutoDetect.
QString FormatDescription(TArchiverType type);

// Whether the component has a reader for the type: everything except ARJ, BGA, YZ1, GCA and BEL
// archives, for which it reports that their library is missing.
bool HasReader(TArchiverType type);

// The error for a type without a reader: its library is missing, or there is no wrapper at all.
ArchiveError NoReaderError(TArchiverType type);

}  // namespace kasumori::archive
