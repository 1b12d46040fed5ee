#include "virad/cdlgabout.h"

#include "virad/widget.h"

#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace virad {

namespace Ui {

class AboutClass
{
public:
    QGridLayout *gridLayout_5 = nullptr;
    QWidget *AboutWidget = nullptr;
    QGridLayout *gridLayout = nullptr;
    QVBoxLayout *verticalLayout_3 = nullptr;
    QHBoxLayout *TopLayout = nullptr;
    QSpacerItem *verticalSpacer_2 = nullptr;
    QSpacerItem *horizontalSpacer = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QPushButton *m_conerBtn = nullptr;
    QSpacerItem *verticalSpacer = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QLabel *SoftIcon = nullptr;
    QVBoxLayout *verticalLayout_2 = nullptr;
    QLabel *m_labNameValue = nullptr;
    QLabel *m_labVersionValue = nullptr;
    QSpacerItem *verticalSpacer_3 = nullptr;
    QFrame *aboutLine1 = nullptr;
    QSpacerItem *verticalSpacer_4 = nullptr;
    QHBoxLayout *horizontalLayout_3 = nullptr;
    QSpacerItem *horizontalSpacer_2 = nullptr;
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QPushButton *aboutbtn1 = nullptr;
    QFrame *aboutLine2 = nullptr;
    QPushButton *aboutbtn2 = nullptr;
    QSpacerItem *horizontalSpacer_3 = nullptr;
    QSpacerItem *verticalSpacer_5 = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("AboutClass"));
        form->resize(288, 155);

        gridLayout_5 = new QGridLayout(form);
        gridLayout_5->setSpacing(0);
        gridLayout_5->setObjectName(QStringLiteral("gridLayout_5"));
        gridLayout_5->setContentsMargins(0, 0, 0, 0);

        AboutWidget = new QWidget(form);
        AboutWidget->setObjectName(QStringLiteral("AboutWidget"));

        gridLayout = new QGridLayout(AboutWidget);
        gridLayout->setSpacing(0);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setContentsMargins(0, 0, 0, 0);

        verticalLayout_3 = new QVBoxLayout();
        verticalLayout_3->setSpacing(0);
        verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
        verticalLayout_3->setContentsMargins(21, -1, 21, -1);

        TopLayout = new QHBoxLayout();
        TopLayout->setSpacing(6);
        TopLayout->setObjectName(QStringLiteral("TopLayout"));
        TopLayout->setContentsMargins(-1, 19, -1, -1);
        verticalSpacer_2 = new QSpacerItem(20, 27, QSizePolicy::Minimum, QSizePolicy::Fixed);
        TopLayout->addItem(verticalSpacer_2);
        horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        TopLayout->addItem(horizontalSpacer);

        verticalLayout = new QVBoxLayout();
        verticalLayout->setSpacing(0);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        m_conerBtn = new QPushButton(AboutWidget);
        m_conerBtn->setObjectName(QStringLiteral("m_conerBtn"));
        m_conerBtn->setMaximumSize(QSize(16777215, 17));
        verticalLayout->addWidget(m_conerBtn);
        verticalSpacer = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
        verticalLayout->addItem(verticalSpacer);
        TopLayout->addLayout(verticalLayout);

        verticalLayout_3->addLayout(TopLayout);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setSpacing(20);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        SoftIcon = new QLabel(AboutWidget);
        SoftIcon->setObjectName(QStringLiteral("SoftIcon"));
        SoftIcon->setMinimumSize(QSize(40, 40));
        SoftIcon->setMaximumSize(QSize(40, 40));
        horizontalLayout->addWidget(SoftIcon);

        verticalLayout_2 = new QVBoxLayout();
        verticalLayout_2->setSpacing(5);
        verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
        QFont font;
        font.setPointSize(9);
        m_labNameValue = new QLabel(AboutWidget);
        m_labNameValue->setObjectName(QStringLiteral("m_labNameValue"));
        m_labNameValue->setFont(font);
        verticalLayout_2->addWidget(m_labNameValue);
        m_labVersionValue = new QLabel(AboutWidget);
        m_labVersionValue->setObjectName(QStringLiteral("m_labVersionValue"));
        m_labVersionValue->setFont(font);
        verticalLayout_2->addWidget(m_labVersionValue);
        horizontalLayout->addLayout(verticalLayout_2);
        horizontalLayout->setStretch(1, 1);

        verticalLayout_3->addLayout(horizontalLayout);

        verticalSpacer_3 = new QSpacerItem(20, 14, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout_3->addItem(verticalSpacer_3);

        aboutLine1 = new QFrame(AboutWidget);
        aboutLine1->setObjectName(QStringLiteral("aboutLine1"));
        aboutLine1->setFrameShadow(QFrame::Plain);
        aboutLine1->setFrameShape(QFrame::HLine);
        verticalLayout_3->addWidget(aboutLine1);

        verticalSpacer_4 = new QSpacerItem(20, 12, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout_3->addItem(verticalSpacer_4);

        horizontalLayout_3 = new QHBoxLayout();
        horizontalLayout_3->setSpacing(0);
        horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
        horizontalSpacer_2 = new QSpacerItem(13, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_3->addItem(horizontalSpacer_2);

        horizontalLayout_2 = new QHBoxLayout();
        horizontalLayout_2->setSpacing(14);
        horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
        aboutbtn1 = new QPushButton(AboutWidget);
        aboutbtn1->setObjectName(QStringLiteral("aboutbtn1"));
        aboutbtn1->setMaximumSize(QSize(16777215, 17));
        horizontalLayout_2->addWidget(aboutbtn1);
        aboutLine2 = new QFrame(AboutWidget);
        aboutLine2->setObjectName(QStringLiteral("aboutLine2"));
        aboutLine2->setMaximumSize(QSize(16777215, 11));
        aboutLine2->setFrameShadow(QFrame::Plain);
        aboutLine2->setFrameShape(QFrame::VLine);
        horizontalLayout_2->addWidget(aboutLine2);
        aboutbtn2 = new QPushButton(AboutWidget);
        aboutbtn2->setObjectName(QStringLiteral("aboutbtn2"));
        aboutbtn2->setMaximumSize(QSize(16777215, 17));
        horizontalLayout_2->addWidget(aboutbtn2);
        horizontalLayout_2->setStretch(0, 1);
        horizontalLayout_2->setStretch(2, 1);
        horizontalLayout_3->addLayout(horizontalLayout_2);

        horizontalSpacer_3 = new QSpacerItem(13, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_3->addItem(horizontalSpacer_3);

        verticalLayout_3->addLayout(horizontalLayout_3);

        verticalSpacer_5 = new QSpacerItem(20, 14, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout_3->addItem(verticalSpacer_5);

        gridLayout->addLayout(verticalLayout_3, 0, 0, 1, 1);
        gridLayout_5->addWidget(AboutWidget, 2, 0, 1, 1);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(QCoreApplication::translate("AboutClass", "About"));
        m_conerBtn->setText(QCoreApplication::translate("AboutClass", "PushButton"));
        SoftIcon->setText(QString());
        m_labNameValue->setText(QCoreApplication::translate("AboutClass", "TextLabel"));
        m_labVersionValue->setText(QCoreApplication::translate("AboutClass", "TextLabel"));
        aboutbtn1->setText(QCoreApplication::translate("AboutClass", "PushButton"));
        aboutbtn2->setText(QCoreApplication::translate("AboutClass", "PushButton"));
    }
};

} // namespace Ui

CDlgAbout::CDlgAbout(QObject *parent)
    : QWidgetAction(parent)
    , ui(std::make_unique<Ui::AboutClass>())
{
    // The action owns the panel (setDefaultWidget); a menu that shows the
    // action borrows it and hands it back when it goes.
    m_panel = new Widget;
    ui->setupUi(m_panel);
    m_panel->setWindowTitle(tr("About"));
    m_panel->setFixedSize(288, 134);
    setDefaultWidget(m_panel);
    m_panel->setObjectName(QStringLiteral("AboutDialog_ID_FX_CANNOT_BE_MULTI"));

    ui->m_labVersionValue->setText(
        tr(" v2.0.0.3") + QStringLiteral(" Build") + QString::number(buildNumber()));

    connect(ui->aboutbtn1, &QPushButton::clicked, this, &CDlgAbout::siganlBtn1Clicked);
    connect(ui->aboutbtn2, &QPushButton::clicked, this, &CDlgAbout::siganlBtn2Clicked);
    connect(ui->m_conerBtn, &QPushButton::clicked, this, &CDlgAbout::signalConerBtnClicked);
}

CDlgAbout::~CDlgAbout()
{
    // The base keeps the panel in a guarded pointer, so deleting it here first
    // is safe and leaves the form's pointers unused.
    delete m_panel;
}

void CDlgAbout::setName(QString name)
{
    ui->m_labNameValue->setText(tr("Name: ") + name);
}

void CDlgAbout::setVersion(QString version)
{
    ui->m_labVersionValue->setText(tr("Version: ") + version);
}

void CDlgAbout::setBtn1Text(QString text)
{
    ui->aboutbtn1->setText(text);
}

void CDlgAbout::setBtn2Text(QString text)
{
    ui->aboutbtn2->setText(text);
}

void CDlgAbout::setConerBtnVisible(bool visible)
{
    ui->m_conerBtn->setVisible(visible);
}

uint CDlgAbout::buildNumber()
{
    return buildNumber(__DATE__);
}

uint CDlgAbout::buildNumber(const char *date)
{
    if (!date)
        return 0;
    static const char *const months[]
        = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    const QString text = QString::fromLatin1(date);
    QString month = text.mid(0, 3);
    for (int i = 0; i < 12; ++i) {
        if (month == QLatin1String(months[i])) {
            month = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
            break;
        }
    }
    // The compiler pads a one-digit day with a blank ("Jun  1 2016").
    const uint day = text.mid(4, 2).trimmed().toUInt();
    const QString year = text.mid(7, 4);
    const QString digits = year + month + QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
    return digits.toUInt();
}

} // namespace virad
