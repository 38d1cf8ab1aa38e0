// Zeto's numbers for Tapwire's messages, registered during static
// initialisation, before the main dialog exists.
#include "hooklib/Tapwire.h"

TapwireMessages g_tapwireMessages = RegisterTapwireMessages();
