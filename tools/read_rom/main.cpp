// Opens a ROM with the Setting.ini of its folder, reads every table through the editor pages
// and prints what was read: read_rom <folder> <rom file name>
#include "core/TabSystem.h"
#include "pages/EditorPages.h"
#include "tools/console/Utf8.h"
#include "tools/read_rom/ConsoleStatusLine.h"
#include "tools/read_rom/PageReports.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: read_rom <folder with Setting.ini> <rom file name>\n");
        return 2;
    }
    try {
        const std::string folder = argv[1];
        ConsoleStatusLine status;
        CTabSystem tabs;
        tabs.setStatusLine(&status);
        tabs.setProgramDirectory(folder);
        addEditorPages(tabs);

        const int result = tabs.openRom(folder + "/" + argv[2]);
        if (result != CTabSystem::kReadDone) {
            std::fprintf(stderr, "read_rom: the ROM was not read (%d): %s\n", result,
                         toUtf8(tabs.errorText()).c_str());
            return 1;
        }
        std::printf("game code %s\n", tabs.gameCode().c_str());
        for (std::size_t i = 0; i < tabs.pages().size(); ++i) {
            std::printf("\n== %s (%s)\n", toUtf8(tabs.captions()[i]).c_str(), tabs.pages()[i]->className());
            printPageReport(*tabs.pages()[i], tabs);
        }
        tabs.releaseAndFreePages();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "read_rom: %s\n", error.what());
        return 1;
    }
    return 0;
}
