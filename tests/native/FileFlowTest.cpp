// Opening, saving and closing as the core decides them: which question comes
// when, what each answer does, and what the title says, on real files.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>

#include "commands/Paste.h"
#include "editor/EditorCore.h"
#include "tests/native/FailingFileSteps.h"
#include "tests/native/LongWorkFakes.h"
#include "tests/native/RecordingSurface.h"
#include "tests/native/TempDir.h"
#include "view/Editing.h"
#include "view/Bookmarking.h"
#include "view/Cursor.h"
#include "view/Selection.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Answers from a script; records every question and message.
class ScriptedShell : public FileShell, public Prompts {
public:
    std::deque<Answer> answers;
    std::vector<std::wstring> questions;
    std::vector<std::wstring> messages;
    FilePath dialogChoice; // empty: the dialog is cancelled
    bool filesReadOnly = false;

    Answer ask(std::wstring_view question, bool) override
    {
        questions.emplace_back(question);
        answers.push_back(Answer::cancel); // once the script ends
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void tell(const Message& message) override { messages.push_back(message.text); }
    bool chooseFileToOpen(FilePath& chosen, bool&) override
    {
        chosen = dialogChoice;
        return !chosen.empty();
    }
    bool chooseFileToSave(const FilePath&, FilePath& chosen) override
    {
        chosen = dialogChoice;
        return !chosen.empty();
    }
    FileSteps& files() override { return steps; }
    void recentFilesChanged(const std::vector<FilePath>&) override {}

    void reset()
    {
        answers.clear();
        questions.clear();
        messages.clear();
        dialogChoice.clear();
        filesReadOnly = false;
    }

private:
    // The real files, but writable only while the test says so.
    struct Steps : FailingFileSteps {
        explicit Steps(ScriptedShell& shell) : FailingFileSteps(standardFileSteps(), Step::none), shell_(shell) {}
        bool replaceable(const FilePath& path) override
        {
            return !shell_.filesReadOnly && FailingFileSteps::replaceable(path);
        }
        ScriptedShell& shell_;
    } steps{*this};
};

class FileFlow : public ::testing::Test {
public:
    void SetUp() override
    {
        core.shell = {&surface, &shell, &shell};
        ASSERT_TRUE(core.files.openPath(path, false));
    }
    // Each case of a table from the file as it was, opened afresh.
    void startOver()
    {
        dir.write("doc.bin", {1, 2, 3, 4});
        shell.reset();
        SetUp();
    }
    std::wstring name() const { return FilePath(path).wstring(); }
    void edit() { ASSERT_TRUE(typeCharacter(core, 'Z')); }
    // Another program writes the file: another size, so the change shows at once.
    void changeOnDisk(const Bytes& bytes) { dir.write("doc.bin", bytes); }
    Bytes document() const { return Bytes(core.buffer.data.get(), core.buffer.data.get() + core.buffer.size); }

    TempDir dir;
    const std::string path = dir.write("doc.bin", {1, 2, 3, 4});
    RecordingSurface surface;
    ScriptedShell shell;
    EditorCore core;
};

TEST_F(FileFlow, UnsavedChangesAreSettledAsAnswered)
{
    struct Case {
        const char* what;
        bool modified;
        Answer answer;
        bool goesOn;
        Bytes onDisk;
    };
    const Case cases[] = {
        {"nothing to save", false, Answer::cancel, true, {1, 2, 3, 4}},
        {"yes saves", true, Answer::yes, true, {'Z', 2, 3, 4}},
        {"no goes on without saving", true, Answer::no, true, {1, 2, 3, 4}},
        {"cancel stops", true, Answer::cancel, false, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startOver();
        if (c.modified) {
            edit();
        }
        shell.answers = {c.answer};
        EXPECT_EQ(core.files.settleUnsavedChanges(), c.goesOn);
        EXPECT_EQ(shell.questions, std::vector<std::wstring>(c.modified, L"Save changes to " + name() + L"?"));
        EXPECT_EQ(TempDir::read(path), c.onDisk);
    }
}

TEST_F(FileFlow, CompareWithAndMarksLastUntilAnotherDocumentOpens)
{
    const std::string lengths = " The lengths differ: the document has 4 bytes, the other file ";
    struct Case {
        Bytes other;
        std::string summary;
    };
    const Case cases[] = {
        {{1, 2, 3, 4}, "The files are identical."},
        {{9, 2, 3, 8}, "The files differ in 2 bytes. The first difference is at offset 0x0."},
        {{1, 2}, "The files differ in 2 bytes. The first difference is at offset 0x2." + lengths + "2 bytes."},
        {{1, 2, 3, 4, 5}, "The files are the same as far as the document goes." + lengths + "5 bytes."},
        {{}, "The files differ in 4 bytes. The first difference is at offset 0x0." + lengths + "0 bytes."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.summary);
        startOver();
        shell.dialogChoice = dir.write("other.bin", c.other);
        ASSERT_TRUE(core.comparison.compareFromDialog());
        const Message found = core.comparison.summary();
        EXPECT_EQ(found.text, wideFromUtf8(c.summary));
        EXPECT_EQ(found.caption, L"Nibblor");
        EXPECT_EQ(core.files.title(), L"Nibblor - " + name() + L" [comparing with other.bin]");
    }
    // F6 from the cursor at 0 takes the run that starts there: all four bytes against the empty file.
    ASSERT_TRUE(core.comparison.stepToDifference(true));
    EXPECT_EQ(selectedBytes(core).count, 4);
    EXPECT_FALSE(core.comparison.stepToDifference(true));
    forgetSelection(core); // as Copy does: the run stepped to is still passed over
    EXPECT_FALSE(core.comparison.stepToDifference(true));
    EXPECT_EQ(shell.messages, std::vector<std::wstring>(2, L"No more differences."));
    // An unreadable file leaves the comparison as it was; another document ends it.
    EXPECT_FALSE(core.comparison.compareWith(dir.file("missing.bin")));
    EXPECT_EQ(shell.messages.size(), 3u);
    EXPECT_TRUE(core.comparison.active());
    toggleBookmark(core);
    ASSERT_TRUE(core.files.openPath(path, false)); // the same file again is another document too
    EXPECT_FALSE(core.comparison.active());
    EXPECT_TRUE(core.buffer.marks.empty());
    EXPECT_FALSE(core.comparison.stepToDifference(false));
    EXPECT_EQ(surface.beeps, 1) << "nothing compared";
    EXPECT_EQ(core.files.title(), L"Nibblor - " + name());
}

// A relative name shows as given; the whole path follows a failure's first sentence.
TEST_F(FileFlow, ANameShowsAsGiven)
{
    const FilePath before = std::filesystem::current_path();
    std::filesystem::current_path(dir.file(""));
    shell.answers = {Answer::no};
    EXPECT_FALSE(core.files.openStartingFile("new.bin", true));
    EXPECT_FALSE(core.files.openPath("missing.bin", false));
    ASSERT_TRUE(core.files.openPath("doc.bin", false));
    std::filesystem::current_path(before);
    EXPECT_EQ(core.files.title(), L"Nibblor - doc.bin");
    EXPECT_EQ(shell.questions.at(0), L"new.bin does not exist. Create it?");
    EXPECT_EQ(shell.messages.at(0).rfind(L"Attempt to open \"missing.bin\" for binary read failed.\n\n" +
                                             FilePath(dir.file("missing.bin")).wstring() + L"\n\n", 0), 0u);
}

TEST_F(FileFlow, SaveDecidesByTheFileAndItsChanges)
{
    struct Case {
        const char* what;
        void (*arrange)(FileFlow&);
        std::deque<Answer> answers;
        bool saved;
        const wchar_t* askedOrTold; // the start of the question or message, if any
        Bytes onDisk;
    };
    const Case cases[] = {
        {"its own file", [](FileFlow&) {}, {}, true, nullptr, {'Z', 2, 3, 4}},
        {"deleted by another program: written back",
         [](FileFlow& t) { std::filesystem::remove(t.path); }, {}, true, nullptr, {'Z', 2, 3, 4}},
        {"changed by another program, overwrite",
         [](FileFlow& t) { t.changeOnDisk({9, 9}); }, {Answer::yes}, true, L" has been changed", {'Z', 2, 3, 4}},
        {"changed by another program, keep theirs",
         [](FileFlow& t) { t.changeOnDisk({9, 9}); }, {Answer::no}, false, L" has been changed", {9, 9}},
        {"read-only", [](FileFlow& t) { t.shell.filesReadOnly = true; }, {}, false,
         L" is read-only. Use Save As to save a copy.", {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startOver();
        edit();
        c.arrange(*this);
        shell.answers = c.answers;
        EXPECT_EQ(core.files.save(), c.saved);
        const auto& said = shell.questions.empty() ? shell.messages : shell.questions;
        ASSERT_EQ(said.size(), c.askedOrTold != nullptr ? 1u : 0u);
        if (c.askedOrTold != nullptr) {
            EXPECT_EQ(said[0].rfind(name() + c.askedOrTold, 0), 0u) << std::filesystem::path(said[0]).string();
        }
        EXPECT_EQ(TempDir::read(path), c.onDisk);
        EXPECT_EQ(core.history.modified(), !c.saved);
    }
}

TEST_F(FileFlow, OutsideChangesAreAskedAboutOnceEach)
{
    struct Case {
        const char* what;
        bool modified;
        Bytes theirs; // empty: deleted
        Answer answer;
        const wchar_t* question;
        Bytes after;
    };
    const Case cases[] = {
        {"reloaded", false, {7, 7, 7}, Answer::yes, L" has been changed by another program. Reload it?", {7, 7, 7}},
        {"kept", false, {7, 7, 7}, Answer::no, L" has been changed by another program. Reload it?", {1, 2, 3, 4}},
        {"edits lost on reload", true, {7, 7}, Answer::yes,
         L" has been changed by another program. Reload it and lose your changes?", {7, 7}},
        {"deleted: modified, nothing asked", false, {}, Answer::cancel, nullptr, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startOver();
        if (c.modified) {
            edit();
        }
        setCursorOffset(core, 3);
        if (c.theirs.empty()) {
            std::filesystem::remove(path);
        } else {
            changeOnDisk(c.theirs);
        }
        shell.answers = {c.answer};
        core.files.checkForOutsideChanges();
        core.files.checkForOutsideChanges(); // the same change is not asked about again
        ASSERT_EQ(shell.questions.size(), c.question != nullptr ? 1u : 0u);
        if (c.question != nullptr) {
            EXPECT_EQ(shell.questions[0], name() + c.question);
        }
        EXPECT_EQ(document(), c.after);
        EXPECT_EQ(core.cursorOffset, std::min<std::int32_t>(3, core.buffer.size)) << "kept, within the file";
        EXPECT_EQ(core.history.modified(), c.theirs.empty() || (c.modified && c.answer != Answer::yes))
            << "a deleted file is written back by Save";
    }
}

TEST_F(FileFlow, LongWorkIsNotInterruptedToReloadAndACancelledCompareTellsNothing)
{
    changeOnDisk({7, 7, 7});
    {
        const LongWork work;
        core.files.checkForOutsideChanges();
        EXPECT_TRUE(shell.questions.empty());
    }
    shell.answers = {Answer::no};
    core.files.checkForOutsideChanges();
    EXPECT_EQ(shell.questions.size(), 1u) << "asked once the work is over";
    ScriptedProgress cancelling(0);
    EXPECT_FALSE(core.comparison.compareWith(path, cancelling));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_FALSE(core.comparison.active());
}

TEST_F(FileFlow, AReadOnlyDocumentRefusesEveryChangeAndSaveButNotSaveAs)
{
    ASSERT_TRUE(core.files.openPath(path, true));
    EXPECT_EQ(core.files.title(), L"Nibblor - " + name() + L" [read-only]");
    setCursorOffset(core, 0);
    EXPECT_TRUE(typeCharacter(core, 'Q'));
    EXPECT_TRUE(typeDigit(core, '7'));
    EXPECT_FALSE(core.insertZeros(4));
    EXPECT_EQ(pasteText(core, "AB").outcome, PasteOutcome::declined);
    EXPECT_FALSE(core.files.save());
    EXPECT_EQ(surface.beeps, 5);
    EXPECT_EQ(document(), (Bytes{1, 2, 3, 4}));
    EXPECT_FALSE(core.files.saveAvailable());

    shell.dialogChoice = dir.file("copy.bin");
    EXPECT_TRUE(core.files.saveAs());
    EXPECT_TRUE(core.files.saveAvailable());
    EXPECT_EQ(core.files.title(), L"Nibblor - " + shell.dialogChoice.wstring());
    EXPECT_TRUE(typeCharacter(core, 'Q'));
    EXPECT_EQ(core.files.title(), L"Nibblor - " + shell.dialogChoice.wstring() + L" *");
}

// The Open and Save As dialogs cancelled, or a chosen file that cannot be
// held: the document and its name stay, and nothing is written.
TEST_F(FileFlow, OnlyAFileThatLoadsReplacesTheDocument)
{
    const std::string huge = dir.file("huge.bin");
    dir.write("huge.bin", {});
    std::filesystem::resize_file(huge, static_cast<std::uintmax_t>(INT32_MAX) + 1); // sparse
    const struct {
        std::string choice;
        OpenOutcome outcome;
        std::wstring told;
    } cases[] = {{"", OpenOutcome::cancelled, L""},
                 {huge, OpenOutcome::failed, L"File \"" + FilePath(huge).wstring() + L"\" is too large to open."},
                 {dir.write("other.bin", {9}), OpenOutcome::opened, L""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        shell.dialogChoice = c.choice;
        EXPECT_EQ(core.files.openFromDialog(false), c.outcome);
        EXPECT_EQ(shell.messages.empty() ? L"" : shell.messages.at(0).substr(0, c.told.size()), c.told);
        EXPECT_EQ(document(), c.outcome == OpenOutcome::opened ? Bytes{9} : (Bytes{1, 2, 3, 4}));
        startOver();
    }
    edit();
    EXPECT_FALSE(core.files.saveAs());
    EXPECT_EQ(core.buffer.name.absolute, FilePath(path));
    EXPECT_EQ(TempDir::read(path), (Bytes{1, 2, 3, 4}));
}

TEST_F(FileFlow, ARecentFileThatIsGoneMayLeaveTheList)
{
    const std::string other = dir.write("other.bin", {5});
    ASSERT_TRUE(core.files.openPath(other, false));
    std::filesystem::remove(path);
    shell.answers = {Answer::yes};
    EXPECT_EQ(core.files.openRecent(1), OpenOutcome::failed);
    EXPECT_EQ(shell.questions.at(0), L"Cannot find " + name() + L". Remove it from the list?");
    ASSERT_EQ(core.files.recentFiles().entries().size(), 1u);
    EXPECT_EQ(core.files.openRecent(0), OpenOutcome::opened);
    EXPECT_EQ(document(), Bytes{5});
}

TEST(RecentFiles, KeepsEightDistinctNamesNewestFirst)
{
    RecentFiles recent;
    recent.assign({L"", L"C:\\b.bin", L"C:\\B.BIN", L"C:\\a.bin"});
    ASSERT_EQ(recent.entries().size(), 2u);
    EXPECT_EQ(recent.entries()[0], FilePath(L"C:\\b.bin"));
    for (int i = 0; i < 10; ++i) {
        recent.add(FilePath(L"C:\\f" + std::to_wstring(i)));
    }
    recent.add(FilePath(L"C:\\F3"));
    ASSERT_EQ(recent.entries().size(), RecentFiles::capacity);
    EXPECT_EQ(recent.entries()[0], FilePath(L"C:\\F3"));
    EXPECT_EQ(recent.entries()[1], FilePath(L"C:\\f9"));
    EXPECT_EQ(RecentFiles::menuText(0, FilePath(L"C:\\R&D\\x.bin")), L"&1 C:\\R&&D\\x.bin");
}

} // namespace
