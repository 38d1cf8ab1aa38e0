#include "ui/TapwireLeftovers.h"

namespace {

const size_t MOST_DIGITS = 9;

wchar_t Lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; }

} // namespace

bool IsTapwireLeftover(const std::wstring& name)
{
    const std::wstring prefix = TAPWIRE_ASIDE_PREFIX;
    if (name.size() <= prefix.size() || name.size() > prefix.size() + MOST_DIGITS)
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (Lower(name[i]) != Lower(prefix[i]))
            return false;
    for (size_t i = prefix.size(); i < name.size(); ++i)
        if (name[i] < L'0' || name[i] > L'9')
            return false;
    return true;
}
