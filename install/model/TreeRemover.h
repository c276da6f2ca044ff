#pragma once

#include <QString>

namespace vx7::install {

// Removes folder trees without ever leaving them: symbolic links are deleted as links,
// never followed, and other volumes mounted inside the tree are not entered.
// Read-only files and folders inside the tree are removed too. A single entry that
// cannot be removed is skipped and the rest goes on.
class TreeRemover {
  public:
    struct Result {
        int filesRemoved = 0;   // files and links
        int foldersRemoved = 0; // the folder itself included
        int failures = 0;
        bool removed = false; // the folder itself is gone
    };

    // Removes folder and everything below it. A path that is not a real folder (a
    // link to one, a file, nothing) is left alone, as is the file-system root.
    static Result RemoveTree(const QString& folder);

    // Removes folder only when it is an empty real folder.
    static bool RemoveIfEmpty(const QString& folder);
};

} // namespace vx7::install
