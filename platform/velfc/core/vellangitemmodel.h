#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The user-interface languages Lumaro ships: English (the source texts) and every
// translations/lumaro_<lang>.qm in the application folder. The model lists them by their own
// name ("English", "Deutsch"); the language code sits under Qt::UserRole.
class VelLangItemModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit VelLangItemModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Codes of the installed languages, "en" first.
    static QStringList availableLanguages();
    // The language of this session: the stored choice when installed, else the system's
    // language when installed, else "en".
    static QString currentLangName();
    // Stores the choice and installs its translators (widgets get a LanguageChange event).
    static void setCurrentLangName(const QString& name);
    // Loads Qt's own and Lumaro's translations for currentLangName(), replacing earlier ones.
    static void installTranslators();

private:
    QStringList languages;
};
