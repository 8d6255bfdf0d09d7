// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_entry.h"

#include <QFile>
#include <QUrl>

namespace kasumori::platform {

namespace {

QStringList SplitExec(const QString& exec) {
  QStringList words;
  QString word;
  bool quoted = false;
  bool inWord = false;
  for (qsizetype i = 0; i < exec.size(); ++i) {
    const QChar c = exec[i];
    if (quoted) {
      if (c == u'\\' && i + 1 < exec.size()) {
        word += exec[++i];
      } else if (c == u'"') {
        quoted = false;
      } else {
        word += c;
      }
    } else if (c == u'"') {
      quoted = inWord = true;
    } else if (c.isSpace()) {
      if (inWord) words << word;
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words << word;
  return words;
}

// The value of `key` in the [Desktop Entry] group; the first line of the group wins, as the
// freedesktop.org desktop-entry format defines.
QString MainGroupValue(const QString& desktopFile, const QString& key) {
  QFile file(desktopFile);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  const QString prefix = key + u'=';
  bool inMainGroup = false;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.startsWith('[')) inMainGroup = line == QStringLiteral("[Desktop Entry]");
    if (inMainGroup && line.startsWith(prefix)) return line.mid(prefix.size()).trimmed();
  }
  return {};
}

QString ExecLine(const QString& desktopFile) {
  return MainGroupValue(desktopFile, QStringLiteral("Exec"));
}

}  // namespace

QStringList ExpandExec(const QString& exec, const QString& file) {
  QStringList command;
  bool placed = false;
  for (const QString& word : SplitExec(exec)) {
    if (word == QStringLiteral("%f") || word == QStringLiteral("%F")) {
      command << file;
      placed = true;
    } else if (word == QStringLiteral("%u") || word == QStringLiteral("%U")) {
      command << QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
      placed = true;
    } else if (word.size() == 2 && word[0] == u'%') {
      if (word[1] == u'%') command << QStringLiteral("%");
    } else {
      command << QString(word).replace(QStringLiteral("%%"), QStringLiteral("%"));
    }
  }
  if (!placed && !command.isEmpty()) command << file;
  return command;
}

QString DesktopEntryName(const QString& desktopFile) {
  const QString japanese = MainGroupValue(desktopFile, QStringLiteral("Name[ja]"));
  return japanese.isEmpty() ? MainGroupValue(desktopFile, QStringLiteral("Name")) : japanese;
}

QStringList ProgramCommand(const QString& program, const QString& file) {
  if (program.endsWith(QStringLiteral(".desktop"), Qt::CaseInsensitive)) {
    const QString exec = ExecLine(program);
    if (exec.isEmpty()) return {};
    return ExpandExec(exec, file);
  }
  return {program, file};
}

}  // namespace kasumori::platform
