#pragma once

struct ImageInfo;

// Brings a photo's working copy and thumbnail in the workspace up to date after an orientation
// command: with operations, the newest one is applied to both files (they already carry the
// older ones); without (the photo was restored), the backups are copied over them. Returns false
// when a file could not be read or written.
bool applyPhotoOperation(const ImageInfo& info);
