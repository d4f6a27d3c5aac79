// CStatic: a static text control from a dialog template.
#pragma once

#include "framework/CWnd.h"

class CStatic : public CWnd {};
