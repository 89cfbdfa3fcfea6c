#pragma once

class CTabSystem;
class CWindowBase;

// Prints what one page read, a few records of each table and their counts.
void printPageReport(CWindowBase& page, CTabSystem& tabs);
