#include "tests/typing/HostTools.h"

namespace typing {

SmallDisk::SmallDisk(const support::ScratchDir& dir)
    : m_unixPath("/tmp/" + dir.Path().substr(std::string(PARENT).size() + 1))
{
    m_mounted = host::Run({"mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", m_unixPath}) == 0;
}

void SmallDisk::Fill() const
{
    host::Run({"sh", "-c", "cat /dev/zero > '" + m_unixPath + "/filler' 2>/dev/null"});
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        host::Run({"umount", "-l", m_unixPath});
}

} // namespace typing
