#pragma once

// Sets how many files the workers take at once (LUMARO_THREADS) for one scope, so a test can
// force one file at a time or several whatever the machine's cores.
#include <QByteArray>
#include <QtGlobal>

class WorkerCount
{
public:
    explicit WorkerCount(int threads) : had(qEnvironmentVariableIsSet(Name)), before(qgetenv(Name))
    {
        qputenv(Name, QByteArray::number(threads));
    }
    ~WorkerCount()
    {
        if (had)
            qputenv(Name, before);
        else
            qunsetenv(Name);
    }
    WorkerCount(const WorkerCount&) = delete;
    WorkerCount& operator=(const WorkerCount&) = delete;

private:
    static constexpr char Name[] = "LUMARO_THREADS";
    bool had;
    QByteArray before;
};
