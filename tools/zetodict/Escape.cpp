#include "tools/zetodict/Escape.h"

#include <cstdio>

namespace escape {

std::string TsvField(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c; break;
        }
    }
    return out;
}

bool UnescapeTsvField(const std::string& field, std::string* text, std::string* error)
{
    text->clear();
    text->reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c != '\\') {
            *text += c;
            continue;
        }
        if (i + 1 == field.size()) {
            *error = "a backslash at the end of a field (write \\\\ for a backslash)";
            return false;
        }
        switch (field[++i]) {
        case '\\': *text += '\\'; break;
        case 't': *text += '\t'; break;
        case 'r': *text += '\r'; break;
        case 'n': *text += '\n'; break;
        default:
            *error = std::string("unknown escape \\") + field[i] + " (only \\\\, \\t, \\r and \\n are known)";
            return false;
        }
    }
    return true;
}

std::string JsonString(const std::string& utf8)
{
    std::string out = "\"";
    for (char c : utf8) {
        const unsigned char b = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (b < 0x20 || b == 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\u%04x", b);
                out += hex;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

} // namespace escape
