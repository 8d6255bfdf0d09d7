// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/text_file.h"

#include "platform/limits.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <iconv.h>

#include <vector>

namespace kasumori::config {

namespace {

QString DecodeCp932(const QByteArray& bytes) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return QString::fromLatin1(bytes);
  QByteArray in = bytes;
  std::vector<char> out(static_cast<std::size_t>(bytes.size()) * 3 + 4);
  char* inPtr = in.data();
  std::size_t inLeft = static_cast<std::size_t>(in.size());
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) break;
    // An undecodable byte becomes U+FFFD rather than ending the text.
    if (outLeft < 3) break;
    *outPtr++ = '\xEF';
    *outPtr++ = '\xBF';
    *outPtr++ = '\xBD';
    outLeft -= 3;
    ++inPtr;
    --inLeft;
  }
  iconv_close(cd);
  return QString::fromUtf8(out.data(), static_cast<qsizetype>(outPtr - out.data()));
}

}  // namespace

QString DecodeText(const QByteArray& bytes) {
  QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(body);
  if (!utf8.hasError()) return text;
  return DecodeCp932(body);
}

QStringList SplitLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines << text.mid(start, i - start);
    if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < n) lines << text.mid(start);
  return lines;
}

std::optional<QStringList> TextLines(const QByteArray& bytes) {
  if (bytes.size() > platform::limits::kMaxTextFileBytes) return std::nullopt;
  QStringList lines = SplitLines(DecodeText(bytes));
  if (lines.size() > platform::limits::kMaxTextFileLines) return std::nullopt;
  for (const QString& line : lines) {
    if (line.size() > platform::limits::kMaxTextLineChars) return std::nullopt;
  }
  return lines;
}

std::optional<QStringList> ReadTextLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  // The size is checked before the read so that a huge file is never held in memory.
  if (file.size() > platform::limits::kMaxTextFileBytes) return std::nullopt;
  return TextLines(file.readAll());
}

void WriteTextLines(const QString& path, const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw TextFileError("Cannot write " + path.toStdString() + ": " +
                        file.errorString().toStdString());
  }
}

}  // namespace kasumori::config
