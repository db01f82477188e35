// Resource identifiers of the dialogs the public-interface tests create.
#pragma once

#define IDD_API_DIALOG 400
#define IDD_API_PAGE1 401
#define IDD_API_PAGE2 402
#define IDC_API_GROUP 410
#define IDC_API_LABEL 411
#define IDC_API_EDIT 412
#define IDC_API_OK 413
#define IDC_API_KEPT 414
#define IDC_API_TAB 415
