// Loads Qt's translation catalogue for the program's language.
#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace vorn::ui {

namespace {

// Qt's catalogue, except the caption of the main window over a maximised
// measurement: the main window writes it itself, in one form for every
// language, and Qt adds its own form whenever the two differ.
class QtTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        if (qstrcmp(context, "QMdiSubWindow") == 0
            && (qstrcmp(sourceText, "%1 - [%2]") == 0 || qstrcmp(sourceText, "- [%1]") == 0))
            return {};
        return QTranslator::translate(context, sourceText, disambiguation, n);
    }
};

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
    auto translator = std::make_unique<QtTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale, folder))
        return false;
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    s_installed = std::move(translator);
    return true;
}

} // namespace vorn::ui
