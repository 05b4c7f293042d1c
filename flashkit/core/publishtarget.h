#pragma once

#include <QString>
#include <QStringList>

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
// "(1)", "(2)", ... when an entry of that name exists; the name itself stays. The file profiles
// write into `destination` and number the name instead, until every file the profile writes is
// free there (for "swf+html" the page as much as the movie). Nothing is created here. A name
// that is not usable gives an invalid placement.
Placement place(const QString& name, const QString& destination, int profile);

// The suffixes of the files a profile writes under the publish name, the one to show last:
// "swf"; "swf" and "html"; "html". None for the folder profile.
QStringList outputSuffixes(int profile);

// `name` with a counter: "Show" and 2 give "Show(2)".
QString numbered(const QString& name, qint64 counter);

} // namespace PublishTarget
