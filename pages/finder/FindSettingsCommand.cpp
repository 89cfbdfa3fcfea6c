#include "pages/finder/FindSettingsCommand.h"

#include "core/ui/Shell.h"
#include "core/ui/StatusLine.h"
#include "pages/finder/FinderFiles.h"

namespace {

constexpr const char* kCaption = "Setting.iniの作成";
constexpr int kFoundProgress = 50;
constexpr int kDoneProgress = 100;

std::string setting(const Finding& finding)
{
    std::string text = finding.key + "=" + std::to_string(finding.value);
    if (!finding.countKey.empty())
        text += ", " + finding.countKey + "=" + std::to_string(finding.count);
    return text;
}

// The question: what is written, what wants a look, what is not, and what is the user's.
std::string question(const FinderReport& report)
{
    std::string placed, ordered, missing, byHand;
    for (const Finding& finding : report.findings) {
        switch (finding.status) {
        case FindingStatus::Placed:
            placed += "  " + setting(finding) + "\r\n";
            break;
        case FindingStatus::Ordered:
            ordered += "  " + setting(finding) + "\r\n";
            break;
        case FindingStatus::NotPlaced:
            missing += "  " + finding.key + ": " + finding.text + "\r\n";
            break;
        case FindingStatus::ByHand:
            byHand += (byHand.empty() ? "  " : ", ") + finding.key;
            break;
        }
    }
    std::string text = "[" + report.gameCode + "] に書き込む設定:\r\n" + placed;
    if (!ordered.empty())
        text += "同じ形の表が二つあり、ファイル内の順で決めた設定（画像エディターで確かめてください）:\r\n" + ordered;
    if (!missing.empty())
        text += "見つからなかった設定（書き込みません）:\r\n" + missing;
    if (!byHand.empty())
        text += "手で設定するもの:\r\n" + byHand + "\r\n";
    return text + "\r\nSetting.ini に書き込み、ROMを読み込み直しますか？";
}

} // namespace

bool findAndWriteSettings(IShell& shell, IStatusLine& status, const std::string& programDirectory,
                          const std::string& romPath)
{
    status.setProgress(0);
    status.setText("ROMの表を探しています...");
    const ResultOf<FinderReport> report = findSettingsFiles(programDirectory, romPath);
    status.setProgress(kFoundProgress);
    if (!report.ok()) {
        status.setText(report.errorText());
        shell.messageBox(nullptr, report.errorText(), kCaption, MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    if (report->settings().empty()) {
        status.setText("表が一つも見つかりませんでした。");
        shell.messageBox(nullptr, question(*report), kCaption, MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    if (shell.messageBox(nullptr, question(*report), kCaption, MessageButtons::YesNo, MessageIcon::Question) !=
        MessageAnswer::Yes) {
        status.setText("Setting.ini は変更していません。");
        return false;
    }
    const ResultOf<std::string> backupPath = writeFoundSettings(programDirectory, *report);
    if (!backupPath.ok()) {
        status.setText(backupPath.errorText());
        shell.messageBox(nullptr, "Setting.ini に書き込めませんでした。\r\n" + backupPath.errorText(), kCaption,
                         MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    status.setProgress(kDoneProgress);
    status.setText(backupPath->empty() ? "Setting.ini を作りました。"
                                       : "Setting.ini に書き込みました。元のファイル: " + *backupPath);
    return true;
}
