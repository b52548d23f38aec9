#pragma once
// What the edits, the clipboard and the history tell the user: every
// outcome's message in one place. Texts that repeat what was typed take it
// as UTF-8 and cut it to a line.
#include <cstdint>
#include <optional>
#include <string_view>

#include "editor/Prompts.h"

struct PasteResult;

// Why `count` bytes cannot go in: the document would pass the 32-bit size,
// or the memory for them cannot be had.
Message growthRefusal(std::int64_t count);
Message noMemoryToInsert(std::int64_t count);
// Why an Insert Characters entry inserts nothing, or more than any document holds.
Message notACount(std::string_view typed);
Message countTooLarge(std::string_view typed);
// What a paste left out, or why it wrote nothing; none when there is nothing to say.
std::optional<Message> pasteMessage(const PasteResult& result);
// A Copy (or Copy As) whose text could not be put on the clipboard; a Cut's
// says its bytes stayed.
Message copyFailure(bool cutting);
// Undo or Redo without the memory to put the bytes back.
Message noMemoryToUndo(bool redoing);
// Fill's pattern that gives no bytes: the reader's reason, or a prompt for one.
Message fillPatternRefusal(std::wstring reason);
Message noMemoryToFill();
// A value the data inspector cannot write: the reason, under the inspector's caption.
Message valueRefusal(std::string_view reason);
