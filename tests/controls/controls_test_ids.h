// Picture, template and control ids of the control tests.
#pragma once

#define IDP_GLYPHS 140
#define IDP_RED 201
#define IDP_GREEN 202
#define IDP_BLUE 203
#define IDP_GREY 204
#define IDP_RED_BLUE_EDGE 210
#define IDP_NOISE 220
#define IDP_NOT_A_PICTURE 230
#define IDP_ORANGE 240
#define IDP_MISSING 299

#define IDD_CONTROLS_HOST 100
#define IDC_PNG_BUTTON 1001
#define IDC_IMAGE_BUTTON 1002
#define IDC_CHECK_BOX 1003
#define IDC_TEXT_STATIC 1004
#define IDC_STATE_STATIC 1005
