#pragma once
// What the Checksums dialog sums, and how it says so: the selected bytes, or
// the whole document without a selection.
#include <optional>
#include <string>

#include "commands/ChecksumRun.h"

struct EditorCore;

// "Selection: 0x10-0x2F, 32 bytes" or "Whole document: 1,234 bytes".
std::string checksumScopeText(const EditorCore& core);
// The sums of those bytes, made in steps; none when the user cancels.
std::optional<ChecksumResult> checksumsOf(const EditorCore& core, DigestMaker& digests, Sha1Check& check,
                                          Progress& progress);
