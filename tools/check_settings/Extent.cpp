#include "tools/check_settings/Extent.h"

#include <cinttypes>
#include <cstdio>

std::string hexOffset(std::int64_t offset)
{
    char text[32];
    if (offset < 0)
        std::snprintf(text, sizeof text, "%" PRId64, offset);
    else
        std::snprintf(text, sizeof text, "0x%06" PRIX64, static_cast<std::uint64_t>(offset));
    return text;
}

std::string describeExtent(const Extent& extent)
{
    return hexOffset(extent.start) + " to " + hexOffset(extent.end) + ", " + std::to_string(extent.size()) + " bytes";
}
