#pragma once

#include <QString>

// Where a publish lands and under which name, the same for the settings dialog and the
// command-line publisher: a name that is one plain entry of the destination (never the
// destination itself or its parent) and free there, never one that overwrites an earlier
// slideshow.
namespace PublishTarget {

// The nine characters a published name may not hold, in this order.
QString forbiddenCharacters();
bool hasForbiddenCharacter(const QString& name);

// Why `name` cannot name a slideshow (blank; a forbidden or a control character; dots only, as
// "." and ".." are the destination and its parent; longer than a file name may be), or empty
// when it can. No path is built from a name that fails this.
QString nameProblem(const QString& name);
inline bool isUsableName(const QString& name)
{
    return nameProblem(name).isEmpty();
}

struct Placement
{
    QString folder; // the folder the kit writes into (no trailing "/")
    QString name;   // the publish name (no suffix)
    bool isValid() const { return !folder.isEmpty(); }
};

// Profile 0 ("xml") writes into a new folder inside `destination` named after `name`, numbered
// "(1)", "(2)", ... when that folder exists; the name itself stays. The single-file profiles
// write into `destination` and number the name instead when its output file exists there.
// Nothing is created here. A name that is not usable gives an invalid placement.
Placement place(const QString& name, const QString& destination, int profile);

// The suffix of the file whose name must be free for `profile` (empty for the folder profile).
QString outputSuffix(int profile);

} // namespace PublishTarget
