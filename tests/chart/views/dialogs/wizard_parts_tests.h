// Resource ids of the sub-panel tests (wizard_parts_tests.rc).
#pragma once

#define IDD_PARTS_STANDARD 100
#define IDD_PARTS_EXTENDED 101
#define IDC_PARTS_EDIT 1001
#define IDC_PARTS_BUTTON 1002
#define IDC_PARTS_ACTIVEX 1003
#define IDC_PARTS_RICH 1004
#define IDC_PARTS_LABEL 2001
#define IDC_PARTS_COMBO 2002
#define IDC_PARTS_LIST 2003
#define IDC_PARTS_PLACE 77
