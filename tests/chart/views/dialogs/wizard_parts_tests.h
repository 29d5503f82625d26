// Resource ids of the sub-panel tests (wizard_parts_tests.rc).
#pragma once

#define IDD_PARTS_STANDARD 100
#define IDD_PARTS_EXTENDED 101
#define IDD_PARTS_ACTIVEX 102 /* the tests' own ActiveX control, one registered nowhere, an edit box */
#define IDC_PARTS_EDIT 1001
#define IDC_PARTS_BUTTON 1002
#define IDC_PARTS_ACTIVEX 1003
#define IDC_PARTS_RICH 1004
#define IDC_PARTS_UNKNOWN 1005
#define IDC_PARTS_LABEL 2001
#define IDC_PARTS_COMBO 2002
#define IDC_PARTS_LIST 2003
#define IDC_PARTS_PLACE 77

/* the class id of an ActiveX control registered nowhere */
#define PARTS_UNKNOWN_CONTROL "{881CD321-9113-4BBD-BACE-5FB567B3A944}"
