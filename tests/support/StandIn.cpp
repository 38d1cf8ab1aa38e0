#include "tests/support/StandIn.h"

#include "tests/support/XInput.h"

namespace support {

StandIn::StandIn(const std::string& kind, const std::string& title)
    : Process("\"" + BuiltProgram(COPY_TARGET_EXE) + "\" " + kind + " \"" + title + "\"")
{
    m_top = WaitForWindow(nullptr, title.c_str(), 30000);
}

StandIn::StandIn(const std::string& commandLine) : Process(commandLine)
{
    m_top = WaitForWindow(nullptr, nullptr, 30000);
}

POINT StandIn::ChildCentre() const { return xinput::CentreOf(child()); }

} // namespace support
