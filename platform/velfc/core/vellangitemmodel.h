#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The user-interface languages Lumaro ships: English (the source texts) and every
// translations/lumaro_<lang>.qm in the application folder. The model lists them by their own
// name ("English", "Deutsch", "Português (Brasil)", "简体中文"); the code sits under Qt::UserRole.
class VelLangItemModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit VelLangItemModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Codes of the installed languages, "en" first.
    static QStringList availableLanguages();
    // The language of this session: the stored choice when installed, else the first of the
    // system's user-interface languages that is installed, else "en".
    static QString currentLangName();
    // The first of `preferred` (BCP 47 or POSIX names, most wanted first, as
    // QLocale::uiLanguages gives them) that `installed` has, matched by language and, where
    // the language is written in several scripts, by script; English ends the search, as the
    // source texts are English. "en" when none matches.
    static QString pickLanguage(const QStringList& preferred, const QStringList& installed);
    // A language's name in itself, as the language menu shows it.
    static QString nativeName(const QString& code);
    // Stores the choice and installs its translators (widgets get a LanguageChange event).
    static void setCurrentLangName(const QString& name);
    // Loads Qt's own and Lumaro's translations for currentLangName(), replacing earlier ones.
    static void installTranslators();

private:
    QStringList languages;
};
