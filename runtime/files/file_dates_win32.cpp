// The creation and modification dates of folder items, in local time. A
// missing file has no date; setting one on a file that cannot be opened for
// writing, or setting a date the system refuses, does nothing.
#include "runtime/core/runtime_classes.h"
#include "runtime/files/file_entries_win32.h"
#include "runtime/files/folder_items.h"
#include "runtime/interface/date_members.h"
#include "runtime/interface/exports.h"

namespace zrt {
namespace {

namespace fields = zif::date_fields;

enum class FileDate { Creation, Modification };

std::int32_t& date_part(ZObject* date, std::int32_t offset) {
  return *reinterpret_cast<std::int32_t*>(field_at(date, offset));
}

ZObject* date_of(ZObject* item, FileDate which) {
  const auto entry = find_entry(path_of(item));
  if (!entry) return nullptr;
  const FILETIME& time = which == FileDate::Creation ? entry->ftCreationTime : entry->ftLastWriteTime;
  FILETIME local{};
  SYSTEMTIME parts{};
  if (!::FileTimeToLocalFileTime(&time, &local) || !::FileTimeToSystemTime(&local, &parts)) return nullptr;
  ZObject* date = new_instance(runtime_class("Date"));
  date_part(date, fields::year) = parts.wYear;
  date_part(date, fields::month) = parts.wMonth;
  date_part(date, fields::day) = parts.wDay;
  date_part(date, fields::hour) = parts.wHour;
  date_part(date, fields::minute) = parts.wMinute;
  date_part(date, fields::second) = parts.wSecond;
  return date;
}

void set_date(ZObject* item, ZObject* date, FileDate which) {
  if (date == nullptr) return;
  SYSTEMTIME parts{};
  parts.wYear = static_cast<WORD>(date_part(date, fields::year));
  parts.wMonth = static_cast<WORD>(date_part(date, fields::month));
  parts.wDay = static_cast<WORD>(date_part(date, fields::day));
  parts.wHour = static_cast<WORD>(date_part(date, fields::hour));
  parts.wMinute = static_cast<WORD>(date_part(date, fields::minute));
  parts.wSecond = static_cast<WORD>(date_part(date, fields::second));
  FILETIME local{};
  FILETIME time{};
  if (!::SystemTimeToFileTime(&parts, &local) || !::LocalFileTimeToFileTime(&local, &time)) return;
  const HANDLE file =
      ::CreateFileA(path_of(item).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  ::SetFileTime(file, which == FileDate::Creation ? &time : nullptr, nullptr,
                which == FileDate::Modification ? &time : nullptr);
  ::CloseHandle(file);
}

}  // namespace
}  // namespace zrt

extern "C" {

ZObject* folderGetCreation(ZObject* item, std::int32_t) { return zrt::date_of(item, zrt::FileDate::Creation); }
void folderSetCreation(ZObject* item, std::int32_t, ZObject* date) {
  zrt::set_date(item, date, zrt::FileDate::Creation);
}
ZObject* folderGetModified(ZObject* item, std::int32_t) { return zrt::date_of(item, zrt::FileDate::Modification); }
void folderSetModified(ZObject* item, std::int32_t, ZObject* date) {
  zrt::set_date(item, date, zrt::FileDate::Modification);
}

}
