// Our small layer in place of MFC: include this for the whole of it.
#pragma once

#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CGdi.h"
#include "framework/CGeometry.h"
#include "framework/CStatic.h"
#include "framework/CString.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/WindowPlacement.h"
