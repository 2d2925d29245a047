#include "batch/BatchPageRules.h"

#include "batch/BatchOperations.h"
#include "batch/BatchPaths.h"
#include "common/Codec.h"

BatchPageLabels batchPageLabelsFor(int operation) {
    switch (static_cast<BatchOperation>(operation)) {
    case BatchOperation::RenameToSeries:
        return {"文件目录"_gbk, "取前缀名"_gbk, true, false};
    case BatchOperation::ChangeExtension:
        return {"文件目录"_gbk, "新扩展名"_gbk, true, false};
    case BatchOperation::GenerateFiles:
        return {std::nullopt, "生成数量"_gbk, true, true};
    default:
        return {};
    }
}

Text folderTextFor(int operation, const Text& chosenPath) {
    return operation == static_cast<int>(BatchOperation::SplitLinesIntoFiles)
               ? chosenPath
               : folderPartOf(chosenPath);
}

Text droppedPathsText(const std::vector<Text>& paths) {
    if (paths.size() == 1) {
        return paths.front();
    }
    Text text;
    for (const Text& path : paths) {
        text += path + "\r\n";
    }
    return text;
}
