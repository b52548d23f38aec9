// The settings store against the real registry.
#include <windows.h>

#include <gtest/gtest.h>

#include "editor/EditorCore.h"

namespace {

TEST(SettingsStore, Placeholder)
{
    EXPECT_EQ(sizeof(HWND), sizeof(WindowHandle));
}

} // namespace
