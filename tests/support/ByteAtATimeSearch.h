#pragma once

#include "core/FreeSpaceSearch.h"

// The free-space rule as plainly as it can be said: one read of one byte per position. The
// reference that the block search must agree with.
FreeSpaceResult searchFreeSpaceByteAtATime(RomFile& file, const FreeSpaceRequest& request);
