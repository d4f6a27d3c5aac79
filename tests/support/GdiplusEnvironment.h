// GDI+ for a whole test program: pictures drawn or decoded by any test need it.
#pragma once

#include "support/GuiDriver.h"

#include <gtest/gtest.h>

namespace testsupport {

class GdiplusEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { m_gdiplus = new ScopedGdiplus; }
    void TearDown() override {
        delete m_gdiplus;
        m_gdiplus = nullptr;
    }

  private:
    ScopedGdiplus* m_gdiplus = nullptr;
};

} // namespace testsupport
