#pragma once
// A comparison of the document with another file: that file's bytes as they
// were read, the run of differing bytes that F6 or Shift+F6 stepped to last,
// so that stepping again moves on from it, and the colour differing bytes are
// drawn in. Edits are compared as they are made, since nothing is kept but
// the other bytes.
#include <cstdint>

#include "document/Differences.h"
#include "document/FileBuffer.h"
#include "document/FileSteps.h"
#include "document/Progress.h"
#include "editor/Prompts.h"
#include "view/CoreTypes.h"

struct EditorCore;

class Comparison {
public:
    explicit Comparison(EditorCore& core) : core_(&core) {}

    // The text colour of bytes that differ from the other file's (red), one
    // of the display colours the settings keep.
    ColorRef differenceColor = 0x0000FF;

    // Going on while it has the other file's name.
    bool active() const { return !other_.name.empty(); }
    // The other file, named; its size is 0 while there is none.
    const FileBuffer& other() const { return other_; }

    // The Open dialog, then compareWith; false when cancelled or unreadable.
    bool compareFromDialog(Progress& progress = noProgress());
    // The file read as it is now, in steps, to compare the document with;
    // told and false, any comparison going on unchanged, when it cannot be
    // read; false, telling nothing, when the user cancels the reading.
    bool compareWith(const FilePath& path, Progress& progress = noProgress());
    // The other file's bytes as read take the place of any compared before;
    // no run stepped to yet.
    void begin(FileBuffer&& other);
    void stop();

    // What the comparison found: "The files are identical." or how many
    // bytes differ and where the first is, and whether the lengths differ.
    Message summary() const;
    // F6 or Shift+F6: the next or previous run of differing bytes selected,
    // the cursor on its first byte, brought into view. False, moving
    // nothing, when there is none ("No more differences." told), or when
    // nothing is compared (a beep).
    bool stepToDifference(bool forward);

    // A byte's text colour outside the cursor and the selection: the
    // difference colour while it differs from the compared file's.
    ColorRef cellTextColor(std::int32_t offset) const;
    // The differing cells of a data pane's painted rows, in the difference colour.
    void paintDifferences(Pane pane) const;

private:
    bool differs(std::int64_t offset) const;
    // The next run for the cursor: the one starting there unless it is
    // selected or was stepped to last (then the one after it).
    DifferenceRun next() const;
    // The last run that starts before the cursor.
    DifferenceRun previous() const;
    void titleChanged() const;

    EditorCore* core_;
    FileBuffer other_;
    DifferenceRun last_; // stepped to last
};
