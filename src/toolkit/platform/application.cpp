#include "toolkit/platform/application.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

// The resource lives in a static library: this reference keeps the linker from
// dropping it. Q_INIT_RESOURCE must stand outside any namespace.
static void initialiseIconResource()
{
    Q_INIT_RESOURCE(icons);
}

#ifdef PIZARRIN_BUNDLED_QT_TRANSLATIONS
static void initialiseTranslationResource()
{
    Q_INIT_RESOURCE(translations);
}
#endif

namespace pizarrin {

QIcon applicationIcon()
{
    initialiseIconResource();
    // Every size the build compiled in; each file says its own.
    QIcon icon;
    const QDir icons(QStringLiteral(":/pizarrin/icons"));
    for (const QString& name : icons.entryList(QDir::Files))
        icon.addFile(icons.filePath(name));
    return icon;
}

QString qtSpanishTranslation()
{
#ifdef PIZARRIN_BUNDLED_QT_TRANSLATIONS
    initialiseTranslationResource();
    return QStringLiteral(":/pizarrin/translations/qtbase_es.qm");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_es.qm");
#endif
}

bool installQtTranslation(const QString& file)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

int installBundledFonts()
{
    int added = 0;
    QDirIterator fonts(QStringLiteral(":/pizarrin/fonts"), {QStringLiteral("*.ttf")}, QDir::Files);
    while (fonts.hasNext())
        added += QFontDatabase::addApplicationFont(fonts.next()) >= 0 ? 1 : 0;
    return added;
}

} // namespace pizarrin
