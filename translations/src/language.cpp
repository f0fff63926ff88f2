// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations/language.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace translations {
namespace {

QString& DatesLanguage() {
    static QString language;
    return language;
}

bool LoadWords(QTranslator& translator, const QString& language) {
    return Languages().contains(language) &&
           translator.load(QStringLiteral("satrivox_") + language, QStringLiteral(":/translations"));
}

bool LoadQtWords(QTranslator& translator, const QString& language) {
    return translator.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace

QStringList Languages() {
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"), QStringLiteral("pt_BR")};
}

QString ChosenLanguage(const QStringList& userLanguages) {
    const QStringList ours = Languages();
    for (QString wanted : userLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = wanted.section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c") || language == QLatin1String("posix")) {
            return {};
        }
        for (const QString& offered : ours) {
            if (offered.section(QLatin1Char('_'), 0, 0) == language) {
                return offered;
            }
        }
    }
    return {};
}

QLocale DatesLocale() {
    return DatesLanguage().isEmpty() ? QLocale() : QLocale(DatesLanguage());
}

UsersLanguage::UsersLanguage() : UsersLanguage(ChosenLanguage(QLocale::system().uiLanguages())) {}

UsersLanguage::UsersLanguage(const QString& language) : language_(language) {
    if (!language_.isEmpty() && LoadWords(words_, language_)) {
        LoadQtWords(qtWords_, language_);  // without them, Qt's dialogs speak English
    } else {
        language_.clear();
    }
}

UsersLanguage::~UsersLanguage() {
    if (DatesLanguage() == language_) {
        DatesLanguage().clear();
    }
}

QString UsersLanguage::Translated(const char* context, const char* text) const {
    const QString translated = words_.isEmpty() ? QString() : words_.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

void UsersLanguage::Install() {
    if (language_.isEmpty()) {
        return;
    }
    if (!qtWords_.isEmpty()) {
        QCoreApplication::installTranslator(&qtWords_);
    }
    QCoreApplication::installTranslator(&words_);
    DatesLanguage() = language_;
}

}  // namespace translations
