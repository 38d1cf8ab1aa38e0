#include "settings/SettingsText.h"

#include "text/Cp1251.h"

#include <cstdlib>

namespace settings {

namespace {

bool IsKeyChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Tabs and every byte from the space up but DEL: plain text in any
// single-byte code page.
bool IsTextByte(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u == '\t' || (u >= 0x20 && u != 0x7F);
}

std::string Trim(const std::string& s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// One line without its end; false when it is neither blank, a comment, a
// section header nor Key=Value.
bool ParseLine(const std::string& raw, SettingsText& text)
{
    for (char c : raw)
        if (!IsTextByte(c))
            return false;
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == ';' || line[0] == '#')
        return true;
    if (line.front() == '[')
        return line.back() == ']';
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    const std::string key = Trim(line.substr(0, eq));
    if (key.empty())
        return false;
    for (char c : key)
        if (!IsKeyChar(c))
            return false;
    text.values[key] = Trim(line.substr(eq + 1));
    return true;
}

} // namespace

SettingsText ParseSettings(const std::string& bytes)
{
    SettingsText text;
    if (bytes.size() > MAX_FILE_BYTES) {
        text.damaged = true;
        return text;
    }
    // Decided line by line, so that one line added by an editor in another
    // encoding costs nothing else.
    std::size_t start = bytes.compare(0, UTF8_BOM.size(), UTF8_BOM) == 0 ? UTF8_BOM.size() : 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const cp1251::Conversion utf8 = cp1251::FromUtf8(line);
        if (utf8.validUtf8)
            line = utf8.text;
        if (line.size() > MAX_LINE_BYTES || !ParseLine(line, text))
            text.damaged = true;
        start = end + 1;
    }
    return text;
}

std::string FormatSettings(const std::vector<std::pair<std::string, std::string>>& values)
{
    std::string bytes = std::string("[") + SECTION + "]\r\n";
    for (const auto& [key, value] : values)
        bytes += key + "=" + cp1251::ToUtf8(value) + "\r\n";
    return bytes;
}

bool ReadInt(const SettingsText& text, const std::string& key, int min, int max, int& out)
{
    const auto it = text.values.find(key);
    if (it == text.values.end() || it->second.empty() || it->second.size() > 11)
        return false;
    const std::string& value = it->second;
    for (std::size_t i = 0; i < value.size(); ++i)
        if (!(value[i] >= '0' && value[i] <= '9') && !(i == 0 && value[i] == '-' && value.size() > 1))
            return false;
    const long long n = std::strtoll(value.c_str(), nullptr, 10);
    if (n < min || n > max)
        return false;
    out = static_cast<int>(n);
    return true;
}

bool ReadString(const SettingsText& text, const std::string& key, std::size_t maxBytes, std::string& out)
{
    const auto it = text.values.find(key);
    if (it == text.values.end() || it->second.empty() || it->second.size() > maxBytes)
        return false;
    out = it->second;
    return true;
}

Rect BringInside(Rect rect, Rect area)
{
    const long long width = (long long)rect.right - rect.left, height = (long long)rect.bottom - rect.top;
    long long left = rect.left, top = rect.top;
    if (left + width > area.right)
        left = (long long)area.right - width;
    if (top + height > area.bottom)
        top = (long long)area.bottom - height;
    if (left < area.left)
        left = area.left;
    if (top < area.top)
        top = area.top;
    return {(int)left, (int)top, (int)(left + width), (int)(top + height)};
}

} // namespace settings
