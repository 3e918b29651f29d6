// Loads Qt's translation catalogue for the program's language.
#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace vorn::ui {

namespace {

// The one translator this program installs; replaced on every switch.
std::unique_ptr<QTranslator> s_installed;

} // namespace

QString qtLocaleName(const QString &usedLang)
{
    if (usedLang == u"Magyar")
        return QStringLiteral("hu");
    if (usedLang == u"German")
        return QStringLiteral("de");
    return {};
}

QString qtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool installQtTranslation(const QString &usedLang, const QString &folder)
{
    if (s_installed) {
        QCoreApplication::removeTranslator(s_installed.get());
        s_installed.reset();
    }
    const QString locale = qtLocaleName(usedLang);
    if (locale.isEmpty())
        return false;
    // qtbase holds the texts of every Qt window the program shows, the print
    // dialogs included.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale, folder))
        return false;
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    s_installed = std::move(translator);
    return true;
}

} // namespace vorn::ui
