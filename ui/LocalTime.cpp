#include "ui/LocalTime.h"

namespace {

// 1601-01-01 (FILETIME's start) to 1970-01-01, in seconds; FILETIME counts 100 ns.
constexpr ULONGLONG EPOCH_DIFFERENCE_SEC = 11644473600ULL;
constexpr ULONGLONG FILETIME_PER_SEC = 10000000ULL;

} // namespace

SYSTEMTIME LocalSystemTime(notebook::Time time)
{
    ULARGE_INTEGER ticks;
    ticks.QuadPart = (time + EPOCH_DIFFERENCE_SEC) * FILETIME_PER_SEC;
    const FILETIME file{ticks.LowPart, ticks.HighPart};
    SYSTEMTIME utc{}, local{};
    ::FileTimeToSystemTime(&file, &utc);
    if (!::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        local = utc;
    return local;
}

notebook::Time TimeOfLocal(const SYSTEMTIME& local)
{
    SYSTEMTIME utc{};
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc))
        utc = local;
    FILETIME file{};
    if (!::SystemTimeToFileTime(&utc, &file))
        return 0;
    ULARGE_INTEGER ticks;
    ticks.LowPart = file.dwLowDateTime;
    ticks.HighPart = file.dwHighDateTime;
    const ULONGLONG seconds = ticks.QuadPart / FILETIME_PER_SEC;
    return seconds > EPOCH_DIFFERENCE_SEC ? seconds - EPOCH_DIFFERENCE_SEC : 0;
}

std::wstring ShortLocalTime(notebook::Time time)
{
    const SYSTEMTIME local = LocalSystemTime(time);
    wchar_t date[80] = L"", clock[40] = L"";
    ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 80);
    ::GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &local, nullptr, clock, 40);
    return std::wstring(date) + L" " + clock;
}
