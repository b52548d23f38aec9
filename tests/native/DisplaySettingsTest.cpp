// The colours and the font as the settings hold them: the field behind each
// colour name, the stored texts, the picker's palette and the font description.
#include <gtest/gtest.h>

#include <string>

#include "editor/ColorSettings.h"
#include "editor/FontSettings.h"
#include "tests/native/TestEditor.h"

namespace {

TEST(ColorSettings, EachNameInTheListsOrderStandsForItsOwnField)
{
    EditorCore core;
    struct Case {
        const char* name;
        ColorRef* field;
    };
    const Case cases[] = {
        {"Active Cursor", &core.activeCursorColor}, {"Inactive Cursor", &core.inactiveCursorColor},
        {"Selection", &core.selectionColor},        {"Text", &core.textColor},
        {"Background", &core.backgroundColor},      {"Difference", &core.comparison.differenceColor},
    };
    ASSERT_EQ(settings::colorNames.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_STREQ(settings::colorNames[i], cases[i].name);
        EXPECT_EQ(settings::colorField(core, cases[i].name), cases[i].field);
    }
    for (const char* other : {"", "text", "Background ", "FontSize", "Active"}) {
        EXPECT_EQ(settings::colorField(core, other), nullptr) << '"' << other << '"';
    }
}

TEST(ColorSettings, StoredTextIsTheSignedDecimalAndReadsBackTheSame)
{
    struct Case {
        ColorRef color;
        const char* text;
    };
    const Case cases[] = {
        {0x0000FF, "255"},     {0xFF0000, "16711680"}, {0xFFFFFF, "16777215"},
        {0x000000, "0"},       {0x777777, "7829367"},  {0xFFFFFFFF, "-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(settings::colorText(c.color), c.text);
        EXPECT_EQ(static_cast<ColorRef>(settings::decimalValue(c.text)), c.color);
    }
    EXPECT_EQ(settings::decimalText(-13), "-13");
}

TEST(ColorSettings, PickerPaletteStartsWithTheDisplayColours)
{
    testeditor::TestEditor editor(0);
    EditorCore& core = editor.core;
    core.selectionColor = 0x123456;
    const auto palette = settings::customColors(core);
    const ColorRef expected[] = {testeditor::activeColor, testeditor::inactiveColor, 0x123456,
                                 testeditor::textColor, testeditor::backColor, core.comparison.differenceColor};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        EXPECT_EQ(palette[i], i < std::size(expected) ? expected[i] : 0xFFFFFFu) << i;
    }
}

TEST(FontSettings, DescriptionTakesTheStoredSizeAndAFittingName)
{
    const std::string longest(31, 'q');
    const std::string tooLong(32, 'q');
    const std::string farTooLong = "An Unusually Long Font Face Name Of Forty";
    struct Case {
        const char* size; // null: unreadable
        const char* name; // null: unreadable
        std::int32_t fallback;
        std::int32_t height;
        std::string face;
    };
    const Case cases[] = {
        {"20", "Lucida Console", 8, 20, "Lucida Console"},
        {"-13", "Courier New", 8, -13, "Courier New"},
        {nullptr, "Fixedsys", 8, 8, "Fixedsys"},     // the picker's fallback height
        {nullptr, "Fixedsys", 14, 14, "Fixedsys"},   // a window's fallback height
        {"abc", nullptr, 8, 0, "Courier New"},
        {"12", longest.c_str(), 8, 12, longest},
        {"12", tooLong.c_str(), 8, 12, "Courier New"},
        {"12", farTooLong.c_str(), 8, 12, "Courier New"},
        {"12", "", 8, 12, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.size != nullptr ? c.size : "(none)") + " / " +
                     (c.name != nullptr ? c.name : "(none)"));
        const FontDescription d = settings::fontDescription(c.size, c.name, c.fallback);
        EXPECT_EQ(d.height, c.height);
        EXPECT_EQ(std::string(d.faceName.data()), c.face);
    }
}

} // namespace
