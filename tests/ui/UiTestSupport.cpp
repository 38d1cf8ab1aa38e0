#include "tests/ui/UiTestSupport.h"

#include <cstdio>
#include <cstdlib>

namespace uitest {

COLORREF BrushColor(HBRUSH brush)
{
    LOGBRUSH lb{};
    ::GetObjectA(brush, sizeof lb, &lb);
    return lb.lbColor;
}

std::string BuildPath(const std::string& relative)
{
    const char* build = std::getenv("WORDLUMO_BUILD_DIR");
    std::string path = std::string("Z:") + (build ? build : "") + "/" + relative;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

} // namespace uitest
