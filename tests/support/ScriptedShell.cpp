#include "tests/support/ScriptedShell.h"

#include <algorithm>

namespace {

std::optional<bool> lastState(const std::vector<std::pair<int, bool>>& states, int commandId)
{
    auto it = std::find_if(states.rbegin(), states.rend(), [&](const auto& state) { return state.first == commandId; });
    return it == states.rend() ? std::nullopt : std::optional<bool>(it->second);
}

} // namespace

void ScriptedShell::answerMessages(std::initializer_list<MessageAnswer> answers)
{
    m_answers.insert(m_answers.end(), answers.begin(), answers.end());
}

void ScriptedShell::scriptModal(ModalScript script)
{
    m_scripts.push_back(std::move(script));
}

void ScriptedShell::answerFiles(std::initializer_list<std::optional<std::string>> answers)
{
    m_files.insert(m_files.end(), answers.begin(), answers.end());
}

std::vector<std::string> ScriptedShell::messageTexts() const
{
    std::vector<std::string> texts;
    for (const Message& message : m_messages)
        texts.push_back(message.text);
    return texts;
}

std::optional<bool> ScriptedShell::menuChecked(int commandId) const
{
    return lastState(m_checked, commandId);
}

std::optional<bool> ScriptedShell::menuEnabled(int commandId) const
{
    return lastState(m_enabled, commandId);
}

MessageAnswer ScriptedShell::messageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                                        MessageButtons buttons, MessageIcon icon)
{
    m_messages.push_back({owner, std::string(text), std::string(caption), buttons, icon});
    if (!m_answers.empty()) {
        const MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

std::optional<std::string> ScriptedShell::chooseBitmapFile(const FileChooserRequest& request)
{
    m_fileRequests.push_back(request);
    if (m_files.empty())
        return std::nullopt;
    std::optional<std::string> answer = m_files.front();
    m_files.pop_front();
    return answer;
}

void ScriptedShell::setMenuItemChecked(int commandId, bool checked)
{
    m_checked.emplace_back(commandId, checked);
}

void ScriptedShell::setMenuItemEnabled(int commandId, bool enabled)
{
    m_enabled.emplace_back(commandId, enabled);
}

ScriptedShell::ModalScript ScriptedShell::takeModalScript(int templateId)
{
    m_modalTemplates.push_back(templateId);
    if (m_scripts.empty())
        return {};
    ModalScript script = std::move(m_scripts.front());
    m_scripts.pop_front();
    return script;
}
