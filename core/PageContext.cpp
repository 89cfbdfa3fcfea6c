#include "core/PageContext.h"

#include "core/GameSettings.h"

#include <algorithm>

std::string PageContext::programFile(std::string_view name) const
{
    return programFilePath(m_programDirectory, name);
}

std::string PageContext::settingsFile() const
{
    return settingsPath(m_programDirectory);
}

void PageContext::setErrorText(std::string_view text)
{
    m_errorText.assign(text.substr(0, std::min(text.size(), kErrorTextSize - 1)));
}
