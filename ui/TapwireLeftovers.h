// Tapwire.dll copies set aside by the installer. A hook library stays
// mapped in the applications it reached until they next get a message, and
// Windows will neither delete nor overwrite a mapped file, only rename it:
// so an upgrade or an uninstall renames the old Tapwire.dll to
// "Tapwire.dll.old-<n>" (n: decimal digits) and the copy is deleted later,
// by Zeto's next start (or, after an uninstall, by a RunOnce command). The
// rule on names is portable; the deleting is Windows only.
#pragma once
#include <string>

// The start of every set-aside name. The installer reads it from this line
// (packaging/TapwireAside.nsh): keep it on one line, in this form.
inline constexpr wchar_t TAPWIRE_ASIDE_PREFIX[] = L"Tapwire.dll.old-";

// True only for a name the installer gives a set-aside Tapwire.dll: the
// prefix (in any case, as Windows compares file names) and 1 to 9 digits.
bool IsTapwireLeftover(const std::wstring& name);

#ifdef _WIN32
// Deletes the set-aside copies beside Zeto.exe, and nothing else. One still
// mapped somewhere stays, for the next start. No window, no message.
void DeleteTapwireLeftovers();
#endif
