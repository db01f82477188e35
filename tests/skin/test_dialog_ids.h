// Resource numbers of the dialog the label and dialog tests are made from.
#pragma once

#define IDD_TEST_MAIN 200
#define IDD_TEST_FORM 201
#define IDD_TEST_OTHER 202
#define IDM_TEST_MENU 203

#define IDM_TEST_OPEN 2101
#define IDM_TEST_EXIT 2102
#define IDM_TEST_ABOUT 2103

#define IDC_T_TAB 2001
#define IDC_T_CLOSE 2002
#define IDC_T_GROUP 2003
#define IDC_T_NAME_LABEL 2004
#define IDC_T_NAME 2005
#define IDC_T_PHONE_LABEL 2006
#define IDC_T_PHONE 2007
#define IDC_T_OPEN 2008
#define IDC_T_REMEMBER 2009
#define IDC_T_OWN_PAINT 2010
#define IDC_T_COLOURED 2011
#define IDC_T_FOOTER 2012
#define IDC_T_SECOND_LABEL 2013
#define IDC_T_LIST 2014
