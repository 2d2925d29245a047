#include "batch/BatchOperations.h"

#include "batch/BatchPaths.h"
#include "batch/CountReading.h"
#include "batch/FileBytes.h"
#include "batch/LineSplitting.h"
#include "batch/MatchingFiles.h"
#include "batch/NoReplaceRename.h"
#include "batch/TextMarkers.h"
#include "common/Codec.h"

#include <cerrno>
#include <vector>

namespace {

constexpr int kFullBar = 1000;

// Reports only positions that differ from the last one reported in this run; the first one
// always goes out, since a run starts from wherever the previous run left the bar.
class ProgressReport {
public:
    explicit ProgressReport(const std::function<void(int)>& setProgress)
        : setProgress_(setProgress) {}
    void operator()(int position) {
        if (position != last_ && setProgress_) {
            last_ = position;
            setProgress_(position);
        }
    }

private:
    const std::function<void(int)>& setProgress_;
    int last_ = -1;
};

// An empty or relative folder text names no folder the user chose: nothing is created there.
bool namesAFolder(const Text& folder) {
    return !folder.empty() && folder.front() == kPathSeparator;
}

std::vector<Text> listFromFields(const BatchRun& run) {
    return listMatchingFiles(run.fields.read(BatchField::Folder), run.fields.read(BatchField::Type),
                             run.pumpPendingMessages);
}

// After the listing no event runs until the operation returns, so texts read once after it
// are the texts of every step.

void renameToSeries(const BatchRun& run) {
    const std::vector<Text> files = listFromFields(run);
    const Text folder = run.fields.read(BatchField::Folder);
    const Text prefix = run.fields.read(BatchField::Parameter);
    const Text type = run.fields.read(BatchField::Type);
    ProgressReport progress(run.setProgress);
    const long long count = static_cast<long long>(files.size());
    for (long long i = 1; i <= count; ++i) {
        const Text target = folder + kPathSeparator + prefix + decimal(i) + "." + type;
        if (isValidTargetPath(target)) {
            renameWithoutReplacing(files[static_cast<std::size_t>(i - 1)], target);
        }
        progress(progressPosition(i, count));
    }
}

void changeExtension(const BatchRun& run) {
    const std::vector<Text> files = listFromFields(run);
    const Text extension(extensionOf("." + run.fields.read(BatchField::Parameter)));
    if (extension.size() < 2) {
        return;
    }
    ProgressReport progress(run.setProgress);
    const long long count = static_cast<long long>(files.size());
    for (long long i = 1; i <= count; ++i) {
        const Text& file = files[static_cast<std::size_t>(i - 1)];
        const Text target = withExtension(file, extension);
        if (isValidTargetPath(target)) {
            renameWithoutReplacing(file, target);
        }
        progress(progressPosition(i, count));
    }
}

// A failure that every later file of the folder would meet as well ends the run: a missing
// or read-only folder, a full disk.
bool failsForWholeFolder(int error) {
    return error == ENOENT || error == ENOTDIR || error == EROFS || error == ENOSPC ||
           error == EDQUOT;
}

void generateFiles(const BatchRun& run) {
    const Text countText = run.fields.read(BatchField::Parameter);
    const long long count = fileCountOf(countText);
    const long long divisor = progressDivisorOf(countText);
    const Text folder = run.fields.read(BatchField::Folder);
    const Text type = run.fields.read(BatchField::Type);
    const Text content = run.fields.read(BatchField::Content);
    if (!namesAFolder(folder)) {
        return;
    }
    ProgressReport progress(run.setProgress);
    for (long long i = 1; i <= count; ++i) {
        errno = 0;
        if (!replaceFileBytes(folder + kPathSeparator + decimal(i) + "." + type, content) &&
            failsForWholeFolder(errno)) {
            return;
        }
        progress(progressPosition(i, divisor));
    }
}

void deleteFiles(const BatchRun& run) {
    const std::vector<Text> files = listFromFields(run);
    ProgressReport progress(run.setProgress);
    const long long count = static_cast<long long>(files.size());
    for (long long i = 1; i <= count; ++i) {
        deleteFile(files[static_cast<std::size_t>(i - 1)]);
        progress(progressPosition(i, count));
    }
}

void mergeIntoSummary(const BatchRun& run) {
    const std::vector<Text> files = listFromFields(run);
    // The collecting buffer holds file contents byte for byte, whatever their encoding; only
    // its final state, empty, goes back into the edit box.
    Text collected = run.fields.read(BatchField::Content);
    ProgressReport progress(run.setProgress);
    const long long count = static_cast<long long>(files.size());
    for (long long i = 1; i <= count; ++i) {
        appendFileTextUpToNul(files[static_cast<std::size_t>(i - 1)], collected);
        progress(progressPosition(i, count));
    }
    const Text folder = run.fields.read(BatchField::Folder);
    if (!namesAFolder(folder)) {
        return;
    }
    replaceFileBytes(folder + kPathSeparator + summaryFileName(), collected);
    run.fields.write(BatchField::Content, {});
}

void splitLines(const BatchRun& run) {
    run.fields.write(BatchField::Type, "txt");
    const Text source = run.fields.read(BatchField::Folder);
    Text text;
    if (namesAFolder(source)) {
        appendFileTextUpToNul(source, text);
    }
    ProgressReport progress(run.setProgress);
    splitLinesIntoFiles(expandTextMarkers(text), folderPartOf(run.fields.read(BatchField::Folder)),
                        [&progress](int position) { progress(position); });
}

} // namespace

int progressPosition(long long done, long long total) {
    if (total <= 0 || done <= 0) {
        return 0;
    }
    return done >= total ? kFullBar : static_cast<int>(done * kFullBar / total);
}

const Text& summaryFileName() {
    return "汇总.TXT"_gbk;
}

void runBatchOperation(int operation, const BatchRun& run) {
    switch (static_cast<BatchOperation>(operation)) {
    case BatchOperation::RenameToSeries:
        renameToSeries(run);
        break;
    case BatchOperation::ChangeExtension:
        changeExtension(run);
        break;
    case BatchOperation::GenerateFiles:
        generateFiles(run);
        break;
    case BatchOperation::DeleteFiles:
        deleteFiles(run);
        break;
    case BatchOperation::MergeIntoSummary:
        mergeIntoSummary(run);
        break;
    case BatchOperation::SplitLinesIntoFiles:
        splitLines(run);
        break;
    default:
        break;
    }
}
