// Resource numbers of the gallery's dialog pages (shared by gallery.rc and the code).
#pragma once

#define IDD_FORM_PAGE 100
#define IDD_LABEL_PAGE 101

#define IDC_FORM_GROUP 1001
#define IDC_NAME_LABEL 1002
#define IDC_NAME_EDIT 1003
#define IDC_PHONE_LABEL 1004
#define IDC_PHONE_EDIT 1005
#define IDC_REMEMBER 1006
#define IDC_AMPERSAND 1007
#define IDC_OPEN 1008
#define IDC_CLEAR 1009
#define IDC_NOTE 1010

#define IDC_LEFT_LABEL 1101
#define IDC_CENTRE_LABEL 1102
#define IDC_RIGHT_LABEL 1103
#define IDC_PATH_LABEL 1104
#define IDC_END_LABEL 1105
#define IDC_DISABLED_LABEL 1106
#define IDC_ETCHED_LINE 1107
#define IDC_INFO_ICON 1108
#define IDC_CHOICE_A 1109
#define IDC_CHOICE_B 1110
