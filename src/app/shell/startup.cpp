#include "shell/startup.h"

#include "shell/main_window.h"

#include "common/program_version.h"
#include "widgets/qt_text.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace hullcalc {

void installRussianTranslations(QApplication& qtApplication)
{
    // Qt's own dialogs name months and days, and read the buttons' texts, in
    // the default locale: Russian whatever the system's.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&qtApplication);
    if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), "qtbase", "_", folder))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

std::unique_ptr<Application> startUp(QApplication& qtApplication, const QStringList& arguments)
{
    QApplication::setApplicationName("hullcalc");
    QApplication::setApplicationVersion(toQString(programVersion()));
    installRussianTranslations(qtApplication);
    auto application = std::make_unique<Application>();
    application->mainWindow().show();
    // `hullcalc FILE` opens a project or an input data file.
    if (!arguments.isEmpty())
        application->session().open(arguments.front(), &application->mainWindow());
    return application;
}

}  // namespace hullcalc
