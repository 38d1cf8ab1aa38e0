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
#include "capture/KeepOut.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "text/Cp1251Literal.h"
#include "text/Cp1251Utf16.h"

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

static_assert(FONT_FACE_MAX_BYTES == LF_FACESIZE - 1);

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
    Settings now = m_settings;
    now.timeoutSec = m_nTimeoutMs / 1000;
    now.minimizeToTray = m_bMinimizeToTray;
    now.alwaysOnTop = m_bAlwaysOnTop;
    now.keyboardInput = m_bKeyboardInput;
    now.automaticAttach = m_bAutoAttach;
    now.paused = m_gate.paused ? 1 : 0;
    now.ignoredPrograms = JoinProgramList(m_gate.ignoredPrograms, ";");
    const RECT rect = NormalRect(m_hWnd);
    now.windowTopLeft = std::make_pair(int(rect.left), int(rect.top));
    return WriteSettings(now);
}

void CMainDlg::LoadSettings()
{
    std::string bytes;
    const ReadResult read = ReadSettingsFile(FILE_NAME, bytes);
    const SettingsText text = ParseSettings(bytes);
    if (read == ReadResult::Unreadable)
        ShowNote(NOTE_UNREADABLE.c_str());
    if (read == ReadResult::Read && text.damaged) {
        KeepDamagedCopy(FILE_NAME, DAMAGED_NAME);
        ShowNote(NOTE_DAMAGED.c_str());
    }
    std::vector<std::string> rejected;
    m_settings = ReadSettings(text, rejected);

    m_nTimeoutMs = m_settings.timeoutSec * 1000;
    m_bMinimizeToTray = m_settings.minimizeToTray;
    m_bAlwaysOnTop = m_settings.alwaysOnTop;
    m_bKeyboardInput = m_settings.keyboardInput;
    m_tip.SetTipFont(m_settings.tipFontSize, m_settings.tipFontFace.c_str());
    const HMENU menu = ::GetMenu(m_hWnd);
    CheckMenuItemById(menu, ID_FIND_BASE_FORMS, m_settings.findBaseForms != 0);
    CheckMenuItemById(menu, ID_COPY_WITH_CTRL_C, m_settings.copyWithCtrlC != 0);
    CheckMenuItemById(menu, ID_KEEP_HISTORY, m_settings.keepHistory != 0);
    CheckMenuItemById(menu, ID_SHOW_PRONUNCIATION, m_settings.showPronunciation != 0);
    if (!m_bAlwaysOnTop)
        ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    // Placed here, even at 0, 0, the window is not centred afterwards.
    if (m_settings.windowTopLeft &&
        PlaceWindow(m_hWnd, m_settings.windowTopLeft->first, m_settings.windowTopLeft->second))
        m_bPlacedByInit = true;
    SetPaused(m_settings.paused == 1);
    RegisterPauseHotkey();
    RegisterSpeakHotkey();
    if (m_settings.ignoredPrograms)
        m_gate.ignoredPrograms = ParseProgramList(*m_settings.ignoredPrograms);
    if (m_settings.automaticAttach && !m_bAutoAttach)
        OnAutomaticAttach();

    if (!rejected.empty()) {
        std::string keys;
        for (const std::string& key : rejected)
            keys += (keys.empty() ? "" : ", ") + key;
        ShowNote(NOTE_REJECTED_BEFORE.c_str() + keys + NOTE_REJECTED_AFTER.c_str());
    }
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
