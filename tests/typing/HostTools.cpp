#include "tests/typing/HostTools.h"

#include "tests/support/HostCommand.h"

#include <utility>

namespace typing {

bool HostAvailable() { return host::Available(); }

int Host(std::vector<std::string> args) { return host::Run(std::move(args)); }

} // namespace typing
