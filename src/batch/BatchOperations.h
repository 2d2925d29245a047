#pragma once
// The six batch operations over the matching files of one folder or the lines of one text
// file. A run works directly on the file system, asks nothing and reports nothing; a file that
// cannot be renamed, created, read, written or deleted is skipped and the run goes on.

#include "common/Text.h"

#include <functional>

// The item index of the operation chooser.
enum class BatchOperation {
    RenameToSeries = 0,
    ChangeExtension = 1,
    GenerateFiles = 2,
    DeleteFiles = 3,
    MergeIntoSummary = 4,
    SplitLinesIntoFiles = 5,
};

// The page's four edit boxes.
enum class BatchField {
    Folder,    // the folder; for splitting, the source file's path
    Type,      // the file type, without its dot
    Parameter, // the prefix, the new extension or the number of files
    Content,   // the content of generated files; the merge's collecting buffer
};

// Where a run reads and writes the edit boxes. A run reads each text at the moment a step
// needs it: a listing lets events run, and they may change what the boxes hold.
class BatchFields {
public:
    virtual ~BatchFields() = default;
    virtual Text read(BatchField field) = 0;
    virtual void write(BatchField field, const Text& text) = 0;
};

struct BatchRun {
    BatchFields& fields;
    // The progress bar's new position, 0 to 1000; only changes are reported.
    std::function<void(int)> setProgress;
    // Lets pending events run; called by listings after each file found.
    std::function<void()> pumpPendingMessages;
};

// Runs the operation with the chooser's item index `operation`; any other index (no item
// chosen) does nothing.
void runBatchOperation(int operation, const BatchRun& run);

// The progress position after `done` of `total` steps: floor(done / total × 1000), never
// above the bar's end, so a run that counts past its total shows a full bar.
int progressPosition(long long done, long long total);

// The summary file's name, in the folder of a merge.
const Text& summaryFileName();
