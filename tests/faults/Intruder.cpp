#include "tests/faults/Intruder.h"

HANDLE NamedEvent(const std::string& name)
{
    return ::CreateEventA(nullptr, TRUE, FALSE, name.c_str());
}

