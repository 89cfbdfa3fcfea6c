#pragma once

class CTabSystem;

// Creates the ten editor pages and adds them in tab order.
void addEditorPages(CTabSystem& tabs);
