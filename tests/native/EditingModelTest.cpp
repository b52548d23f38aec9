// The whole editing core against a plain model (EditingModel.h), step by
// random step, in both views: moves, clicks and drags on both data panes,
// typing, Delete, paste, cut, inserted zeros, every scroll request, pane and
// view switches and a new window over the same core. After every step the
// checks of EditingModelChecks.h hold, or the run stops there.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <tuple>

#include "commands/ClipboardCopy.h"
#include "commands/Paste.h"
#include "tests/native/EditingModel.h"
#include "tests/native/EditingModelChecks.h"
#include "tests/native/PaintingSurface.h"
#include "tests/native/PasteTexts.h"
#include "tests/native/TestEditor.h"
#include "view/Editing.h"
#include "view/Bookmarking.h"
#include "view/Cursor.h"
#include "view/PointerInput.h"
#include "view/Scrolling.h"
#include "view/Selection.h"

namespace {

using namespace editingmodel;
using pastetexts::pick;
using pastetexts::PasteText;

constexpr int stepsPerSeed = 100000;
constexpr int largestFirstSize = 3000;
// Below this size insertions come larger, so that deletions do not wear the
// document down to a page or less for good.
constexpr std::int32_t smallDocument = 1024;
constexpr int smallInsertion = 8;
constexpr int refillInsertion = 256;
constexpr int longestPaste = 40;
constexpr int historyLength = 16;

enum class Step {
    moveUp, moveDown, moveLeft, moveRight, moveLeftByDigit, moveRightByDigit,
    clickHex, clickAscii, drag, typeDigit, typeCharacter, remove, paste, pasteClipboard, cut,
    insertZeros, scroll, switchPane, unselect, switchView, newWindow, toggleInsertMode, toggleBookmark,
    stepToBookmark,
};

struct StepKind {
    Step step;
    int weight;
    const char* name;
};

constexpr bool isPlainMove(Step s)
{
    return s == Step::moveUp || s == Step::moveDown || s == Step::moveLeft || s == Step::moveRight;
}

constexpr StepKind stepKinds[] = {
    {Step::moveUp, 6, "moveUp"}, {Step::moveDown, 6, "moveDown"}, {Step::moveLeft, 5, "moveLeft"},
    {Step::moveRight, 5, "moveRight"}, {Step::moveLeftByDigit, 5, "moveLeftByDigit"},
    {Step::moveRightByDigit, 5, "moveRightByDigit"}, {Step::clickHex, 5, "clickAt(hex)"},
    {Step::clickAscii, 4, "clickAt(ascii)"}, {Step::drag, 8, "dragTo"}, {Step::typeDigit, 10, "typeDigit"},
    {Step::typeCharacter, 8, "typeCharacter"}, {Step::remove, 1, "removeSelectedBytes"},
    {Step::paste, 5, "pasteText"}, {Step::pasteClipboard, 2, "pasteText(cut text)"}, {Step::cut, 1, "cut"},
    {Step::insertZeros, 4, "insertZeros"}, {Step::scroll, 9, "scroll"}, {Step::switchPane, 3, "switchActivePane"},
    {Step::unselect, 2, "unselect"}, {Step::switchView, 2, "switch view"},
    {Step::newWindow, 1, "new window (showCursorFromTop)"}, {Step::toggleInsertMode, 2, "toggle insert mode"},
    {Step::toggleBookmark, 3, "toggleBookmark"}, {Step::stepToBookmark, 3, "next or previous bookmark"},
};

struct StepRecord {
    const StepKind* kind;
    int a;
    int b;
};

// What a cut put on the clipboard, and the bytes it stands for in the pane
// and view it came from.
struct Clipboard {
    std::string text;
    Bytes bytes;
    bool fromHexPane = false;
    bool octal = false;
};

// How often the steps reached the cases that matter, so that a run that
// never got there fails instead of passing by default.
struct Reached {
    int bytesRemoved = 0;
    int pastesWritten = 0;
    int pastesRejected = 0;
    int pageScrolls = 0;
    int cursorPastEnd = 0;
    int cursorPastLastRow = 0;
    int octalDigitsTyped = 0;
    int bytesInserted = 0; // typed or pasted in insert mode
    int pastesCutShort = 0;
    int marksMoved = 0; // bookmarks moved or dropped by a change of length
};

class ModelRun {
public:
    explicit ModelRun(std::uint32_t seed)
        : rng_(seed), editor_(pick(rng_, largestFirstSize + 1)), core_(editor_.core),
          surface_(core_, testeditor::activeColor, testeditor::inactiveColor)
    {
        core_.shell.surface = &surface_;
        core_.shell.prompts = &surface_;
        for (std::int32_t i = 0; i < core_.buffer.size; ++i) {
            model_.bytes.push_back(testeditor::patternByte(i));
        }
        // Compared throughout with a shorter copy that differs every 37 bytes.
        model_.compared = model_.bytes;
        model_.compared.resize(model_.bytes.size() - std::min<std::size_t>(model_.bytes.size(), 5));
        for (std::size_t at = 0; at < model_.compared.size(); at += 37) {
            model_.compared[at] ^= 0x5A;
        }
        FileBuffer other;
        other.reserve(static_cast<std::int64_t>(model_.compared.size()));
        std::copy(model_.compared.begin(), model_.compared.end(), other.data.get());
        other.setSize(static_cast<std::int32_t>(model_.compared.size()));
        other.name = DocumentName::given("other.bin");
        core_.comparison.begin(std::move(other));
        model_.scrollToRow(0);
    }

    // Empty when the core kept to the model at every step; otherwise what
    // differed first, the states and the steps that led there.
    std::string run(int steps)
    {
        apply(kindOf(Step::newWindow)); // the window's first painting
        for (int n = 1; n <= steps; ++n) {
            const StepKind& kind = chooseStep();
            apply(kind);
            std::string fault = !fault_.empty() ? fault_ : firstMismatch(core_, model_, trace_);
            // A whole-document count: every 16th step keeps the run short.
            fault = fault.empty() && n % 16 == 0 ? comparisonMismatch(core_, model_) : fault;
            if (!fault.empty()) {
                return "step " + std::to_string(n) + ", " + kind.name + ": " + fault + "\n" + state() + history();
            }
            reached_.cursorPastEnd += model_.cursor > model_.size() ? 1 : 0;
            reached_.cursorPastLastRow += model_.cursor >= model_.size() + bytesPerRow ? 1 : 0;
        }
        return {};
    }

    const Reached& reached() const { return reached_; }

private:
    static const StepKind& kindOf(Step step)
    {
        return *std::find_if(std::begin(stepKinds), std::end(stepKinds),
                             [step](const StepKind& k) { return k.step == step; });
    }

    const StepKind& chooseStep()
    {
        static const int total = [] {
            int sum = 0;
            for (const StepKind& k : stepKinds) {
                sum += k.weight;
            }
            return sum;
        }();
        int r = pick(rng_, total);
        for (const StepKind& k : stepKinds) {
            if (r < k.weight) {
                return k;
            }
            r -= k.weight;
        }
        return stepKinds[0];
    }

    // A point of the pane, also past the last byte and on the part row below the page.
    std::pair<int, int> pointIn(Pane pane)
    {
        const int width = pane == Pane::Hex ? core_.hexPaneWidth(core_.octalMode) : core_.asciiPaneWidth(0);
        return {pick(rng_, width + charWidth), pick(rng_, (pageRows + 1) * lineHeight)};
    }

    void expectSame(bool same, const char* what)
    {
        if (!same && fault_.empty()) {
            fault_ = what;
        }
    }

    void apply(const StepKind& kind)
    {
        surface_.clearRecords();
        trace_.cursorBefore = model_.cursor;
        trace_.viewBefore = model_.view;
        trace_.movedByByte = isPlainMove(kind.step);
        bool repaintedByShell = false;
        int a = 0;
        int b = 0;
        const std::set<std::int32_t> marksBefore = model_.marks;
        switch (kind.step) {
        case Step::moveUp:
            core_.moveUp();
            model_.moveUp();
            break;
        case Step::moveDown:
            core_.moveDown();
            model_.moveDown();
            break;
        case Step::moveLeft:
            core_.moveLeft();
            model_.moveLeft();
            break;
        case Step::moveRight:
            core_.moveRight();
            model_.moveRight();
            break;
        case Step::moveLeftByDigit:
            moveLeftByDigit(core_);
            trace_.movedByByte = model_.moveLeftByDigit();
            break;
        case Step::moveRightByDigit:
            moveRightByDigit(core_);
            trace_.movedByByte = model_.moveRightByDigit();
            break;
        case Step::clickHex:
        case Step::clickAscii: {
            const Pane pane = kind.step == Step::clickHex ? Pane::Hex : Pane::Ascii;
            std::tie(a, b) = pointIn(pane);
            clickAt(core_, pane, a, b);
            model_.click(pane, a, b);
            break;
        }
        case Step::drag: {
            const Pane pane = pick(rng_, 2) == 0 ? Pane::Hex : Pane::Ascii;
            std::tie(a, b) = pointIn(pane);
            dragTo(core_, pane, a, b);
            model_.drag(pane, a, b);
            break;
        }
        case Step::typeDigit: {
            static const char digits[] = "0123456789abcdefABCDEF";
            const char c = pick(rng_, 4) != 0 ? digits[pick(rng_, 22)] : static_cast<char>(pick(rng_, 256));
            a = static_cast<unsigned char>(c);
            const bool octalEdit = model_.octal && model_.cursor < model_.size() && digitValue(c, true) >= 0;
            reached_.octalDigitsTyped += octalEdit ? 1 : 0;
            const std::int32_t sizeBefore = model_.size();
            expectSame(typeDigit(core_, c) == model_.typeDigit(c), "typeDigit's result");
            reached_.bytesInserted += model_.size() - sizeBefore;
            break;
        }
        case Step::typeCharacter: {
            a = pick(rng_, 256);
            const std::int32_t sizeBefore = model_.size();
            expectSame(typeCharacter(core_, static_cast<unsigned char>(a)) ==
                           model_.typeCharacter(static_cast<unsigned char>(a)),
                       "typeCharacter's result");
            reached_.bytesInserted += model_.size() - sizeBefore;
            break;
        }
        case Step::remove:
            removeSelection();
            break;
        case Step::paste:
            a = pasteGenerated();
            break;
        case Step::pasteClipboard:
            a = pasteClipboard();
            break;
        case Step::cut:
            cut();
            break;
        case Step::insertZeros:
            a = 1 + pick(rng_, model_.size() < smallDocument ? refillInsertion : smallInsertion);
            expectSame(core_.insertZeros(a), "insertZeros' result");
            model_.insertZeros(a);
            repaintedByShell = true;
            break;
        case Step::scroll: {
            a = pick(rng_, static_cast<int>(ScrollRequest::bottom) + 1);
            b = pick(rng_, model_.rows() + pageRows + 1);
            const auto request = static_cast<ScrollRequest>(a);
            expectSame(scroll(core_, request, b) == model_.scroll(request, b), "whether the scroll request is taken");
            const bool byPage = request == ScrollRequest::pageUp || request == ScrollRequest::pageDown;
            reached_.pageScrolls += byPage && model_.view.first != trace_.viewBefore.first ? 1 : 0;
            break;
        }
        case Step::switchPane:
            switchActivePane(core_, model_.asciiPane ? EditorCore::hexPaneActive : EditorCore::asciiPaneActive);
            model_.asciiPane = !model_.asciiPane;
            break;
        case Step::unselect:
            unselect(core_);
            model_.selected = false;
            break;
        case Step::switchView:
            core_.octalMode = core_.octalMode == 0 ? 1 : 0; // what the View commands set; the panes are laid out anew
            model_.octal = !model_.octal;
            repaintedByShell = true;
            break;
        case Step::newWindow:
            showCursorFromTop(core_);
            model_.newWindow();
            repaintedByShell = true;
            break;
        case Step::toggleInsertMode:
            core_.typing.toggle();
            model_.insertMode = !model_.insertMode;
            break;
        case Step::toggleBookmark:
            toggleBookmark(core_);
            model_.toggleMark();
            break;
        case Step::stepToBookmark: {
            a = pick(rng_, 2);
            const bool taken = a == 0 ? nextBookmark(core_) : previousBookmark(core_);
            expectSame(taken == model_.stepToMark(a == 0), "whether there was a bookmark to go to");
            break;
        }
        }
        reached_.marksMoved += kind.step != Step::toggleBookmark && model_.marks != marksBefore ? 1 : 0;
        record(kind, a, b);
        settlePainting(repaintedByShell);
    }

    // The shell's repaints once the message queue is empty, and what the step drew.
    void settlePainting(bool repaintedByShell)
    {
        trace_.repainted = repaintedByShell || surface_.repaints > 0 || surface_.laterRepaints > 0;
        if (repaintedByShell || surface_.paintPending()) {
            surface_.paint();
        }
        for (const DrawnText& d : surface_.drawn) {
            trace_.lastCursorCells[static_cast<std::size_t>(d.pane)] = d;
        }
        trace_.plainCharacterCells.swap(surface_.plainCharacterCells);
    }

    void removeSelection()
    {
        const std::int32_t sizeBefore = model_.size();
        deleteAndUnselect(core_);
        model_.removeSelection();
        reached_.bytesRemoved += sizeBefore - model_.size();
    }

    void cut()
    {
        Clipboard clip{model_.copyText(), model_.selectedBytes(), !model_.asciiPane, model_.octal};
        expectSame(wholeText(copyTextPieces(core_)) == clip.text, "copyText");
        if (!clip.text.empty()) {
            clipboard_ = clip;
        }
        removeSelection();
    }

    // Returns the length of the pasted text.
    int paste(const PasteText& paste)
    {
        const PasteResult result = pasteText(core_, paste.text);
        const PasteOutcome outcome = result.outcome;
        if (!paste.bytes) {
            const PasteOutcome rejected = model_.octal ? PasteOutcome::invalidOctal : PasteOutcome::invalidHex;
            expectSame(outcome == rejected, "a rejected paste's outcome");
            ++reached_.pastesRejected;
        } else {
            const std::int32_t before = model_.cursor;
            const std::int32_t sizeBefore = model_.size();
            const std::int32_t leftOut = model_.paste(*paste.bytes);
            expectSame(outcome == (leftOut > 0 ? PasteOutcome::cutShort : PasteOutcome::pasted), "a paste's outcome");
            expectSame(result.leftOut == leftOut, "the bytes a paste left out");
            reached_.pastesWritten += model_.cursor > before ? 1 : 0;
            reached_.pastesCutShort += leftOut > 0 ? 1 : 0;
            reached_.bytesInserted += model_.size() - sizeBefore;
        }
        return static_cast<int>(paste.text.size());
    }

    int pasteGenerated()
    {
        Bytes bytes(static_cast<std::size_t>(pick(rng_, longestPaste + 1)));
        for (std::uint8_t& byte : bytes) {
            byte = static_cast<std::uint8_t>(pick(rng_, 256));
        }
        if (model_.asciiPane) {
            return paste({std::string(bytes.begin(), bytes.end()), bytes});
        }
        return paste(pick(rng_, 3) != 0 && !bytes.empty() ? pastetexts::validNumberText(rng_, model_.octal, bytes)
                                                          : pastetexts::rejectedNumberText(rng_, model_.octal, bytes));
    }

    // The cut text again, where the model knows what it stands for: as
    // characters in the ASCII pane, as numbers in the view they were cut in.
    int pasteClipboard()
    {
        if (model_.asciiPane) {
            return paste({clipboard_.text, Bytes(clipboard_.text.begin(), clipboard_.text.end())});
        }
        if (clipboard_.fromHexPane && clipboard_.octal == model_.octal) {
            return paste({clipboard_.text, clipboard_.bytes});
        }
        return pasteGenerated();
    }

    void record(const StepKind& kind, int a, int b)
    {
        history_.push_back({&kind, a, b});
        if (history_.size() > historyLength) {
            history_.pop_front();
        }
    }

    std::string state() const;
    std::string history() const;

    std::mt19937 rng_;
    testeditor::TestEditor editor_;
    EditorCore& core_;
    PaintingSurface surface_;
    EditingModel model_;
    StepTrace trace_;
    Clipboard clipboard_;
    std::deque<StepRecord> history_;
    std::string fault_;
    Reached reached_;
};

std::string ModelRun::state() const
{
    char text[320];
    std::snprintf(text, sizeof text,
                  "core: size %d, cursor %d (row %d, column %d, screen row %d), digit %d, rows %d..%d, pane %d, "
                  "octal %d, selection end %d,%d\nmodel: size %d, cursor %d, digit %d, ascii pane %d, octal %d, "
                  "selection %d at %d,%d, rows %d..%d\n",
                  core_.buffer.size, core_.cursorOffset, core_.cursorRow, core_.cursorColumn, core_.cursorScreenRow,
                  core_.digitIndex, core_.firstVisibleRow, core_.lastVisibleRow, core_.activePane, core_.octalMode,
                  core_.selectionEndRow, core_.selectionEndColumn, model_.size(), model_.cursor, model_.digit,
                  model_.asciiPane, model_.octal, model_.selected, model_.selectionEnd.row,
                  model_.selectionEnd.column, model_.view.first, model_.view.last);
    return text;
}

std::string ModelRun::history() const
{
    std::string text = "the last steps:\n";
    for (const StepRecord& r : history_) {
        text += std::string("  ") + r.kind->name + " " + std::to_string(r.a) + " " + std::to_string(r.b) + "\n";
    }
    return text;
}

class EditingModelTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(EditingModelTest, CoreKeepsToThePlainModel)
{
    ModelRun run(GetParam());
    const std::string fault = run.run(stepsPerSeed);
    ASSERT_TRUE(fault.empty()) << "seed " << GetParam() << ", " << fault;
    const Reached& reached = run.reached();
    EXPECT_GT(reached.bytesRemoved, 0);
    EXPECT_GT(reached.pastesWritten, 0);
    EXPECT_GT(reached.pastesRejected, 0);
    EXPECT_GT(reached.pageScrolls, 0);
    EXPECT_GT(reached.cursorPastEnd, 0);
    EXPECT_GT(reached.cursorPastLastRow, 0);
    EXPECT_GT(reached.octalDigitsTyped, 0);
    EXPECT_GT(reached.bytesInserted, 0);
    EXPECT_GT(reached.pastesCutShort, 0);
    EXPECT_GT(reached.marksMoved, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, EditingModelTest, ::testing::Values(1u, 2u, 3u, 4u));

} // namespace
