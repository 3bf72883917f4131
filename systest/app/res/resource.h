#pragma once
// Resource and control IDs of VelkoraSysTest.exe.

#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100
#define IDD_MAINDLG 129
#define IDD_LICDLG 130
#define IDB_LOGO 131
#define IDD_PROGRESSDLG 132

// The About box's command: no control or key sends it.
#define IDC_APP_ABOUT 57664

// Main window
#define IDC_MAIN_SUMMARY_ICON 1000
#define IDC_MAIN_LIST 1001
#define IDC_MAIN_INTRO 1002
#define IDC_MAIN_LOGO 1003
#define IDC_MAIN_SUMMARY_TEXT 1004
#define IDC_MAIN_SUMMARY_LABEL 1005
#define IDC_MAIN_REPORT 1008
#define IDC_MAIN_REPORT_HEADER -1

// Licence window
#define IDC_LIC_INSTRUCTIONS -1
#define IDC_LIC_TEXT 1001
#define IDC_LIC_CONSENT 1006

// Progress window
#define IDC_PROGRESS_STEP 1010
#define IDC_PROGRESS_BAR 1011
