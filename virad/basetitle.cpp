#include "virad/basetitle.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QToolButton>

namespace virad {

namespace Ui {

class BaseTitle
{
public:
    QHBoxLayout *horizontalLayout_3 = nullptr;
    QToolButton *btnApp = nullptr;
    QLabel *labelTitle = nullptr;
    QSpacerItem *horizontalSpacer = nullptr;
    QHBoxLayout *m_hlayoutCustomButtons = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QToolButton *btnOption = nullptr;
    QToolButton *btnMin = nullptr;
    QToolButton *btnMax = nullptr;
    QToolButton *btnClose = nullptr;

    void setupUi(QFrame *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("BaseTitle"));
        form->resize(428, 32);
        form->setMinimumSize(QSize(0, 32));

        horizontalLayout_3 = new QHBoxLayout(form);
        horizontalLayout_3->setSpacing(3);
        horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
        horizontalLayout_3->setContentsMargins(12, 3, 3, 3);

        btnApp = new QToolButton(form);
        btnApp->setObjectName(QStringLiteral("btnApp"));
        btnApp->setMinimumSize(QSize(24, 24));
        horizontalLayout_3->addWidget(btnApp);

        labelTitle = new QLabel(form);
        labelTitle->setObjectName(QStringLiteral("labelTitle"));
        horizontalLayout_3->addWidget(labelTitle);

        horizontalSpacer = new QSpacerItem(243, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_3->addItem(horizontalSpacer);

        m_hlayoutCustomButtons = new QHBoxLayout();
        m_hlayoutCustomButtons->setSpacing(6);
        m_hlayoutCustomButtons->setObjectName(QStringLiteral("m_hlayoutCustomButtons"));
        horizontalLayout_3->addLayout(m_hlayoutCustomButtons);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setSpacing(3);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        horizontalLayout->setContentsMargins(-1, -1, 0, -1);

        btnOption = new QToolButton(form);
        btnOption->setObjectName(QStringLiteral("btnOption"));
        btnOption->setMinimumSize(QSize(24, 24));
        horizontalLayout->addWidget(btnOption);

        btnMin = new QToolButton(form);
        btnMin->setObjectName(QStringLiteral("btnMin"));
        btnMin->setMinimumSize(QSize(24, 24));
        horizontalLayout->addWidget(btnMin);

        btnMax = new QToolButton(form);
        btnMax->setObjectName(QStringLiteral("btnMax"));
        btnMax->setMinimumSize(QSize(24, 24));
        horizontalLayout->addWidget(btnMax);

        btnClose = new QToolButton(form);
        btnClose->setObjectName(QStringLiteral("btnClose"));
        btnClose->setMinimumSize(QSize(24, 24));
        horizontalLayout->addWidget(btnClose);

        horizontalLayout_3->addLayout(horizontalLayout);

        retranslateUi(form);
    }

    void retranslateUi(QFrame *form)
    {
        form->setWindowTitle(QCoreApplication::translate("BaseTitle", "BaseTitle"));
        btnApp->setText(QString());
        labelTitle->setText(QString());
        btnOption->setText(QString());
        btnMin->setText(QString());
        btnMax->setText(QString());
        btnClose->setText(QString());
    }
};

} // namespace Ui

namespace {

void showButton(QAbstractButton *button, bool showIt)
{
    button->setVisible(showIt);
    button->setEnabled(showIt);
}

} // namespace

BaseTitle::BaseTitle(
    bool appButton, bool optionButton, bool minButton, bool maxButton, bool closeButton, QWidget *parent)
    : MovraGUIToolkit::CFancyTitle(parent)
    , ui(std::make_unique<Ui::BaseTitle>())
{
    ui->setupUi(this);

    setAppButtonShow(appButton);
    setOptionButtonShow(optionButton);
    setMinButtonShow(minButton);
    setMaxButtonShow(maxButton);
    setCloseButtonShow(closeButton);

    connect(ui->btnApp, &QToolButton::clicked, this, &BaseTitle::signalAppButtonClicked);
    connect(ui->btnOption, &QToolButton::clicked, this, &BaseTitle::signalOptionButtonClicked);
    connect(ui->btnMin, &QToolButton::clicked, this, &BaseTitle::signalMinButtonClicked);
    connect(ui->btnMax, &QToolButton::clicked, this, &BaseTitle::signalMaxButtonClicked);
    connect(ui->btnClose, &QToolButton::clicked, this, &BaseTitle::signalCloseButtonClicked);
}

BaseTitle::~BaseTitle()
{
    // The custom buttons stay children of the bar and go with it.
    while (QLayoutItem *item = ui->m_hlayoutCustomButtons->takeAt(0))
        delete item;
}

void BaseTitle::setAppButtonShow(bool showIt)
{
    showButton(ui->btnApp, showIt);
}

void BaseTitle::setOptionButtonShow(bool showIt)
{
    showButton(ui->btnOption, showIt);
}

void BaseTitle::setMinButtonShow(bool showIt)
{
    showButton(ui->btnMin, showIt);
}

void BaseTitle::setMaxButtonShow(bool showIt)
{
    showButton(ui->btnMax, showIt);
}

void BaseTitle::setCloseButtonShow(bool showIt)
{
    showButton(ui->btnClose, showIt);
}

void BaseTitle::addCustomButton(QAbstractButton *btn)
{
    Q_ASSERT(btn);
    if (!btn)
        return;
    ui->m_hlayoutCustomButtons->addWidget(btn);
}

void BaseTitle::setTitle(QString title)
{
    ui->labelTitle->setText(title);
}

void BaseTitle::setTitleIcon(QIcon icon)
{
    ui->btnApp->setIcon(icon);
}

} // namespace virad
