/* A small in-process ActiveX control of the tests' own (TestControl.cpp, built as
   ondrix_test_control.dll beside the test program): activated in place, it shows a static window with
   TEST_CONTROL_TEXT over the site's rectangle. The tests register it in the test prefix under
   TEST_CONTROL_CLASS_ID. (Only definitions: resource scripts include this too.) */
#pragma once

#define TEST_CONTROL_CLASS_ID "{FDC25345-6C2C-4E86-B8A3-38BFEDD46B71}"
#define TEST_CONTROL_TEXT "Ondrix test control"
#define TEST_CONTROL_LIBRARY "ondrix_test_control.dll"
