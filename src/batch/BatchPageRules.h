#pragma once
// What the batch page shows and fills in for the chosen operation.

#include "common/Text.h"

#include <optional>
#include <vector>

// How the page follows the chosen operation: the captions to set (none: left as they are)
// and whether the parameter row and the content row are shown.
struct BatchPageLabels {
    std::optional<Text> folderCaption;
    std::optional<Text> parameterCaption;
    bool parameterRowVisible = false;
    bool contentRowVisible = false;
};

BatchPageLabels batchPageLabelsFor(int operation);

// The folder box's text for a path chosen in the dialog or dropped: the folder holding it,
// with its trailing separator, or for the line splitting the path itself (the source file).
Text folderTextFor(int operation, const Text& chosenPath);

// The text a drop hands over: the path of the one item dropped, or the paths of all items,
// each followed by CR LF, in the order given.
Text droppedPathsText(const std::vector<Text>& paths);
