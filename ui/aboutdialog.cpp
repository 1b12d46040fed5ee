#include "ui/aboutdialog.h"

#include "app/configuremanager.h"
#include "virad/basedialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

AboutDialog::AboutDialog(QObject *parent)
    : virad::CDlgAbout(parent)
{
    setName(tr("Orvane"));
    setBtn1Text(tr("User Help"));
    setBtn2Text(tr("Update Scence"));
    setVersion(tr("v3.0.0.1build") + QString::number(buildNumber()));
    setConerBtnVisible(false);
    // Made before the main window's own connection, so the manual opens
    // before the menu closes.
    connect(this, &AboutDialog::siganlBtn1Clicked, this, &AboutDialog::onGetHelp);
}

AboutDialog::~AboutDialog() = default;

bool AboutDialog::onGetHelp()
{
    const uint language = apt::ConfigureManager::instance()->translator();

    QString path = QDir::currentPath();
    if (language == 1) {
        // Kept as UTF-8, which is what the locale codec is on the Linux
        // desktops this build runs on; decoding it explicitly keeps the name
        // right whatever codec start-up handed the toolkit.
        path += QString::fromUtf8("/Orvane用户使用手册.pdf");
    } else if (language == 0) {
        path += QStringLiteral("/User Manual of Kestrune Orvane_V4.0.0_20150916.pdf");
    }

    // The desktop's opener (xdg-open) reports success before it has looked at
    // the file, so a missing manual has to be caught here. fromLocalFile
    // encodes the blanks and the Chinese characters of the names.
    if (QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;

    virad::BaseDialog hint(false, false, false, false, true, false, false, nullptr);
    // The plain widget call: the dialog's own setFixedSize would also size
    // the content area.
    hint.QWidget::setFixedSize(350, 220);
    hint.setTitle(tr("Hint"));
    hint.setBottomVisible(false);
    hint.setObjectName(QStringLiteral("APP_WARNINGDLG"));
    hint.setDefaultText(tr("No user manual found."));
    // Over the window whose menu holds this panel, like the program's other messages.
    if (const QWidget *menu = associatedWidgets().value(0))
        hint.centreOver(menu->parentWidget() ? menu->parentWidget()->window() : nullptr);
    emit signalCover();
    hint.exec();
    emit signalDiscover();
    return false;
}
