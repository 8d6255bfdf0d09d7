// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string as the settings file: decoded and split as the program reads it, parsed over
// the defaults, written out and read again. Whatever the file held, the written lines are the
// file's full layout and read back as the same settings.
#include "config/settings.h"
#include "config/text_file.h"
#include "fuzz_entries.h"

#include <QByteArray>

int kasumori::fuzz::FuzzSettings(const std::uint8_t* data, std::size_t size) {
  using namespace kasumori::config;
  const std::optional<QStringList> lines =
      TextLines(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
  if (!lines) return 0;
  const QStringList written = FormatSettings(ParseSettings(*lines, Settings{}));
  Require(written.size() == kSettingsLineCount);
  Require(FormatSettings(ParseSettings(written, Settings{})) == written);
  return 0;
}
