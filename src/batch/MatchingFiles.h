#pragma once
// Listing the files of one folder that match "*." + a type, as the directory search of the
// program's original platform does: case does not matter, folders are skipped, and the names
// come in the order that platform's usual file system keeps them, by name without case.

#include "common/Text.h"

#include <functional>
#include <string_view>
#include <vector>

// Full paths (folder, a separator unless the folder ends with one, name) of the files in
// `folder`, not its sub-folders, whose names match "*." + `type`. `pumpPendingMessages` runs
// after each file found, so the window stays alive while a large folder is listed. A missing
// or unreadable folder, and a folder text that is no absolute path, give an empty list: an
// empty folder box names no folder, not the root of the file system.
std::vector<Text> listMatchingFiles(const Text& folder, const Text& type,
                                    const std::function<void()>& pumpPendingMessages = {});

// True when the file name `name` matches "*." + `type`: "*" stands for any run of characters
// and "?" for one, letters match in either case. As on the original platform, the type "*"
// matches every name and the empty type matches the names without a dot.
bool matchesTypePattern(std::string_view name, std::string_view type);
