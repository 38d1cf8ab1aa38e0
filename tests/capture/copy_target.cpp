// A stand-in target in a process of its own: copy_target KIND TITLE
// (the kinds are in CopyTargetWindows.cpp).
#include "CopyTargetWindows.h"

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    return RunCopyTarget(argv[1], argv[2]);
}
