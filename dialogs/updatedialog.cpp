#include "dialogs/updatedialog.h"

#include "catalogue/deviceconfigreader.h"

#include "toolkit/targetpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QTextStream>
#include <QVBoxLayout>

namespace Ui {

class UpdateDialog
{
public:
    QVBoxLayout *verticalLayout_3 = nullptr;
    QSpacerItem *verticalSpacer = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QSpacerItem *horizontalSpacer = nullptr;
    QVBoxLayout *verticalLayout_2 = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QSpacerItem *horizontalSpacer_3 = nullptr;
    QLabel *m_tipIcon = nullptr;
    QLabel *m_tipText = nullptr;
    QSpacerItem *horizontalSpacer_4 = nullptr;
    QHBoxLayout *horizontalLayout_3 = nullptr;
    QSpacerItem *horizontalSpacer_5 = nullptr;
    QVBoxLayout *verticalLayout_4 = nullptr;
    QPushButton *m_btnExport = nullptr;
    QPushButton *m_btnImport = nullptr;
    QSpacerItem *horizontalSpacer_6 = nullptr;
    QLabel *m_labelTip = nullptr;
    QSpacerItem *horizontalSpacer_2 = nullptr;
    QSpacerItem *verticalSpacer_2 = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("UpdateDialog"));
        form->resize(558, 340);
        QSizePolicy sizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
        sizePolicy.setHorizontalStretch(0);
        sizePolicy.setVerticalStretch(0);
        sizePolicy.setHeightForWidth(form->sizePolicy().hasHeightForWidth());
        form->setSizePolicy(sizePolicy);
        form->setMaximumSize(QSize(16777215, 10000));

        verticalLayout_3 = new QVBoxLayout(form);
        verticalLayout_3->setSpacing(6);
        verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
        verticalLayout_3->setContentsMargins(11, 11, 11, 11);
        verticalSpacer = new QSpacerItem(20, 67, QSizePolicy::Minimum, QSizePolicy::Preferred);
        verticalLayout_3->addItem(verticalSpacer);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setSpacing(6);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout->addItem(horizontalSpacer);

        verticalLayout_2 = new QVBoxLayout();
        verticalLayout_2->setSpacing(32);
        verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));

        verticalLayout = new QVBoxLayout();
        verticalLayout->setSpacing(20);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));

        horizontalLayout_2 = new QHBoxLayout();
        horizontalLayout_2->setSpacing(6);
        horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
        horizontalSpacer_3 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_2->addItem(horizontalSpacer_3);
        m_tipIcon = new QLabel(form);
        m_tipIcon->setObjectName(QStringLiteral("m_tipIcon"));
        m_tipIcon->setMinimumSize(QSize(16, 16));
        m_tipIcon->setMaximumSize(QSize(16, 16));
        horizontalLayout_2->addWidget(m_tipIcon);
        m_tipText = new QLabel(form);
        m_tipText->setObjectName(QStringLiteral("m_tipText"));
        m_tipText->setWordWrap(false);
        horizontalLayout_2->addWidget(m_tipText);
        horizontalSpacer_4 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_2->addItem(horizontalSpacer_4);
        verticalLayout->addLayout(horizontalLayout_2);

        horizontalLayout_3 = new QHBoxLayout();
        horizontalLayout_3->setSpacing(6);
        horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
        horizontalSpacer_5 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_3->addItem(horizontalSpacer_5);
        verticalLayout_4 = new QVBoxLayout();
        verticalLayout_4->setSpacing(20);
        verticalLayout_4->setObjectName(QStringLiteral("verticalLayout_4"));
        m_btnExport = new QPushButton(form);
        m_btnExport->setObjectName(QStringLiteral("m_btnExport"));
        m_btnExport->setMinimumSize(QSize(210, 30));
        m_btnExport->setMaximumSize(QSize(210, 16777215));
        verticalLayout_4->addWidget(m_btnExport);
        m_btnImport = new QPushButton(form);
        m_btnImport->setObjectName(QStringLiteral("m_btnImport"));
        m_btnImport->setMinimumSize(QSize(0, 30));
        m_btnImport->setMaximumSize(QSize(210, 16777215));
        verticalLayout_4->addWidget(m_btnImport);
        horizontalLayout_3->addLayout(verticalLayout_4);
        horizontalSpacer_6 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_3->addItem(horizontalSpacer_6);
        verticalLayout->addLayout(horizontalLayout_3);

        verticalLayout_2->addLayout(verticalLayout);

        m_labelTip = new QLabel(form);
        m_labelTip->setObjectName(QStringLiteral("m_labelTip"));
        m_labelTip->setMaximumSize(QSize(16777215, 120));
        m_labelTip->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_labelTip->setWordWrap(true);
        verticalLayout_2->addWidget(m_labelTip);

        horizontalLayout->addLayout(verticalLayout_2);
        horizontalSpacer_2 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout->addItem(horizontalSpacer_2);

        verticalLayout_3->addLayout(horizontalLayout);

        verticalSpacer_2 = new QSpacerItem(20, 67, QSizePolicy::Minimum, QSizePolicy::Preferred);
        verticalLayout_3->addItem(verticalSpacer_2);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *)
    {
        m_tipIcon->setText(QCoreApplication::translate("UpdateDialog", "TextLabel"));
        m_tipText->setText(QCoreApplication::translate("UpdateDialog", "tip text"));
        m_btnExport->setText(QCoreApplication::translate("UpdateDialog", "Export Data"));
        m_btnImport->setText(QCoreApplication::translate("UpdateDialog", "Import Templete"));
        m_labelTip->setText(QCoreApplication::translate("UpdateDialog", "Tip: Need to Restart"));
    }
};

} // namespace Ui

namespace {

// The picture a scene row names is copied under its file name only: the text
// after the last '/' or '\', without a drive prefix such as "D:". Names that
// would not stay a plain file inside the picture folder give an empty text.
QString pictureFileName(const QString &path)
{
    const QString name = DeviceConfigReader::scencePictureName(path);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return name;
}

// Writes `data` over `target` through a temporary file beside it, so the old
// file stays whole unless the new one is complete.
bool replaceFile(const QString &target, const QByteArray &data)
{
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Without a commit the temporary file is discarded.
    if (file.write(data) != data.size())
        return false;
    return file.commit();
}

bool readFile(const QString &path, QByteArray *data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *data = file.readAll();
    return file.error() == QFileDevice::NoError;
}

void copyPicture(const QString &source, const QString &name)
{
    const QDir folder(MovraGUIToolkit::GetTargetPathFile(QStringLiteral("ScenePicture")));
    const QString target = folder.absoluteFilePath(name);
    // A last guard: whatever the name, the copy lands in the picture folder.
    if (QFileInfo(target).absolutePath() != folder.absolutePath())
        return;
    QByteArray data;
    if (readFile(source, &data))
        replaceFile(target, data);
}

} // namespace

UpdateDialog::UpdateDialog(QWidget *parent)
    : virad::BaseDialog(false, false, false, false, true, true, false, parent)
    , ui(std::make_unique<Ui::UpdateDialog>())
{
    setTitle(tr("Update Data"));

    m_borderWidget = new QWidget;
    m_borderWidget->setObjectName(QStringLiteral("UpdateDialog_m_borderWidget"));
    ui->setupUi(m_borderWidget);
    setContentWidget(m_borderWidget);

    setFixedSize(400, 300);

    connect(ui->m_btnExport, &QPushButton::clicked, this, &UpdateDialog::onExportTemplate);
    connect(ui->m_btnImport, &QPushButton::clicked, this, &UpdateDialog::onImportScene);
    showResult(0, true);
    ui->m_labelTip->hide();
}

UpdateDialog::~UpdateDialog()
{
    delete m_borderWidget;
}

void UpdateDialog::showResult(int kind, bool ok)
{
    if (kind != 1 && kind != 2) {
        ui->m_tipText->setText(QString());
        ui->m_tipIcon->setPixmap(QPixmap());
        return;
    }
    ui->m_tipText->show();
    ui->m_tipIcon->show();
    ui->m_tipIcon->setPixmap(
        QPixmap(ok ? QStringLiteral(":/CommonSkin/Orvane/Images/Orvane/DeviceInfo/icon_state_ok.png")
                   : QStringLiteral(":/CommonSkin/Orvane/Images/Orvane/DeviceInfo/icon_state_error.png")));
    if (kind == 1)
        ui->m_tipText->setText(ok ? tr("Export Success.") : tr("Export Failure."));
    else
        ui->m_tipText->setText(ok ? tr("Import Success, Restart Software to Work.") : tr("Import Failure."));
}

void UpdateDialog::onExportTemplate()
{
    // Qt's own dialog behaves the same on every desktop and under test.
    const QString proposed = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                 .filePath(QStringLiteral("Template.csv"));
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Save File"), proposed, QStringLiteral("*.csv"), nullptr, QFileDialog::DontUseNativeDialog);
    if (fileName.isEmpty()) {
        showResult(0, true);
        return;
    }

    if (QFile::exists(fileName) && !QFile::remove(fileName)) {
        showResult(1, false);
        return;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite)) {
        showResult(1, false);
        return;
    }
    QTextStream out(&file);
    out << tr("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path") << '\n';
    out << tr("Hospital,H.265,720P,1204,D:\\secne\\hospital1.png") << '\n';
    out << tr("Hospital,H.264,1080P,2048,D:\\secne\\hospital2.png") << '\n';
    out << '\n';
    out.flush();
    file.close();
    showResult(1, true);
}

void UpdateDialog::onImportScene()
{
    const QString fileName = QFileDialog::getOpenFileName(
        this, tr("Open File"), QString(), QStringLiteral("*.csv"), nullptr, QFileDialog::DontUseNativeDialog);
    if (fileName.isEmpty()) {
        showResult(0, true);
        return;
    }

    // The table is swapped in only once its copy is complete; a failure keeps
    // the old one untouched.
    QByteArray table;
    if (!readFile(fileName, &table)
        || !replaceFile(MovraGUIToolkit::GetTargetPathFile(QStringLiteral("Scene.csv")), table)) {
        showResult(2, false);
        return;
    }

    QTextStream in(&table, QIODevice::ReadOnly | QIODevice::Text);
    in.readLine();
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(','), Qt::KeepEmptyParts);
        if (fields.size() < 5)
            continue;
        const QString source = fields.at(4);
        const QString name = pictureFileName(source);
        if (!name.isEmpty())
            copyPicture(source, name);
    }
    showResult(2, true);
}
