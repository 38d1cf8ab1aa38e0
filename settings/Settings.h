// The settings that last from one run to the next, as one value: each with
// its key in Zeto.ini, its default and the values it may take, here and
// nowhere else. Reading is forgiving: a missing key keeps its default, and
// so does a present one whose value makes no sense, which is named so the
// user can be told.
#pragma once
#include "settings/HotkeyText.h"
#include "settings/SettingsText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace settings {

constexpr int TIMEOUT_MIN_SEC = 1, TIMEOUT_MAX_SEC = 10;   // how long a translation stays up
constexpr int FONT_SIZE_MIN = 10, FONT_SIZE_MAX = 1000;    // tenths of a point
constexpr std::size_t FONT_FACE_MAX_BYTES = 31;            // a LOGFONT face name without its NUL
constexpr int POSITION_LIMIT = 32000;                      // beyond it no screen reaches
// The translation tooltip's font before the user chooses one.
constexpr const char* TIP_FONT_FACE = "Arial";
constexpr int TIP_POINT_SIZE = 90;
// The first values of the settings the main dialog also keeps as members.
constexpr int DEFAULT_TIMEOUT_SEC = 3;
constexpr int DEFAULT_MINIMIZE_TO_TRAY = 1, DEFAULT_ALWAYS_ON_TOP = 1, DEFAULT_KEYBOARD_INPUT = 0,
              DEFAULT_AUTOMATIC_ATTACH = 0;

struct Settings {
    int timeoutSec = DEFAULT_TIMEOUT_SEC;
    std::string tipFontFace = TIP_FONT_FACE;   // Windows-1251
    int tipFontSize = TIP_POINT_SIZE;
    // On/off, 1 or 0: Options' check boxes and the Tools menu's switches.
    int minimizeToTray = DEFAULT_MINIMIZE_TO_TRAY;
    int alwaysOnTop = DEFAULT_ALWAYS_ON_TOP;
    int keyboardInput = DEFAULT_KEYBOARD_INPUT;
    int findBaseForms = 1;       // a missed word's base form is shown
    int copyWithCtrlC = 1;       // Ctrl+C pressed in targets that ignore the copy request
    int keepHistory = 1;         // lookups go to History.dat
    int showPronunciation = 1;   // how an entry is said follows its name
    int automaticAttach = DEFAULT_AUTOMATIC_ATTACH;
    int paused = 0;
    Hotkey pauseHotkey{HOTKEY_CTRL | HOTKEY_ALT, 'Z'};
    Hotkey speakHotkey;          // none until chosen: a global key is taken from every other program
    // The programs Zeto keeps out of, ';' between names, as last written;
    // none before the first write (the list a new user starts with).
    std::optional<std::string> ignoredPrograms;
    // Where the main window stood; none before the first write.
    std::optional<std::pair<int, int>> windowTopLeft;
};

// The settings text read holds, and the keys whose values were refused.
Settings ReadSettings(const SettingsText& text, std::vector<std::string>& rejected);
// The text Zeto.ini holds for these settings.
std::string WriteSettings(const Settings& settings);

} // namespace settings
