#include "capture/TitleRules.h"

bool NameFollowsStart(const std::string& title, const char* name)
{
    // Only the first occurrence counts: a title that begins with the name
    // does not match, even when the name comes again later.
    std::string::size_type at = title.find(name);
    return at != std::string::npos && at > 0;
}

TitleKind RecognizeTitle(const std::string& title)
{
    static const struct {
        const char* name;
        TitleKind kind;
    } kNames[] = {
        {"Notepad", TitleKind::Editor},
        {"WordPad", TitleKind::Editor},
        {"Microsoft Word", TitleKind::Editor},
        {"Microsoft Internet Explorer", TitleKind::Browser},
        {"Acrobat", TitleKind::Acrobat},
    };
    for (const auto& entry : kNames) {
        if (NameFollowsStart(title, entry.name))
            return entry.kind;
    }
    return TitleKind::Unknown;
}

bool TitleNamesHelp(const std::string& title) { return NameFollowsStart(title, "Help"); }
