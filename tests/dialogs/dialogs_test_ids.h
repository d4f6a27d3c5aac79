// Template, control and picture ids of the window-pair tests.
#pragma once

#define IDD_TEST_SHELL 100
#define IDD_TEST_LAYER 101
#define IDC_LAYER_BUTTON 1001
#define IDP_SHELL 300
#define IDP_LAYER 301
#define IDP_MISSING_PICTURE 399
