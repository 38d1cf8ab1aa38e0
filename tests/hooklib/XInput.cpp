#include "XInput.h"

#include "tests/support/HostCommand.h"

#include <utility>

namespace xinput {
namespace {

void Xdotool(std::vector<std::string> args)
{
    args.insert(args.begin(), "xdotool");
    host::Run(std::move(args));
}

std::string Num(int n) { return std::to_string(n); }

}  // namespace

bool Available() { return host::Available(); }

void Click(int x, int y, int button)
{
    Xdotool({"mousemove", Num(x), Num(y), "mousedown", Num(button), "mouseup", Num(button)});
}

void DoubleClick(int x, int y)
{
    Xdotool({"mousemove", Num(x), Num(y), "mousedown", "1", "mouseup", "1", "mousedown", "1",
             "mouseup", "1"});
}

void Key(const std::string& key) { Xdotool({"key", key}); }

void KeyWith(const std::string& modifier, const std::string& key)
{
    Xdotool({"keydown", modifier, "keydown", key, "keyup", key, "keyup", modifier});
}

void KeysDown(const std::string& first, const std::string& second)
{
    Xdotool({"keydown", first, "keydown", second});
}

void KeysUp(const std::string& first, const std::string& second) { Xdotool({"keyup", first, "keyup", second}); }

}  // namespace xinput
