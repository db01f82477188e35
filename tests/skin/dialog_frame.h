// Resource identifiers of the captioned dialog the frame tests skin as it is.
#pragma once

#define IDD_FRAME_DIALOG 200
#define IDM_FRAME_MENU 201
#define IDC_TOP_EDIT 210
#define IDC_TOP_BUTTON 211
#define IDC_BOTTOM_STATUS 212
#define IDM_FILE_OPEN 301
#define IDM_FILE_SAVE 302
#define IDM_VIEW_BIG 311
#define IDM_HELP_ABOUT 321
