#include "tools/check_settings/Extent.h"

std::string describeExtent(const Extent& extent)
{
    return hexOffset(extent.start) + " to " + hexOffset(extent.end) + ", " + std::to_string(extent.size()) + " bytes";
}
