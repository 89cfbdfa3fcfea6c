#pragma once

#include <windows.h>

#include <string>

// What a user does to the controls of a dialog in the program; the notifications reach the
// dialog as the system would send them.
class PageDialog {
public:
    explicit PageDialog(HWND dialog) : m_dialog(dialog) {}
    HWND window() const { return m_dialog; }
    HWND control(int id) const { return GetDlgItem(m_dialog, id); }
    void choose(int comboId, int entry) const;
    void chooseListEntry(int listId, int entry) const;
    void type(int editId, const char* text) const;
    void setChecked(int checkBoxId, bool checked) const;
    // Waits for the click to be handled.
    void click(int buttonId) const;
    // Returns at once: for a button that opens a modal dialog.
    void clickLater(int buttonId) const;

private:
    HWND m_dialog;
};

// The texts of combo box and list box items, asked in UTF-16 and turned into code page 932
// here: Wine carries the ANSI item texts across processes as UTF-16 and cuts them.
std::string comboItem(HWND combo, int index);
std::string listItem(HWND list, int index);
int listCount(HWND list);
int comboCount(HWND combo);
// CB_ERR when nothing is selected.
int comboSelection(HWND combo);

// Selects a tab through the frame's message 0x8000 and returns its page dialog.
HWND selectPage(HWND frame, int tab);
