// Resource identifiers shared by the resource script and the code.
#pragma once

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_VELASTORE_SETUP_DIALOG 102
#define IDD_DOWNLOAD 205

// Icon and header bitmap share one number.
#define IDR_MAINFRAME 128
#define IDB_HEADER 128

// Controls.
#define IDC_STC_INFO 1000
#define IDC_PRG_DOWNLOAD 1001
#define IDC_EDT_SERVERURL 1006
#define IDC_GRP_ACCESSURL 1007
#define IDC_BTN_NEXT 1008
#define IDC_BTN_PREV 1010

// System menu command of the About item (low four bits must stay clear).
#define IDM_ABOUTBOX 0x0010

// Strings. From 102 on the table is laid out in groups of six rows
// (Korean, English, Japanese for Velastore, then the same for Quillbay);
// the program only ever loads a group's first row.
#define IDS_ABOUTBOX 101
#define IDS_INSTALL_STARTING 102
#define IDS_INSTALL_CONTINUE 108
#define IDS_CONFIRM_TITLE 114
#define IDS_DOWNLOADING_ACTIVEX 120
#define IDS_ENTER_ADDRESS 126
#define IDS_ACCESS_ADDRESS 132
#define IDS_OK 138
#define IDS_CANCEL 144
#define IDS_ADDRESS_INPUT 150
#define IDS_INSTALLING_ACTIVEX 156
#define IDS_INSTALLING_VELASTORE 162
#define IDS_WIZARD_CAPTION 168
#define IDS_ADDRESS_TITLE 174
#define IDS_ADDRESS_SUBTITLE 180
#define IDS_ADDRESS_INFO 186
#define IDS_NEXT 193
#define IDS_SERVER_UNREACHABLE 199
#define IDS_DOWNLOAD_INFO 206
#define IDS_PREV 212
#define IDS_DOWNLOAD_TITLE 218
#define IDS_DOWNLOAD_SUBTITLE 224
#define IDS_FINISH 230
