// The frame's menu and button commands that it hands to the current page, for the trainer
// page and the text page to carry out. Plain definitions, read by the resource compiler too.
#pragma once

#define IDM_HIDE_MONSTER_BMP 32778
#define IDM_HIDE_TRAINER_BMP 32779
#define IDM_CHANGE_PARTY 32780

#define IDM_TEXT_NEW_WINDOW 32782
#define IDM_TEXT_CASCADE 32787
#define IDM_TEXT_TILE 32788
#define IDM_TEXT_CLOSE_ALL 32789
#define IDM_TEXT_ARRANGE 32790
