// Ids of the resources of the grid window-form tests.
#pragma once

#define IDD_GRID_DIALOG 31001
#define IDC_GRID 31002
#define IDC_COUNTED_GRID 31003
