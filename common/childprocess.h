#pragma once

class QProcess;

// The tools the program starts (the converter, the media-facts reader) end when the program
// does, also when it is killed outright and cannot stop them itself: they would otherwise go on
// writing into a folder that nobody removes any more.
void endWithParent(QProcess& process);
