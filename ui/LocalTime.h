// The history's times (seconds since 1970 in UTC) as the user reads and
// picks them: in the local time zone.
#pragma once
#include "notebook/HistoryJournal.h"

#include <windows.h>

#include <string>

// The local date and time, in the user's short formats, without seconds.
std::wstring ShortLocalTime(notebook::Time time);
// The local calendar time of time, and back.
SYSTEMTIME LocalSystemTime(notebook::Time time);
notebook::Time TimeOfLocal(const SYSTEMTIME& local);
