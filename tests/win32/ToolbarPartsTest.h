#pragma once
// Resource ids of the toolbar parts test's own dialogs and bitmap; they sit
// beside Vexo's resources in the test program.
#define IDD_TEST_BUTTONS 9101
#define IDD_TEST_APPBAR 9102
#define IDB_TEST_SHAPE 9103

#define IDC_TEST_ARROW 9201
#define IDC_TEST_ARROW1 9202
#define IDC_TEST_PEN 9203
#define IDC_TEST_MISSING 9204
#define IDC_TEST_LINK 9205
#define IDC_TEST_FOCUS_SINK 1020
