// GDI+ for the controls and windows: its headers need the COM declarations that the lean
// Windows header leaves out.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>
