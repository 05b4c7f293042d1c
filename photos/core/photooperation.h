#pragma once

#include "common/outcome.h"

struct ImageInfo;

// What became of an orientation command's file work: ok, or a sentence the user can read
// naming the file that could not be read or written.
using PhotoFileResult = Outcome;

// Brings a photo's working copy and thumbnail in the workspace up to date after an orientation
// command: with operations, the newest one is applied to both files (they already carry the
// older ones); without (the photo was restored), the backups are copied over them. A file is
// only replaced once its new content is complete, so a failure leaves the old one intact.
PhotoFileResult applyPhotoOperation(const ImageInfo& info);

// Makes the working copy and thumbnail again from the backups: each backup turned once by the
// operations newer than `bakedOperations`, or copied byte for byte when they add up to no turn
// at all. The files then depend on the record alone, so an undone step, a reopened project and
// a restored photo all give back the same pixels. Replaces files only when complete.
PhotoFileResult rebuildWorkingFiles(const ImageInfo& info);

// Makes `copy` a photo of its own, as the strip's copy of `original`: `original` with a new id,
// and its working copy, thumbnail and their backups copied in the workspace. On failure
// (the error names the file) `copy` is untouched and none of its files is left behind.
PhotoFileResult duplicatePhoto(const ImageInfo& original, ImageInfo& copy);
