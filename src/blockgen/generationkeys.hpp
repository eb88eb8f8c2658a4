#pragma once
// Keys during a generation. The command loop sets GEN.CANCELHOOK to
// POLLKEYBOARDFORESC so that Esc also stops a generation stuck inside its
// draws; other keys read there are kept, in order, for the per-group poll.
#include <cstdint>

// Reads every waiting key: true at Esc; any other key is kept.
bool POLLKEYBOARDFORESC();
// The per-group poll: the oldest kept key, else a key waiting at the
// keyboard, else con::KEY_NONE. Never waits.
int32_t GBPOLLKEY();
