#include "platform/flashplayer/flashprofile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

namespace {
// Page settings already keep local pages off the network; this also covers a movie that
// navigates the page itself somewhere else.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        static const QStringList allowed = {QStringLiteral("file"), QStringLiteral("data"),
                                            QStringLiteral("blob"), QStringLiteral("about")};
        if (allowed.contains(info.requestUrl().scheme()))
            return;
        qDebug() << "FlashPlayerWidget: blocked request for" << info.requestUrl().toString();
        info.block(true);
    }
};

QWebEngineProfile* profile = nullptr;
} // namespace

QWebEngineProfile* FlashProfile::shared()
{
    if (!profile) {
        profile = new QWebEngineProfile(QCoreApplication::instance()); // no name: off the record
        profile->setUrlRequestInterceptor(new LocalOnlyInterceptor(profile));
        QObject::connect(profile, &QObject::destroyed, [] { profile = nullptr; });
    }
    return profile;
}
