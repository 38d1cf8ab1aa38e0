// The settings that last from one run to the next, in Zeto.ini in the
// working directory beside NewData.dat: the Options values, Automatic
// Attach, the Tools menu's switches and the main window's position. Read once at start-up, after the
// dictionary and before the window shows; written whenever they change.
//
// Failure policy: nothing about Zeto.ini stops Zeto or touches the
// dictionary files. A file that is there but cannot be read (locked, a
// folder, denied) leaves every setting at its default and is never written
// in that run, so the user's settings are not lost to a passing lock. A
// damaged line costs that line: the file as it was is copied to
// Zeto.ini.damaged and the next save writes it clean, so the copy is made
// once. A value that makes no sense keeps its own default; a write that
// fails leaves the old file whole, and one that a reader of the file holds
// up is tried again (ui/SettingsSaver). Each says so in one line in the
// translation box.
#include "ui/MainDlg.h"

#include "framework/Menu.h"
#include "framework/Text.h"
#include "res/resource.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsText.h"
#include "text/Cp1251Literal.h"
#include "text/Cp1251Utf16.h"
#include "ui/OptionsDlg.h"

#include <string>
#include <vector>

using namespace settings;

namespace {

constexpr auto NOTE_DAMAGED = cp1251::Literal(
    u8"Zeto.ini има повредени редове, които са пропуснати; файлът е запазен като Zeto.ini.damaged.");
constexpr auto NOTE_UNREADABLE = cp1251::Literal(
    u8"Zeto.ini не може да се прочете; настройките са подразбиращите се и няма да се запишат.");
// Around the keys of the rejected values.
constexpr auto NOTE_REJECTED_BEFORE = cp1251::Literal(u8"Zeto.ini: невярна стойност на ");
constexpr auto NOTE_REJECTED_AFTER = cp1251::Literal(u8"; взета е подразбиращата се.");
constexpr auto NOTE_NOT_SAVED =
    cp1251::Literal(u8"Настройките не можаха да се запишат в Zeto.ini; старият файл е непокътнат.");

// The on/off settings: one line each, key, member and, for a Tools menu
// switch, the menu item whose check mark shows it.
struct Switch {
    const char* key;
    int CMainDlg::*member;
    UINT menuItem;
};
constexpr Switch kSwitches[] = {
    {"MinimizeToTray", &CMainDlg::m_bMinimizeToTray, 0},
    {"AlwaysOnTop", &CMainDlg::m_bAlwaysOnTop, 0},
    {"KeyboardInput", &CMainDlg::m_bKeyboardInput, 0},
    {"FindBaseForms", &CMainDlg::m_bFindBaseForms, ID_FIND_BASE_FORMS},
    {"CopyWithCtrlC", &CMainDlg::m_bCopyWithCtrlC, ID_COPY_WITH_CTRL_C},
    {"KeepHistory", &CMainDlg::m_bKeepHistory, ID_KEEP_HISTORY},
    {"ShowPronunciation", &CMainDlg::m_bShowPronunciation, ID_SHOW_PRONUNCIATION},
};

constexpr const char* KEY_TIMEOUT = "TimeoutSec";
constexpr const char* KEY_FONT_FACE = "FontFace";
constexpr std::size_t FONT_FACE_MAX = LF_FACESIZE - 1;
constexpr const char* KEY_FONT_SIZE = "FontSize";
constexpr int FONT_SIZE_MIN = 10, FONT_SIZE_MAX = 1000;      // tenths of a point
constexpr const char* KEY_AUTO_ATTACH = "AutomaticAttach";
constexpr const char* KEY_PAUSED = "Paused";
constexpr const char* KEY_PAUSE_HOTKEY = "PauseHotkey";
constexpr const char* KEY_SPEAK_HOTKEY = "SpeakHotkey";
constexpr const char* KEY_IGNORED_PROGRAMS = "IgnoredPrograms";   // ';' between names; may be empty
constexpr const char* KEY_LEFT = "WindowLeft";
constexpr const char* KEY_TOP = "WindowTop";
constexpr int POSITION_LIMIT = 32000;

// Where the window stands when not minimised.
RECT NormalRect(HWND hwnd)
{
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (::IsIconic(hwnd) && ::GetWindowPlacement(hwnd, &placement))
        rect = placement.rcNormalPosition;
    return rect;
}

// The window at left, top, whole on the monitor it stands on. False, and
// not moved, when that spot is on no monitor (one unplugged, a smaller
// screen): the dialog is then centred as on a first run.
bool PlaceWindow(HWND hwnd, int left, int top)
{
    RECT now;
    ::GetWindowRect(hwnd, &now);
    RECT wanted{left, top, left + now.right - now.left, top + now.bottom - now.top};
    const HMONITOR monitor = ::MonitorFromRect(&wanted, MONITOR_DEFAULTTONULL);
    if (!monitor)
        return false;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(monitor, &info);
    const Rect work{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    const Rect placed = BringInside({wanted.left, wanted.top, wanted.right, wanted.bottom}, work);
    ::SetWindowPos(hwnd, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

} // namespace

std::string CMainDlg::CurrentSettings() const
{
    std::vector<std::pair<std::string, std::string>> values;
    values.emplace_back(KEY_TIMEOUT, std::to_string(m_nTimeoutMs / 1000));
    values.emplace_back(KEY_FONT_FACE, m_strTipFontFace);
    values.emplace_back(KEY_FONT_SIZE, std::to_string(m_nTipFontSize));
    for (const Switch& s : kSwitches)
        values.emplace_back(s.key, std::to_string(this->*s.member));
    values.emplace_back(KEY_AUTO_ATTACH, std::to_string(m_bAutoAttach));
    values.emplace_back(KEY_PAUSED, std::to_string(m_gate.paused ? 1 : 0));
    values.emplace_back(KEY_PAUSE_HOTKEY, HotkeyText(m_pauseHotkey));
    values.emplace_back(KEY_SPEAK_HOTKEY, HotkeyText(m_speakHotkey));
    values.emplace_back(KEY_IGNORED_PROGRAMS, JoinProgramList(m_gate.ignoredPrograms, ";"));
    const RECT rect = NormalRect(m_hWnd);
    values.emplace_back(KEY_LEFT, std::to_string(rect.left));
    values.emplace_back(KEY_TOP, std::to_string(rect.top));
    return FormatSettings(values);
}

void CMainDlg::LoadSettings()
{
    std::string bytes;
    const ReadResult read = ReadSettingsFile(FILE_NAME, bytes);
    const settings::SettingsText text = ParseSettings(bytes);
    if (read == ReadResult::Unreadable)
        ShowNote(NOTE_UNREADABLE.c_str());
    if (read == ReadResult::Read && text.damaged) {
        KeepDamagedCopy(FILE_NAME, DAMAGED_NAME);
        ShowNote(NOTE_DAMAGED.c_str());
    }

    // Each value read keeps its default when missing; a present one that
    // makes no sense is named in the note.
    std::string rejected;
    auto take = [&](const char* key, bool ok) {
        if (!ok && text.values.count(key))
            rejected += rejected.empty() ? key : std::string(", ") + key;
    };
    int seconds = 0;
    const bool timeoutOk = ReadInt(text, KEY_TIMEOUT, COptionsDlg::TIMEOUT_MIN_SEC, COptionsDlg::TIMEOUT_MAX_SEC, seconds);
    take(KEY_TIMEOUT, timeoutOk);
    if (timeoutOk)
        m_nTimeoutMs = seconds * 1000;

    std::string face = m_strTipFontFace;
    int size = m_nTipFontSize;
    const bool faceOk = ReadString(text, KEY_FONT_FACE, FONT_FACE_MAX, face);
    const bool sizeOk = ReadInt(text, KEY_FONT_SIZE, FONT_SIZE_MIN, FONT_SIZE_MAX, size);
    take(KEY_FONT_FACE, faceOk);
    take(KEY_FONT_SIZE, sizeOk);
    if (faceOk || sizeOk) {
        m_strTipFontFace = face;
        m_nTipFontSize = size;
        m_tip.SetTipFont(m_nTipFontSize, m_strTipFontFace.c_str());
    }

    for (const Switch& s : kSwitches) {
        int value = 0;
        const bool ok = ReadInt(text, s.key, 0, 1, value);
        take(s.key, ok);
        if (ok)
            this->*s.member = value;
        if (s.menuItem)
            CheckMenuItemById(::GetMenu(m_hWnd), s.menuItem, this->*s.member != 0);
    }
    if (!m_bAlwaysOnTop)
        ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);

    // Placed here, even at 0, 0, the window is not centred afterwards.
    int left = 0, top = 0;
    const bool leftOk = ReadInt(text, KEY_LEFT, -POSITION_LIMIT, POSITION_LIMIT, left);
    const bool topOk = ReadInt(text, KEY_TOP, -POSITION_LIMIT, POSITION_LIMIT, top);
    take(KEY_LEFT, leftOk);
    take(KEY_TOP, topOk);
    if (leftOk && topOk && PlaceWindow(m_hWnd, left, top))
        m_bPlacedByInit = true;

    int paused = 0;
    const bool pausedOk = ReadInt(text, KEY_PAUSED, 0, 1, paused);
    take(KEY_PAUSED, pausedOk);
    SetPaused(pausedOk && paused == 1);
    std::string hotkey;
    const bool hotkeyOk = ReadString(text, KEY_PAUSE_HOTKEY, settings::MAX_LINE_BYTES, hotkey) &&
                          ParseHotkey(hotkey, m_pauseHotkey);
    take(KEY_PAUSE_HOTKEY, hotkeyOk);
    RegisterPauseHotkey();
    std::string speak;
    const bool speakOk = ReadString(text, KEY_SPEAK_HOTKEY, settings::MAX_LINE_BYTES, speak) &&
                         ParseHotkey(speak, m_speakHotkey) && (m_speakHotkey.key == 0 || m_speakHotkey != m_pauseHotkey);
    if (!speakOk)
        m_speakHotkey = settings::Hotkey{};
    take(KEY_SPEAK_HOTKEY, speakOk);
    RegisterSpeakHotkey();
    const auto ignored = text.values.find(KEY_IGNORED_PROGRAMS);
    if (ignored != text.values.end())
        m_gate.ignoredPrograms = ParseProgramList(ignored->second);

    int attach = 0;
    const bool attachOk = ReadInt(text, KEY_AUTO_ATTACH, 0, 1, attach);
    take(KEY_AUTO_ATTACH, attachOk);
    if (attachOk && attach == 1 && !m_bAutoAttach)
        OnAutomaticAttach();

    if (!rejected.empty())
        ShowNote(NOTE_REJECTED_BEFORE.c_str() + rejected + NOTE_REJECTED_AFTER.c_str());
    // Saved at the next change or at the latest on the way out: a damaged
    // file is then written clean.
    m_settingsSaver.Loaded(text.damaged ? std::string() : CurrentSettings(), read != ReadResult::Unreadable);
}

void CMainDlg::ToggleSwitch(int& bSwitch, UINT menuItem)
{
    bSwitch = !bSwitch;
    CheckMenuItemById(::GetMenu(m_hWnd), menuItem, bSwitch != 0);
    SaveSettings();
}

void CMainDlg::SaveSettings()
{
    if (m_hWnd)
        m_settingsSaver.Save(CurrentSettings());
}

void CMainDlg::SaveSettingsBeforeExit()
{
    if (m_hWnd)
        m_settingsSaver.SaveBeforeExit(CurrentSettings());
}

void CMainDlg::ShowSettingsNotSaved()
{
    ShowNote(NOTE_NOT_SAVED.c_str());
}

// One line in the translation box, where the user looks anyway.
void CMainDlg::ShowNote(const std::string& text) { ShowInTranslationBox(cp1251::ToUtf16(text)); }

void CMainDlg::ShowInTranslationBox(std::wstring text)
{
    m_strTranslation = std::move(text);
    ::SetDlgItemTextW(m_hWnd, IDC_TRANSLATION, m_strTranslation.c_str());
}
