#include "common/workers.h"

#include <QThread>
#include <QtGlobal>

#include <memory>
#include <vector>

namespace Workers {

int count()
{
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue(CountVariable, &ok);
    if (ok && asked >= 1 && asked <= 64)
        return asked;
    return qBound(1, QThread::idealThreadCount(), DefaultLimit);
}

void run(int threads, const std::function<void()>& work)
{
    std::vector<std::unique_ptr<QThread>> helpers;
    for (int i = 1; i < threads; ++i) {
        helpers.emplace_back(QThread::create(work));
        helpers.back()->start();
    }
    work();
    for (const auto& helper : helpers)
        helper->wait();
}

} // namespace Workers
