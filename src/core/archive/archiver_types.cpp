// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archiver_types.h"

#include <QFileInfo>

#include <array>
#include <utility>

namespace kasumori::archive {

namespace {

struct ExtensionType {
  const char* extension;
  TArchiverType type;
};

// ".cbz", ".cbr", ".cb7" and ".cbt" are comic-book archives: ZIP, RAR, 7z and tar by another name.
constexpr std::array kExtensions{
    ExtensionType{"lzh", TArchiverType::atLha},        ExtensionType{"zip", TArchiverType::atZip},
    ExtensionType{"jar", TArchiverType::atZip},        ExtensionType{"ear", TArchiverType::atZip},
    ExtensionType{"war", TArchiverType::atZip},        ExtensionType{"cbz", TArchiverType::atZip},
    ExtensionType{"cab", TArchiverType::atCab},        ExtensionType{"arj", TArchiverType::atArj},
    ExtensionType{"tar", TArchiverType::atTar},        ExtensionType{"a", TArchiverType::atTar},
    ExtensionType{"lib", TArchiverType::atTar},        ExtensionType{"deb", TArchiverType::atTar},
    ExtensionType{"rpm", TArchiverType::atTar},        ExtensionType{"cpio", TArchiverType::atTar},
    ExtensionType{"cbt", TArchiverType::atTar},        ExtensionType{"z", TArchiverType::atTgz},
    ExtensionType{"gz", TArchiverType::atTgz},         ExtensionType{"tgz", TArchiverType::atTgz},
    ExtensionType{"taz", TArchiverType::atTgz},        ExtensionType{"bz2", TArchiverType::atBZ2},
    ExtensionType{"rar", TArchiverType::atRar},        ExtensionType{"cbr", TArchiverType::atRar},
    ExtensionType{"gza", TArchiverType::atBga},        ExtensionType{"bza", TArchiverType::atBga},
    ExtensionType{"yz1", TArchiverType::atYz1},        ExtensionType{"gca", TArchiverType::atGCA},
    ExtensionType{"7z", TArchiverType::at7z},          ExtensionType{"cb7", TArchiverType::at7z},
    ExtensionType{"exe", TArchiverType::atAutoDetect},
};

// The library each wrapper of the reference platform needed, for the missing-library message.
const char* LibraryName(TArchiverType type) {
  switch (type) {
    case TArchiverType::atArj:
      return "UNARJ32J.DLL";
    case TArchiverType::atBga:
      return "BGA32.DLL";
    case TArchiverType::atYz1:
      return "YZ1.DLL";
    case TArchiverType::atLha:
    case TArchiverType::atZip:
    case TArchiverType::atCab:
    case TArchiverType::atTar:
    case TArchiverType::atTgz:
    case TArchiverType::atBZ2:
    case TArchiverType::atRar:
    case TArchiverType::atGCA:
    case TArchiverType::atBel:
    case TArchiverType::at7z:
    case TArchiverType::atNone:
    case TArchiverType::atAutoDetect:
      return "";
  }
  return "";
}

}  // namespace

TArchiverType ArchiverTypeForExtension(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (!fileName.contains(u'.')) return TArchiverType::atNone;
  for (const ExtensionType& entry : kExtensions) {
    if (suffix == QLatin1String(entry.extension)) return entry.type;
  }
  return TArchiverType::atNone;
}

QString FormatDescription(TArchiverType type) {
  switch (type) {
    case TArchiverType::atLha:
      return QStringLiteral("LHA 形式書庫");
    case TArchiverType::atZip:
      return QStringLiteral("ZIP 形式書庫");
    case TArchiverType::atCab:
      return QStringLiteral("CAB 形式書庫");
    case TArchiverType::atArj:
      return QStringLiteral("ARJ 形式書庫");
    case TArchiverType::atTar:
    case TArchiverType::atTgz:
    case TArchiverType::atBZ2:
      return QStringLiteral("tar/tgz/taz/bz2 形式書庫");
    case TArchiverType::atRar:
      return QStringLiteral("RAR 形式書庫");
    case TArchiverType::atBga:
      return QStringLiteral("BGA 形式書庫");
    case TArchiverType::atYz1:
      return QStringLiteral("YZ1 形式書庫");
    case TArchiverType::at7z:
      return QStringLiteral("7z 形式書庫");
    case TArchiverType::atGCA:
    case TArchiverType::atBel:
    case TArchiverType::atNone:
    case TArchiverType::atAutoDetect:
      return {};
  }
  return {};
}

bool HasReader(TArchiverType type) {
  switch (type) {
    case TArchiverType::atLha:
    case TArchiverType::atZip:
    case TArchiverType::atCab:
    case TArchiverType::atTar:
    case TArchiverType::atTgz:
    case TArchiverType::atBZ2:
    case TArchiverType::atRar:
    case TArchiverType::at7z:
      return true;
    case TArchiverType::atArj:
    case TArchiverType::atBga:
    case TArchiverType::atYz1:
    case TArchiverType::atGCA:
    case TArchiverType::atBel:
    case TArchiverType::atNone:
    case TArchiverType::atAutoDetect:
      return false;
  }
  return false;
}

ArchiveError NoReaderError(TArchiverType type) {
  const QString library = QString::fromLatin1(LibraryName(type));
  if (type == TArchiverType::atNone || type == TArchiverType::atAutoDetect) {
    return ArchiveError(kUnknownFormat);
  }
  if (library.isEmpty()) return ArchiveError(kUnidentifiedFormat);
  const QString text = QString::fromUtf8(kNoLibrary).arg(FormatDescription(type), library);
  return ArchiveError(text.toStdString());
}

}  // namespace kasumori::archive
