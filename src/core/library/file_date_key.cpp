// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/date_keys.h"

#include <QFile>

#include <sys/stat.h>

namespace kasumori::library {
namespace {

void PutDigits(char* out, int value, int width) {
  for (int i = width - 1; i >= 0; --i) {
    out[i] = char('0' + value % 10);
    value /= 10;
  }
}

}  // namespace

DateKey FileDateKeyOfTime(std::time_t modified) {
  std::tm local{};
  if (localtime_r(&modified, &local) == nullptr) return kNoFileDate;
  const int year = local.tm_year + 1900;
  // Four digits hold years 0..9999; anything else is not a time this key can carry.
  if (year < 0 || year > 9999) return kNoFileDate;
  DateKey key;
  char* out = key.digits.data();
  PutDigits(out, year, 4);
  PutDigits(out + 4, local.tm_mon + 1, 2);
  PutDigits(out + 6, local.tm_mday, 2);
  PutDigits(out + 8, local.tm_hour, 2);
  PutDigits(out + 10, local.tm_min, 2);
  PutDigits(out + 12, local.tm_sec, 2);
  return key;
}

DateKey ReadFileDateKey(const QString& path) {
  struct stat info {};
  if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0) {
    return kNoFileDate;
  }
  return FileDateKeyOfTime(info.st_mtim.tv_sec);
}

QString FileDateKey(const QString& path) { return ReadFileDateKey(path).Text(); }

}  // namespace kasumori::library
