// Host programs run from inside Wine (tests/support/HostCommand.h): mount
// for small file systems (real X input is tests/support/XInput.h).
#pragma once
#include "tests/support/HostCommand.h"
#include "tests/support/ScratchDir.h"

#include <string>

namespace typing {

// A 64 KiB file system of its own (a tmpfs mounted on the spot, which needs
// root) over a scratch directory made in PARENT, to be filled up or made
// read-only; unmounted when it goes, before the directory is. Mounted() is
// false where it could not be mounted.
class SmallDisk {
public:
    static constexpr const char* PARENT = "Z:\\tmp";
    explicit SmallDisk(const support::ScratchDir& dir);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }
    const std::string& UnixPath() const { return m_unixPath; }
    // Writes the file "filler" until the file system is full.
    void Fill() const;

private:
    std::string m_unixPath;
    bool m_mounted = false;
};

} // namespace typing
