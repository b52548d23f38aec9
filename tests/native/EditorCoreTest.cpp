// Construction defaults, frame geometry and the scroll-bar mapping.
#include <gtest/gtest.h>

#include "editor/EditorCore.h"
#include "editor/ScrollBar.h"
#include "editor/Settings.h"

namespace {

TEST(EditorCoreConstruction, StartsWithTheDocumentedDefaults)
{
    EditorCore core;
    EXPECT_EQ(core.pageRows, 25);
    EXPECT_EQ(core.bytesPerRow, 16);
    EXPECT_EQ(core.activeCursorColor, 0xFFFFFFu);
    EXPECT_EQ(core.inactiveCursorColor, 0x777777u);
    EXPECT_EQ(core.textColor, 0xFFFFFFu);
    EXPECT_EQ(core.backgroundColor, 0x000000u);
    EXPECT_EQ(core.selectionColor, 0xFFFFFFu);
    EXPECT_EQ(core.octalMode, 0);
    EXPECT_EQ(core.activePane, 0);
    EXPECT_EQ(core.selectionEndRow, -1);
    EXPECT_EQ(core.selectionEndColumn, -1);
    EXPECT_EQ(core.frameWindow, nullptr);
    EXPECT_EQ(core.buffer.size, 0);
    EXPECT_EQ(core.buffer.rowCount, 0);
    EXPECT_EQ(core.buffer.lastMatchOffset, -1);
    EXPECT_EQ(core.buffer.lastSearchText, "");
    EXPECT_TRUE(core.buffer.name.empty());
    EXPECT_FALSE(core.buffer.data.held());
    EXPECT_EQ(core.buffer.bytesPerRow(), core.bytesPerRow);
}

// The worked example: tmHeight 16, leading 0, width 8; menu 19, caption 19, frame 4, scroll 16.
const FontMetrics exampleFont{16, 0, 8};
const FrameMetrics exampleSystem{19, 19, 4, 16};
WindowHandle someParent()
{
    return reinterpret_cast<WindowHandle>(0x1000);
}

TEST(Geometry, OwnedTopLevelFrameMatchesTheWorkedExample)
{
    EditorCore core;
    core.parentWindow = someParent();
    core.windowStyle = 0x00CF0000 | EditorCore::styleVScroll;
    core.layout.apply(exampleFont, exampleSystem);
    EXPECT_EQ(core.lineHeight, 16);
    EXPECT_EQ(core.charWidth, 8);
    EXPECT_EQ(core.textAreaHeight, 412);
    EXPECT_EQ(core.windowHeight, 461);
    EXPECT_EQ(core.windowWidth, 629);

    core.octalMode = 1;
    core.layout.apply(exampleFont, exampleSystem);
    EXPECT_EQ(core.windowWidth, 757);
    EXPECT_EQ(core.windowHeight, 461);
    EXPECT_EQ(core.hexPaneWidth(1), 528);
}

TEST(Geometry, ChildWithoutTitleBarHasNoAllowances)
{
    EditorCore core;
    core.parentWindow = someParent();
    core.windowStyle = EditorCore::styleChild | EditorCore::styleVScroll;
    core.layout.apply(exampleFont, exampleSystem);
    EXPECT_EQ(core.windowHeight, 412);
    EXPECT_EQ(core.windowWidth, 620);
}

TEST(Geometry, ChildWithTitleBarDropsOnlyTheMenu)
{
    EditorCore core;
    core.parentWindow = someParent();
    core.windowStyle = 0x40CF0000 | EditorCore::styleVScroll;
    core.layout.apply(exampleFont, exampleSystem);
    EXPECT_EQ(core.windowHeight, 412 + 19 + 11);
    EXPECT_EQ(core.windowWidth, 629);
}

TEST(Geometry, StandAloneEditorKeepsEveryAllowanceWhateverTheStyle)
{
    EditorCore core;
    core.windowStyle = EditorCore::styleChild | EditorCore::styleVScroll;
    core.layout.apply(exampleFont, exampleSystem);
    EXPECT_EQ(core.windowHeight, 461);
    EXPECT_EQ(core.windowWidth, 629);
}

TEST(Geometry, OctalViewWidensBySixteenCharactersAndKeepsTheHeight)
{
    EditorCore core;
    core.parentWindow = someParent();
    core.windowStyle = 0x00CF0000;
    const FontMetrics bigFont{23, 2, 11};
    core.layout.apply(bigFont, exampleSystem);
    const int hexWidth = core.windowWidth;
    const int hexHeight = core.windowHeight;
    core.octalMode = 1;
    core.layout.apply(bigFont, exampleSystem);
    EXPECT_EQ(core.windowWidth - hexWidth, 16 * 11);
    EXPECT_EQ(core.windowHeight, hexHeight);
    EXPECT_EQ(core.textAreaHeight, static_cast<int>(25.8 * 25));
}

TEST(Geometry, PanesSitSideBySideInBothViews)
{
    EditorCore core;
    core.layout.apply(exampleFont, exampleSystem);
    PaneRect ascii = core.layout.paneRect(Pane::Ascii);
    EXPECT_EQ(ascii.x, (3 * 16 + 8) * 8);
    EXPECT_EQ(ascii.width, 19 * 8);
    EXPECT_EQ(core.layout.paneRect(Pane::Hex).x, 6 * 8);
    EXPECT_EQ(core.layout.paneRect(Pane::Hex).width, 50 * 8);
    EXPECT_EQ(core.layout.paneRect(Pane::Offset).height, 412);
    core.octalMode = 1;
    ascii = core.layout.paneRect(Pane::Ascii);
    EXPECT_EQ(ascii.x, (4 * 16 + 8) * 8);
    EXPECT_EQ(core.layout.paneRect(Pane::Hex).width, 66 * 8);
}

TEST(Geometry, ATopLevelFramesNormalPositionCountsFromTheWorkArea)
{
    struct Case {
        const char* name;
        ScreenPoint workArea, monitor;
        bool topLevel;
        int x, y;
    };
    const Case cases[] = {
        {"work area at the screen's corner", {0, 0}, {0, 0}, true, 100, 80},
        {"taskbar at the top", {0, 40}, {0, 0}, true, 100, 120},
        {"taskbar at the left", {60, 0}, {0, 0}, true, 160, 80},
        {"second monitor, taskbar at its top", {1920, 30}, {1920, 0}, true, 100, 110},
        {"a child's place is its parent's", {60, 40}, {0, 0}, false, 100, 80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScreenPoint screen = screenFromWorkspace({100, 80}, c.workArea, c.monitor, c.topLevel);
        EXPECT_EQ(screen.x, c.x);
        EXPECT_EQ(screen.y, c.y);
    }
}

TEST(ScrollBar, RangeFollowsTheRowCountUpToTheCap)
{
    EditorCore core;
    core.buffer.setSize(25 * 16 - 1); // 25 rows: one page
    EXPECT_EQ(scrollRangeMax(core), 0);
    core.buffer.setSize(25 * 16); // 26 rows
    EXPECT_EQ(scrollRangeMax(core), 26);
    core.buffer.setSize(70000 * 16 - 1);
    EXPECT_EQ(scrollRangeMax(core), 65535);
}

TEST(ScrollBar, PositionIsTheRowWhileEveryRowHasOne)
{
    EXPECT_EQ(EditorCore::scrollPosForRow(1000, 65535), 1000);
    EXPECT_EQ(EditorCore::scrollPosForRow(65535, 65535), 65535);
    EXPECT_EQ(rowForScrollPos(1234, 65535), 1234);
    EXPECT_EQ(EditorCore::scrollPosForRow(-3, 100), 0);
}

// Larger documents: first and last rows reach the ends, the mapping never
// goes backwards, and the thumb's position turns back into a nearby row.
void expectScaledMapping(std::int32_t rows)
{
    SCOPED_TRACE(rows);
    EXPECT_EQ(EditorCore::scrollPosForRow(0, rows), 0);
    EXPECT_EQ(EditorCore::scrollPosForRow(rows, rows), 65535);
    EXPECT_EQ(rowForScrollPos(0, rows), 0);
    EXPECT_EQ(rowForScrollPos(65535, rows), rows);
    const std::int32_t step = rows / 65535 + 1;
    int previous = 0;
    for (std::int64_t row = 0; row <= rows; row += rows / 5000 + 1) {
        const int position = EditorCore::scrollPosForRow(static_cast<std::int32_t>(row), rows);
        ASSERT_GE(position, previous);
        ASSERT_LE(position, 65535);
        previous = position;
        const std::int32_t back = rowForScrollPos(position, rows);
        ASSERT_LE(std::abs(back - static_cast<std::int32_t>(row)), step);
    }
    std::int32_t previousRow = 0;
    for (int position = 0; position <= 65535; position += 97) {
        const std::int32_t row = rowForScrollPos(position, rows);
        ASSERT_GE(row, previousRow);
        ASSERT_LE(row, rows);
        ASSERT_EQ(EditorCore::scrollPosForRow(row, rows), position);
        previousRow = row;
    }
}

TEST(ScrollBar, LargeDocumentsSpreadTheirRowsOverTheWholeRange)
{
    expectScaledMapping(65536);
    expectScaledMapping(131069);
    expectScaledMapping(131070);
    expectScaledMapping(10000000);
    expectScaledMapping(INT32_MAX / 16 + 1);
}

TEST(ScrollBar, OctalViewReportsTwo)
{
    EditorCore core;
    EXPECT_EQ(core.isOctalView(), 0);
    core.octalMode = 1;
    EXPECT_EQ(core.isOctalView(), 2);
}

TEST(SettingsText, DecimalValueFollowsTheConversionRules)
{
    EXPECT_EQ(settings::decimalValue("16777215"), 16777215);
    EXPECT_EQ(settings::decimalValue("  -13"), -13);
    EXPECT_EQ(settings::decimalValue("+255x"), 255);
    EXPECT_EQ(settings::decimalValue("abc"), 0);
    EXPECT_EQ(settings::decimalValue(""), 0);
    EXPECT_EQ(settings::decimalValue("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(settings::decimalValue("-99999999999999999999"), INT32_MIN);
}

} // namespace
