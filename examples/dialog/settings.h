// Resource identifiers shared by settings.rc and settings.cpp.
#pragma once

#define IDR_MENU 100
#define IDD_MAIN 101
#define IDD_WHAT 102
#define IDD_WHEN 103

#define IDC_TABS 1001
#define IDC_STATUS 1002
#define IDC_BACKUP 1003
#define IDC_DOCUMENTS 1010
#define IDC_PICTURES 1011
#define IDC_SKIP_TEMP 1012
#define IDC_COMPRESS 1013
#define IDC_DAILY 1020
#define IDC_WEEKLY 1021
#define IDC_BY_HAND 1022
#define IDC_TIME 1023
#define IDC_COPIES 1024

#define IDM_BACKUP 2001
#define IDM_EXIT 2002
#define IDM_ABOUT 2003
