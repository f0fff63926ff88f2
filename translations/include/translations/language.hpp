// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace translations {

// The languages Satrivox speaks besides English, as their files name them.
QStringList Languages();

// The first of the user's languages (most wanted first, as QLocale::uiLanguages()
// gives them: "de-AT", "pt_PT", "en-GB") that is English or one of ours; empty for
// English, and for none of ours. Another country's form of a language takes that
// language ("de-AT" German, "pt-PT" the Portuguese we have).
QString ChosenLanguage(const QStringList& userLanguages);

// The locale whose month and day names the program's dates use: the chosen
// language's, or the system's while the program speaks English.
QLocale DatesLocale();

// The words of a language (one of Languages(), or empty for English: none
// loaded), ours and Qt's, loaded before the application exists and put to use
// on it by Install(), until this is destroyed.
class UsersLanguage {
public:
    // The user's, from LANGUAGE, LC_ALL, LC_MESSAGES and LANG as Qt reads them.
    UsersLanguage();
    explicit UsersLanguage(const QString& language);
    ~UsersLanguage();
    UsersLanguage(const UsersLanguage&) = delete;
    UsersLanguage& operator=(const UsersLanguage&) = delete;

    [[nodiscard]] const QString& Language() const { return language_; }
    // `text` of `context` in the language, for what is said before the
    // application exists (its translators work only once it does).
    [[nodiscard]] QString Translated(const char* context, const char* text) const;
    // Makes the application speak the language, and write dates in it.
    void Install();

private:
    QString language_;
    QTranslator words_;
    QTranslator qtWords_;
};

}  // namespace translations
