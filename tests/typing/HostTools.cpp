#include "tests/typing/HostTools.h"

#include "tests/support/HostCommand.h"

#include <utility>

namespace typing {

bool HostAvailable() { return host::Available(); }

int Host(std::vector<std::string> args) { return host::Run(std::move(args)); }

SmallDisk::SmallDisk(const support::ScratchDir& dir)
    : m_unixPath("/tmp/" + dir.Path().substr(std::string(PARENT).size() + 1))
{
    m_mounted = Host({"mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", m_unixPath}) == 0;
}

void SmallDisk::Fill() const
{
    Host({"sh", "-c", "cat /dev/zero > '" + m_unixPath + "/filler' 2>/dev/null"});
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        Host({"umount", "-l", m_unixPath});
}

} // namespace typing
