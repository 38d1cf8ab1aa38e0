#include "tests/typing/ZetoBlackBox.h"

namespace typing {

std::string ZetoPath()
{
    std::string path = "Z:" ZETO_EXE;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

POINT Centre(HWND hwnd)
{
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

} // namespace typing
