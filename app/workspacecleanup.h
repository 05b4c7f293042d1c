#pragma once

#include <QString>

// Removes the workspace when the program closes: the folder stored under "Temporary" with all
// it holds, then the folders above it that the program made for it, as far as they are empty.
// Settings can be damaged or edited by hand, so the first step only ever deletes a folder that
// carries the workspace's own name, never through a symbolic link, and the second only removes
// folders recorded when the workspace was created (ensureWorkspaceFolder), never one that was
// there before. Returns false when a stored workspace was refused.
bool cleanUpWorkspace();
