#pragma once

#include <QString>

// A folder that lives only as long as one run (a publish's staging folder, the command-line
// publisher's private workspace) holds a lock file that the run keeps locked. A run killed
// outright, or a machine that went down, leaves such a folder behind with nobody holding its
// lock; the next run that looks removes it. A folder whose lock is held, and anything that does
// not look like one of these folders, is never touched.
class RunLock
{
public:
    RunLock() = default;
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // Puts the lock file into `folder` and holds its lock until release() or destruction.
    bool hold(const QString& folder);
    void release();
    bool isHeld() const { return fd >= 0; }

    // Removes every folder in `parent` named `prefix` and six letters or digits that belongs to
    // this user and holds a lock file nobody holds. Returns how many went.
    static int removeStale(const QString& parent, const QString& prefix);

    static constexpr char FileName[] = ".lumaro-run.lock";

private:
    int fd = -1;
};
