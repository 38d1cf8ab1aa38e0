#include "settings/Settings.h"

#include <string>
#include <utility>

namespace settings {

namespace {

// The on/off settings, in the file's order.
struct Switch {
    const char* key;
    int Settings::*field;
};
constexpr Switch kSwitches[] = {
    {"MinimizeToTray", &Settings::minimizeToTray},
    {"AlwaysOnTop", &Settings::alwaysOnTop},
    {"KeyboardInput", &Settings::keyboardInput},
    {"FindBaseForms", &Settings::findBaseForms},
    {"CopyWithCtrlC", &Settings::copyWithCtrlC},
    {"KeepHistory", &Settings::keepHistory},
    {"ShowPronunciation", &Settings::showPronunciation},
};

constexpr const char* KEY_TIMEOUT = "TimeoutSec";
constexpr const char* KEY_FONT_FACE = "FontFace";
constexpr const char* KEY_FONT_SIZE = "FontSize";
constexpr const char* KEY_AUTO_ATTACH = "AutomaticAttach";
constexpr const char* KEY_PAUSED = "Paused";
constexpr const char* KEY_PAUSE_HOTKEY = "PauseHotkey";
constexpr const char* KEY_SPEAK_HOTKEY = "SpeakHotkey";
constexpr const char* KEY_IGNORED_PROGRAMS = "IgnoredPrograms";   // may be empty: no program
constexpr const char* KEY_LEFT = "WindowLeft";
constexpr const char* KEY_TOP = "WindowTop";

bool ReadHotkey(const SettingsText& text, const char* key, Hotkey& out)
{
    std::string value;
    return ReadString(text, key, MAX_LINE_BYTES, value) && ParseHotkey(value, out);
}

} // namespace

Settings ReadSettings(const SettingsText& text, std::vector<std::string>& rejected)
{
    Settings s;
    auto take = [&](const char* key, bool ok) {
        if (!ok && text.values.count(key))
            rejected.push_back(key);
    };
    take(KEY_TIMEOUT, ReadInt(text, KEY_TIMEOUT, TIMEOUT_MIN_SEC, TIMEOUT_MAX_SEC, s.timeoutSec));
    take(KEY_FONT_FACE, ReadString(text, KEY_FONT_FACE, FONT_FACE_MAX_BYTES, s.tipFontFace));
    take(KEY_FONT_SIZE, ReadInt(text, KEY_FONT_SIZE, FONT_SIZE_MIN, FONT_SIZE_MAX, s.tipFontSize));
    for (const Switch& sw : kSwitches)
        take(sw.key, ReadInt(text, sw.key, 0, 1, s.*sw.field));
    take(KEY_AUTO_ATTACH, ReadInt(text, KEY_AUTO_ATTACH, 0, 1, s.automaticAttach));
    take(KEY_PAUSED, ReadInt(text, KEY_PAUSED, 0, 1, s.paused));
    take(KEY_PAUSE_HOTKEY, ReadHotkey(text, KEY_PAUSE_HOTKEY, s.pauseHotkey));
    // The speak key may not be the pause key: one key, one meaning.
    const bool speakOk = ReadHotkey(text, KEY_SPEAK_HOTKEY, s.speakHotkey) &&
                         (s.speakHotkey.key == 0 || s.speakHotkey != s.pauseHotkey);
    if (!speakOk)
        s.speakHotkey = Hotkey{};
    take(KEY_SPEAK_HOTKEY, speakOk);
    const auto ignored = text.values.find(KEY_IGNORED_PROGRAMS);
    if (ignored != text.values.end())
        s.ignoredPrograms = ignored->second;

    // The window's place counts only whole.
    int left = 0, top = 0;
    const bool leftOk = ReadInt(text, KEY_LEFT, -POSITION_LIMIT, POSITION_LIMIT, left);
    const bool topOk = ReadInt(text, KEY_TOP, -POSITION_LIMIT, POSITION_LIMIT, top);
    take(KEY_LEFT, leftOk);
    take(KEY_TOP, topOk);
    if (leftOk && topOk)
        s.windowTopLeft = std::make_pair(left, top);
    return s;
}

std::string WriteSettings(const Settings& s)
{
    std::vector<std::pair<std::string, std::string>> values;
    values.emplace_back(KEY_TIMEOUT, std::to_string(s.timeoutSec));
    values.emplace_back(KEY_FONT_FACE, s.tipFontFace);
    values.emplace_back(KEY_FONT_SIZE, std::to_string(s.tipFontSize));
    for (const Switch& sw : kSwitches)
        values.emplace_back(sw.key, std::to_string(s.*sw.field));
    values.emplace_back(KEY_AUTO_ATTACH, std::to_string(s.automaticAttach));
    values.emplace_back(KEY_PAUSED, std::to_string(s.paused));
    values.emplace_back(KEY_PAUSE_HOTKEY, HotkeyText(s.pauseHotkey));
    values.emplace_back(KEY_SPEAK_HOTKEY, HotkeyText(s.speakHotkey));
    if (s.ignoredPrograms)
        values.emplace_back(KEY_IGNORED_PROGRAMS, *s.ignoredPrograms);
    if (s.windowTopLeft) {
        values.emplace_back(KEY_LEFT, std::to_string(s.windowTopLeft->first));
        values.emplace_back(KEY_TOP, std::to_string(s.windowTopLeft->second));
    }
    return FormatSettings(values);
}

} // namespace settings
