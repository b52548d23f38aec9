#pragma once
// Copy, Cut and Copy As onto the clipboard (editor/Clipboard.h): the text is
// sized first, then written in steps straight into the clipboard's own
// block, so that a large selection's text is held once. Cancelled or
// failed, the clipboard keeps what it had and the document stays as it is;
// a failure is told.
#include <cstddef>
#include <cstdint>
#include <string>

#include "commands/CopyAs.h"
#include "text/PiecewiseText.h"
#include "document/Progress.h"

struct EditorCore;

enum class CopyOutcome {
    copied,    // on the clipboard, in place of what it held
    nothing,   // no selection, or a read-only document refused the Cut
    declined,  // the user chose not to copy a text that large
    cancelled, // stopped midway: the clipboard keeps what it had
    failed,    // no memory or no clipboard for it, and the user was told: nothing cut
};

// Copy As asks before it writes more text than this.
constexpr std::uint64_t copyAsQuestionLength = std::uint64_t{64} << 20;

// Copy's text of the selected bytes: in the hex pane their hexadecimal or
// octal numbers; in the ASCII pane the bytes themselves, up to the first zero byte.
PiecewiseText copyTextPieces(const EditorCore& core);

// "The C array would be 662 MB of text. Copy it anyway?"
std::string copyAsQuestion(CopyAsForm form, std::uint64_t length);

// Copy: the selection's text, and its exact bytes in Nibblor's own format;
// once they are on the clipboard the selection goes.
CopyOutcome copyToClipboard(EditorCore& core, Progress& progress);
// Cut: the same, then the selected bytes removed (deleteAndUnselect).
CopyOutcome cutToClipboard(EditorCore& core, Progress& progress);
// Copy As: the selection as text of the form, put to the user first when
// it is longer than copyAsQuestionLength.
CopyOutcome copyAsToClipboard(EditorCore& core, CopyAsForm form, Progress& progress);
