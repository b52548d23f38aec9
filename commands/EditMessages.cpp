#include "commands/EditMessages.h"

#include <string>
#include <utility>

#include "commands/Paste.h"
#include "text/InputExcerpt.h"

namespace {

constexpr char invalidDataCaption[] = "Invalid data";

std::string characters(std::int64_t count)
{
    return std::to_string(count) + (count == 1 ? " character" : " characters");
}

std::string numberOfCharacters(std::string_view typed)
{
    return "The number of characters \"" + inputExcerpt(typed) + "\"";
}

std::string leftOutText(std::int64_t count)
{
    const std::string left = count == 1 ? "1 byte did not fit before the end of the document and was"
                                        : std::to_string(count) +
                                              " bytes did not fit before the end of the document and were";
    return left + " left out. Turn on Edit, Insert Mode to paste them all.";
}

} // namespace

Message growthRefusal(std::int64_t count)
{
    return errorMessage("Cannot insert " + characters(count) + ": the document would pass 2147483647 bytes.");
}

Message noMemoryToInsert(std::int64_t count)
{
    return errorMessage("Not enough memory to insert " + characters(count) + ".");
}

Message notACount(std::string_view typed)
{
    return errorMessage(numberOfCharacters(typed) + " is not a whole number above zero.");
}

Message countTooLarge(std::string_view typed)
{
    return errorMessage(numberOfCharacters(typed) + " is too large.");
}

std::optional<Message> pasteMessage(const PasteResult& result)
{
    switch (result.outcome) {
    case PasteOutcome::invalidHex:
        return warningMessage("Invalid Hex string.  Paste in ASCII window", invalidDataCaption);
    case PasteOutcome::invalidOctal:
        return warningMessage("Invalid Octal string.  Paste in ASCII window.", invalidDataCaption);
    case PasteOutcome::cutShort:
        return informationMessage(leftOutText(result.leftOut), "Paste");
    case PasteOutcome::tooLarge:
        return growthRefusal(result.leftOut);
    case PasteOutcome::noMemory:
        return errorMessage("Not enough memory to paste the clipboard's text.");
    case PasteOutcome::pasted:
    case PasteOutcome::declined:
    case PasteOutcome::empty:
        break;
    }
    return std::nullopt;
}

Message copyFailure(bool cutting)
{
    return errorMessage(cutting ? "The selection could not be copied to the clipboard, so it was not cut."
                                : "The selection could not be copied to the clipboard.");
}

Message noMemoryToUndo(bool redoing)
{
    return errorMessage(redoing ? "Not enough memory to redo the change." : "Not enough memory to undo the change.");
}

Message fillPatternRefusal(std::wstring reason)
{
    return {Notice::warning, reason.empty() ? L"Type the hex bytes to fill the selection with." : std::move(reason),
            L"Invalid pattern"};
}

Message noMemoryToFill()
{
    return errorMessage("Not enough memory to fill the selection.");
}

Message valueRefusal(std::string_view reason)
{
    return warningMessage(reason, "Data Inspector");
}
