// SPDX-License-Identifier: GPL-3.0-or-later
// The line-oriented text files the program keeps (settings, favourites, sidecars): written as
// UTF-8 without a byte-order mark and with CR LF line ends; read as UTF-8 or, for files made on
// the reference platform, as CP932.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>

namespace kasumori::config {

class TextFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// UTF-8 (a leading byte-order mark is skipped) when the bytes are valid UTF-8, else CP932.
QString DecodeText(const QByteArray& bytes);

// Splits at CR LF, a lone CR or a lone LF; a line end at the very end starts no extra line.
QStringList SplitLines(const QString& text);

// The lines of a text file's bytes; nothing when there are more lines, or a longer line, than
// any file the program writes (platform/limits.h).
std::optional<QStringList> TextLines(const QByteArray& bytes);

// The file's lines, or nothing when it cannot be opened or is past the text-file limits.
std::optional<QStringList> ReadTextLines(const QString& path);

// Replaces the file with the lines, each ended by CR LF. The text goes to a temporary file in
// the same folder that is then renamed over the old one, so a failed write leaves the old file
// whole. Throws TextFileError when the file cannot be written.
void WriteTextLines(const QString& path, const QStringList& lines);

}  // namespace kasumori::config
