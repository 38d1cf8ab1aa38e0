#include "XDo.h"

#include "tests/support/HostCommand.h"

#include <utility>

namespace xdo {
namespace {

std::string Num(int n) { return std::to_string(n); }

}  // namespace

bool Available() { return host::Available(); }

void Run(std::vector<std::string> args)
{
    args.insert(args.begin(), "xdotool");
    host::Run(std::move(args));
}

void DoubleClick(int x, int y)
{
    Run({"mousemove", Num(x), Num(y), "mousedown", "1", "mouseup", "1", "mousedown", "1", "mouseup", "1"});
}

void Drag(int x1, int y1, int x2, int y2)
{
    Run({"mousemove", Num(x1), Num(y1), "mousedown", "1", "mousemove", Num(x2), Num(y2), "mouseup", "1"});
}

void RightClick(int x, int y) { Run({"mousemove", Num(x), Num(y), "mousedown", "3", "mouseup", "3"}); }

void Click(int x, int y) { Run({"mousemove", Num(x), Num(y), "mousedown", "1", "mouseup", "1"}); }

void Keys(const std::string& keys) { Run({"key", keys}); }

}  // namespace xdo
