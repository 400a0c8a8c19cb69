#include "i18n/WindowLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace windowlanguage {

QStringList translatedCodes()
{
    QStringList codes;
    for (const Language& language : Choices)
        if (*language.code && QLatin1String(language.code) != QLatin1String(SourceCode))
            codes << QString::fromLatin1(language.code);
    return codes;
}

QString resolve(const QString& stored, const QStringList& uiLanguages)
{
    const QString source = QString::fromLatin1(SourceCode);
    const QStringList translated = translatedCodes();
    const QString chosen = stored.trimmed().toLower();
    if (chosen == source || translated.contains(chosen))
        return chosen;
    // "de-AT", "de_DE" and "de" all ask for German; English anywhere in the list before a
    // translated language keeps the windows English.
    for (const QString& wanted : uiLanguages) {
        const QString code = wanted.left(2).toLower();
        if (code == source || translated.contains(code))
            return code;
    }
    return source;
}

QString resourceFile(const QString& code)
{
    return QStringLiteral(":/i18n/quillor_%1.qm").arg(code);
}

} // namespace windowlanguage

WindowTranslation::~WindowTranslation()
{
    for (const auto& translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
}

bool WindowTranslation::install(const QString& code)
{
    if (code == QLatin1String(windowlanguage::SourceCode))
        return true;
    const auto load = [this](const QString& file, const QString& folder = {}) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get()))
            return false;
        m_loaded << (folder.isEmpty() ? file : folder + QLatin1Char('/') + file);
        m_translators.push_back(std::move(translator));
        return true;
    };
    // Qt's own texts (the colour and file dialogs' buttons) first, so that the game's,
    // installed last and so asked first, win where both translate a text.
    load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return load(windowlanguage::resourceFile(code));
}
