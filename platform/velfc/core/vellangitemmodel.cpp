#include "platform/velfc/core/vellangitemmodel.h"

#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {
const QString sourceLanguage = QStringLiteral("en");

std::unique_ptr<QTranslator>& qtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& appTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void replaceTranslator(std::unique_ptr<QTranslator>& slot, const QString& file,
                       const QString& folder)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::make_unique<QTranslator>();
    if (slot->load(file, folder))
        QCoreApplication::installTranslator(slot.get());
    else
        slot.reset();
}
} // namespace

VelLangItemModel::VelLangItemModel(QObject* parent)
    : QAbstractListModel(parent), languages(availableLanguages())
{
}

int VelLangItemModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(languages.size());
}

QVariant VelLangItemModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= languages.size())
        return {};
    const QString& code = languages.at(index.row());
    if (role == Qt::DisplayRole)
        return nativeName(code);
    if (role == Qt::UserRole)
        return code;
    return {};
}

QStringList VelLangItemModel::availableLanguages()
{
    QStringList found{sourceLanguage};
    const QDir dir(Vel::applicationFolder() + QStringLiteral("/translations"));
    const QStringList files =
        dir.entryList({QStringLiteral("lumaro_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString code = file.mid(7, file.size() - 10); // "lumaro_" ... ".qm"
        if (!code.isEmpty() && !found.contains(code))
            found << code;
    }
    return found;
}

QString VelLangItemModel::currentLangName()
{
    const QStringList installed = availableLanguages();
    const QString stored = VelPref::instance()->value(PrefKey::Language).toString();
    if (installed.contains(stored))
        return stored;
    return pickLanguage(QLocale::system().uiLanguages(), installed);
}

QString VelLangItemModel::pickLanguage(const QStringList& preferred, const QStringList& installed)
{
    for (const QString& wanted : preferred) {
        const QLocale want(wanted);
        if (want.language() == QLocale::C)
            continue;
        if (want.language() == QLocale::English)
            return sourceLanguage;
        // The exact territory first (pt_BR for a Brazilian), then any of the language's.
        QString sameLanguage;
        for (const QString& code : installed) {
            const QLocale have(code);
            if (have.language() != want.language() || have.script() != want.script())
                continue;
            if (have.territory() == want.territory())
                return code;
            if (sameLanguage.isEmpty())
                sameLanguage = code;
        }
        if (!sameLanguage.isEmpty())
            return sameLanguage;
    }
    return sourceLanguage;
}

QString VelLangItemModel::nativeName(const QString& code)
{
    // Qt names English for its American variant; the source texts are plain English. Where one
    // language has several translations, the name says which one it is.
    if (code == sourceLanguage)
        return QStringLiteral("English");
    if (code == QLatin1String("pt_BR"))
        return QStringLiteral("Português (Brasil)");
    if (code == QLatin1String("zh_CN"))
        return QStringLiteral("简体中文");
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

void VelLangItemModel::setCurrentLangName(const QString& name)
{
    VelPref::instance()->setValue(PrefKey::Language, name);
    installTranslators();
}

void VelLangItemModel::installTranslators()
{
    const QString lang = currentLangName();
    replaceTranslator(qtTranslator(), QStringLiteral("qtbase_") + lang,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    replaceTranslator(appTranslator(), QStringLiteral("lumaro_") + lang,
                      Vel::applicationFolder() + QStringLiteral("/translations"));
}
