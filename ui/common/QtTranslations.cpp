// The interface's language and its catalogs.
#include "ui/common/QtTranslations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include "core/Translate.h"
#include "platform/QtText.h"

namespace velmora {

namespace {
// The translators this module installed; QPointer, since they go with the application object.
QPointer<QTranslator> ownCatalog;
QPointer<QTranslator> englishCatalog;
QPointer<QTranslator> qtCatalog;
QPointer<QCoreApplication> installedFor;
bool installedComplete = false;

Text translateCoreText(const char* context, const char* source, const char* disambiguation, int n) {
    return toText(QCoreApplication::translate(context, source, disambiguation, n));
}

void uninstall(QPointer<QTranslator>& translator) {
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// Loads one catalog into a new translator owned by the application; nullptr when missing.
QTranslator* loaded(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}
} // namespace

QStringList shippedLanguages() {
    return {QStringLiteral("en"), QStringLiteral("zh_TW"), QStringLiteral("ja"),
            QStringLiteral("ko"), QStringLiteral("de"),    QStringLiteral("fr"),
            QStringLiteral("es"), QStringLiteral("pt_BR"), QStringLiteral("ru")};
}

QString interfaceLanguage(const QStringList& uiLanguages) {
    for (const QString& entry : uiLanguages) {
        const QLocale locale(entry);
        switch (locale.language()) {
        case QLocale::Chinese:
            return locale.script() == QLocale::TraditionalHanScript ? QStringLiteral("zh_TW")
                                                                    : QString();
        case QLocale::English:
            return QStringLiteral("en");
        case QLocale::German:
            return QStringLiteral("de");
        case QLocale::French:
            return QStringLiteral("fr");
        case QLocale::Spanish:
            return QStringLiteral("es");
        case QLocale::Portuguese:
            return QStringLiteral("pt_BR");
        case QLocale::Russian:
            return QStringLiteral("ru");
        case QLocale::Japanese:
            return QStringLiteral("ja");
        case QLocale::Korean:
            return QStringLiteral("ko");
        default:
            break; // no catalog: the next language the user reads
        }
    }
    return QStringLiteral("en");
}

bool installTranslations(const QString& language) {
    uninstall(ownCatalog);
    uninstall(englishCatalog);
    uninstall(qtCatalog);
    installedFor = QCoreApplication::instance();
    setTranslateFunction(translateCoreText);
    bool complete = true;
    if (!language.isEmpty()) {
        // English under every other language: a text its catalog lacks is read in English,
        // not in the source's Chinese. The translator installed last is asked first.
        if (language != QStringLiteral("en")) {
            englishCatalog = loaded(QStringLiteral("velmora_en"), QStringLiteral(":/i18n"));
            complete = englishCatalog != nullptr;
        }
        // A catalog without one finished entry yet loads nothing; it is still shipped.
        const QString name = QStringLiteral("velmora_") + language;
        ownCatalog = loaded(name, QStringLiteral(":/i18n"));
        complete = complete && QFile::exists(QStringLiteral(":/i18n/%1.qm").arg(name));
    }
    // Qt's own texts are English without a catalog.
    if (language != QStringLiteral("en")) {
        qtCatalog = loaded(QStringLiteral("qtbase_") +
                               (language.isEmpty() ? QStringLiteral("zh_CN") : language),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        complete = complete && qtCatalog != nullptr;
    }
    installedComplete = complete;
    return complete;
}

bool installQtTranslations() {
    if (installedFor && installedFor == QCoreApplication::instance())
        return installedComplete;
    return installTranslations(interfaceLanguage(QLocale::system().uiLanguages()));
}

} // namespace velmora
