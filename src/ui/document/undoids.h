#pragma once
// The ids QUndoStack compares to decide whether a new step merges into the
// last one (QUndoCommand::id). A command that never merges answers kNoMerge.

enum class TUndoId : int {
    NoMerge = -1,
    SetField = 1,     // typing in one box: one step per typing run
    SetExtended = 2,  // the same for a box of an extended value
};
