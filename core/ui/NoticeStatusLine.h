#pragma once

#include "core/ui/StatusLine.h"

#include <string>

// The session's status line in front of the window's: a notice (where a backup went) set
// during a user action goes before every text of that action, so the action's last message
// still shows it; once the action has ended, texts stand alone again.
class NoticeStatusLine : public IStatusLine {
public:
    void setTarget(IStatusLine* target) { m_target = target; }
    // Shown at once, and before the texts that follow until endAction.
    void setNotice(std::string notice);
    void endAction() { m_notice.clear(); }

    void setText(std::string_view text) override;
    void setProgress(int position) override;

private:
    IStatusLine* m_target = nullptr;
    std::string m_notice;
};
