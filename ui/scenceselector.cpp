#include "ui/scenceselector.h"

#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QResizeEvent>
#include <QSpacerItem>
#include <QStyle>
#include <QVBoxLayout>

namespace Ui {

class ScenceSelector
{
public:
    QGridLayout *gridLayout_2;
    QGridLayout *gridLayout;
    QLabel *m_labelScence;
    QSpacerItem *horizontalSpacer;
    QHBoxLayout *horizontalLayout;
    QVBoxLayout *verticalLayout;
    QLabel *m_labelScenceImage;
    QListWidget *m_listWidgetScences;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("ScenceSelector"));
        form->resize(636, 567);

        gridLayout_2 = new QGridLayout(form);
        gridLayout_2->setSpacing(6);
        gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
        gridLayout_2->setContentsMargins(0, 0, 0, 0);

        gridLayout = new QGridLayout();
        gridLayout->setSpacing(6);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));

        m_labelScence = new QLabel(form);
        m_labelScence->setObjectName(QStringLiteral("m_labelScence"));
        gridLayout->addWidget(m_labelScence, 1, 0, 1, 1);

        horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        gridLayout->addItem(horizontalSpacer, 1, 1, 1, 1);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setSpacing(0);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));

        verticalLayout = new QVBoxLayout();
        verticalLayout->setSpacing(6);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        verticalLayout->setContentsMargins(-1, 5, 6, 5);

        m_labelScenceImage = new QLabel(form);
        m_labelScenceImage->setObjectName(QStringLiteral("m_labelScenceImage"));
        m_labelScenceImage->setMinimumSize(QSize(40, 0));
        m_labelScenceImage->setMaximumSize(QSize(16777215, 16777215));
        m_labelScenceImage->setMargin(0);
        verticalLayout->addWidget(m_labelScenceImage);

        horizontalLayout->addLayout(verticalLayout);

        m_listWidgetScences = new QListWidget(form);
        m_listWidgetScences->setObjectName(QStringLiteral("m_listWidgetScences"));
        m_listWidgetScences->setMinimumSize(QSize(90, 0));
        m_listWidgetScences->setMaximumSize(QSize(90, 16777215));
        m_listWidgetScences->setFocusPolicy(Qt::NoFocus);
        m_listWidgetScences->setFrameShape(QFrame::NoFrame);
        m_listWidgetScences->setFrameShadow(QFrame::Plain);
        horizontalLayout->addWidget(m_listWidgetScences);

        horizontalLayout->setStretch(0, 1);

        gridLayout->addLayout(horizontalLayout, 2, 0, 1, 2);

        gridLayout_2->addLayout(gridLayout, 0, 0, 1, 1);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(QCoreApplication::translate("ScenceSelector", "ScenceSelector"));
        m_labelScenceImage->setText(QCoreApplication::translate("ScenceSelector",
            "<html><head/><body><p align=\"center\"><span style=\" font-weight:600; "
            "color:#acacac;\">Get Picture Failure</span></p></body></html>"));
        m_labelScence->setText(QCoreApplication::translate("ScenceSelector", "Scence:"));
    }
};

} // namespace Ui

ScenceSelector::ScenceSelector(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ScenceSelector)
{
    ui->setupUi(this);
    ui->m_listWidgetScences->setSpacing(5);
}

ScenceSelector::~ScenceSelector() = default;

void ScenceSelector::setScenceData(QVector<SCENCE_ITEM> scenceData)
{
    // Clearing the list already hands the buttons to deferred deletion;
    // deleting them now takes them out of that queue.
    ui->m_listWidgetScences->clear();
    qDeleteAll(m_mapScenceButtons);
    m_mapScenceButtons.clear();

    for (const SCENCE_ITEM &item : qAsConst(scenceData))
        addScenceItem(item);
}

void ScenceSelector::addScenceItem(SCENCE_ITEM scenceItem)
{
    if (m_mapScenceButtons.contains(scenceItem.iScenceType))
        return;

    ui->m_listWidgetScences->addItem(QString());
    QListWidgetItem *listItem = ui->m_listWidgetScences->item(ui->m_listWidgetScences->count() - 1);

    auto *button = new ScenceQRaidoButton(nullptr, scenceItem.iScenceType, scenceItem.strScenceName);
    button->setToolTip(scenceItem.strScenceName);

    listItem->setSizeHint(QSize(70, 27));
    ui->m_listWidgetScences->setItemWidget(listItem, button);

    if (scenceItem.iScenceType == 0) {
        button->setCheckable(true);
        button->setChecked(true);
    }

    m_mapScenceButtons.insert(scenceItem.iScenceType, button);
    connect(button, &ScenceQRaidoButton::signalScenceButtonClick, this, &ScenceSelector::OnScenceSelected);
}

void ScenceSelector::OnScenceSelected(int sceneType)
{
    // The editor refreshes its lists, picture and rate before the buttons
    // change state.
    emit signalScenceChanged(sceneType);

    ScenceQRaidoButton *selected = m_mapScenceButtons.value(sceneType, nullptr);
    Q_ASSERT(selected);
    if (!selected || selected->isChecked())
        return;

    selected->setCheckable(true);
    selected->setChecked(true);
    repolish(selected);

    for (auto it = m_mapScenceButtons.constBegin(); it != m_mapScenceButtons.constEnd(); ++it) {
        ScenceQRaidoButton *button = it.value();
        if (button == selected)
            continue;
        button->setChecked(false);
        button->setCheckable(false);
        repolish(button);
    }
}

void ScenceSelector::setScencePicture(const QString &path)
{
    m_strPicturePath = path;

    if (!path.isEmpty() && QFile::exists(path)) {
        ui->m_labelScenceImage->clear();
        ui->m_labelScenceImage->setStyleSheet(QString());
        const QPixmap picture(path);
        if (picture.isNull()) {
            ui->m_labelScenceImage->setPixmap(QPixmap());
            return;
        }
        // Scaled to the label's device pixels, so the picture stays sharp on
        // high-density screens; its logical size is still exactly the label's.
        const qreal ratio = ui->m_labelScenceImage->devicePixelRatioF();
        QPixmap scaled = picture.scaled(
            ui->m_labelScenceImage->size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        ui->m_labelScenceImage->setPixmap(scaled);
        return;
    }

    ui->m_labelScenceImage->clear();
    ui->m_labelScenceImage->setStyleSheet(
        QStringLiteral("QLabel#m_labelScenceImage{background-color:#f4f5f6;border: 1px solid #dadada;}"));
    ui->m_labelScenceImage->setText(
        QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-weight:600; "
                       "color:#cccccc;\">%1</span></p></body></html>")
            .arg(tr("Get Picture Failure")));
}

void ScenceSelector::resizeEvent(QResizeEvent *event)
{
    // Reload rather than rescale the shown pixmap, so repeated resizes never
    // stretch an already stretched picture.
    setScencePicture(m_strPicturePath);
    QWidget::resizeEvent(event);
}

void ScenceSelector::repolish(QWidget *widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    style()->unpolish(widget);
    style()->polish(widget);
    widget->update();
}

ScenceSelector::ScenceQRaidoButton::ScenceQRaidoButton(QWidget *parent, int scenceType, const QString &text)
    : QPushButton(text, parent)
    , m_iScenceType(scenceType)
{
    connect(this, &QPushButton::clicked, this, &ScenceQRaidoButton::OnScenceButtonClicked);
}

void ScenceSelector::ScenceQRaidoButton::OnScenceButtonClicked()
{
    emit signalScenceButtonClick(m_iScenceType);
}
