#include "tests/support/XInput.h"

#include "tests/support/HostCommand.h"

#include <utility>

namespace xinput {
namespace {
std::string Num(int n) { return std::to_string(n); }
}  // namespace

bool Available() { return host::Available(); }

POINT CentreOf(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int Run(std::vector<std::string> args)
{
    args.insert(args.begin(), "xdotool");
    return host::Run(std::move(args));
}

void Click(int x, int y, int button)
{
    Run({"mousemove", Num(x), Num(y), "mousedown", Num(button), "mouseup", Num(button)});
}

void RightClick(int x, int y) { Click(x, y, 3); }

void DoubleClick(int x, int y)
{
    Run({"mousemove", Num(x), Num(y), "mousedown", "1", "mouseup", "1", "mousedown", "1", "mouseup", "1"});
}

void Drag(int x1, int y1, int x2, int y2)
{
    Run({"mousemove", Num(x1), Num(y1), "mousedown", "1", "mousemove", Num(x2), Num(y2), "mouseup", "1"});
}

bool Key(const std::string& key) { return Run({"key", key}) == 0; }

void KeyWith(const std::string& modifier, const std::string& key)
{
    Run({"keydown", modifier, "keydown", key, "keyup", key, "keyup", modifier});
}

void KeysDown(const std::string& first, const std::string& second) { Run({"keydown", first, "keydown", second}); }

void KeysUp(const std::string& first, const std::string& second) { Run({"keyup", first, "keyup", second}); }

void Type(const std::string& text) { Run({"type", "--delay", "30", text}); }

}  // namespace xinput
