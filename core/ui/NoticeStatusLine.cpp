#include "core/ui/NoticeStatusLine.h"

void NoticeStatusLine::setNotice(std::string notice)
{
    m_notice = std::move(notice);
    setText({});
}

void NoticeStatusLine::setText(std::string_view text)
{
    if (!m_target)
        return;
    if (m_notice.empty()) {
        m_target->setText(text);
        return;
    }
    std::string combined = m_notice;
    combined += text;
    m_target->setText(combined);
}

void NoticeStatusLine::setProgress(int position)
{
    if (m_target)
        m_target->setProgress(position);
}
