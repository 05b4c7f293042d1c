#pragma once

#include <QString>

// Where a workspace lies relative to another folder, and taking an old workspace away. The
// paths come from settings that can be edited by hand, so every rule here errs towards keeping
// things: folders are compared as the file system resolves them, and nothing is removed that is
// not inside the workspace or an emptied folder between it and its stored parent.
namespace WorkspacePlace {

// `path` made absolute and clean, with the part that exists resolved through symbolic links.
QString resolved(const QString& path);

// True when `inner` lies strictly inside `outer` (after resolving both).
bool isInside(const QString& inner, const QString& outer);

// True when both name the same folder, also through different names.
bool isSameFolder(const QString& a, const QString& b);

// Removes `folder` and then each parent while it is empty. Never goes above `limit` (which is
// removed too when it ends up empty), never removes the home folder, anything above it or the
// root, and stops at the first folder that is not empty or is a symbolic link. Nothing happens
// when `folder` does not lie in `limit`.
void removeEmptyFolders(const QString& folder, const QString& limit);

// Deletes the workspace `workspace` with everything in it, then its emptied parents up to
// `parentFolder` (the stored "TemporaryDir") when the workspace lies in it. A folder that does
// not carry the workspace's own name is refused (false) and left alone.
bool removeWorkspace(const QString& workspace, const QString& parentFolder);

// For a move with nothing to carry: removes the workspace's sub-folders and the workspace where
// they are empty, and the emptied parents up to `parentFolder` as above. Files stay.
void removeEmptyWorkspace(const QString& workspace, const QString& parentFolder);

} // namespace WorkspacePlace
