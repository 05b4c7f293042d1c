#include "platform/velfc/core/velskin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
bool isRelative(const QString& path)
{
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || path.startsWith(QLatin1Char(':')))
        return false;
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return !scheme.match(path).hasMatch();
}

QString absoluteIn(const QString& folder, const QString& path)
{
    return isRelative(path) ? QDir::cleanPath(folder + QLatin1Char('/') + path) : path;
}
} // namespace

QStringList VelSkin::installedSkins(const QString& skinDir)
{
    QStringList skins;
    const QDir dir(skinDir);
    const QStringList folders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& folder : folders) {
        if (QFileInfo(dir.filePath(folder + QStringLiteral("/style.qss"))).isFile())
            skins << folder;
    }
    return skins;
}

QString VelSkin::resolvePaths(const QString& styleSheet, const QString& skinFolder)
{
    // url( optional quote, path, same quote )
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*(["']?)([^"')]*)\1\s*\))"));
    static const QRegularExpression property(
        QStringLiteral(R"((qproperty-\w*[Ii]mage\s*:\s*)(["'])([^"']*)\2)"));

    QString result;
    qsizetype last = 0;
    auto it = url.globalMatch(styleSheet);
    while (it.hasNext()) {
        const auto m = it.next();
        result += styleSheet.mid(last, m.capturedStart() - last);
        result += QStringLiteral("url(\"") + absoluteIn(skinFolder, m.captured(2).trimmed()) +
                  QStringLiteral("\")");
        last = m.capturedEnd();
    }
    result += styleSheet.mid(last);

    QString resolved;
    last = 0;
    auto pit = property.globalMatch(result);
    while (pit.hasNext()) {
        const auto m = pit.next();
        resolved += result.mid(last, m.capturedStart() - last);
        resolved += m.captured(1) + QLatin1Char('"') + absoluteIn(skinFolder, m.captured(3)) +
                    QLatin1Char('"');
        last = m.capturedEnd();
    }
    resolved += result.mid(last);
    return resolved;
}

QString VelSkin::loadStyleSheet(const QString& skinDir, const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String("..") ||
        name == QLatin1String("."))
        return {};
    const QString folder = QDir(skinDir).filePath(name);
    QFile file(folder + QStringLiteral("/style.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return resolvePaths(QString::fromUtf8(file.readAll()), QFileInfo(folder).absoluteFilePath());
}
