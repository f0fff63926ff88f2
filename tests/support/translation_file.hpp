// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QMap>
#include <QString>
#include <QXmlStreamReader>

#include <stdexcept>
#include <utility>

namespace satrivox::testing {

// A language's words as its Qt Linguist file gives them, read independently of
// the compiled translation the program loads: (context, source) to translation.
class TranslationFile {
public:
    explicit TranslationFile(const QString& language) {
        QFile file(QStringLiteral(SATRIVOX_TRANSLATIONS "/satrivox_%1.ts").arg(language));
        if (!file.open(QIODevice::ReadOnly)) {
            throw std::runtime_error("no translation file for " + language.toStdString());
        }
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                // A plural's forms run together here: tests choose other words.
                words_[{context, source}] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        }
    }

    // The translation of `source` in `context`; throws if the file has none.
    [[nodiscard]] QString operator()(const char* context, const char* source) const {
        const auto found = words_.find({QString::fromUtf8(context), QString::fromUtf8(source)});
        if (found == words_.end() || found->isEmpty()) {
            throw std::runtime_error(std::string("no translation of '") + source + "' in " + context);
        }
        return *found;
    }

private:
    QMap<std::pair<QString, QString>, QString> words_;
};

}  // namespace satrivox::testing
