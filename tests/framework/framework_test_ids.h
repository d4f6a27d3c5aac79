// Template and control ids of the framework tests.
#pragma once

#define IDD_TEST_DIALOG 100
#define IDD_TEST_POPUP 101
#define IDC_TEST_BUTTON 1001
#define IDC_TEST_STATIC 1002
