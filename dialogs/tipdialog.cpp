#include "dialogs/tipdialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

namespace NM_Orvane {

namespace Ui {

class TipDialog
{
public:
    QVBoxLayout *verticalLayout = nullptr;
    QSpacerItem *verticalSpacer = nullptr;
    QLabel *m_labelTip = nullptr;
    QSpacerItem *verticalSpacer_2 = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("TipDialog"));
        form->resize(323, 150);

        verticalLayout = new QVBoxLayout(form);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        verticalSpacer = new QSpacerItem(20, 51, QSizePolicy::Minimum, QSizePolicy::Expanding);
        verticalLayout->addItem(verticalSpacer);
        m_labelTip = new QLabel(form);
        m_labelTip->setObjectName(QStringLiteral("m_labelTip"));
        m_labelTip->setAlignment(Qt::AlignCenter);
        verticalLayout->addWidget(m_labelTip);
        verticalSpacer_2 = new QSpacerItem(20, 51, QSizePolicy::Minimum, QSizePolicy::Expanding);
        verticalLayout->addItem(verticalSpacer_2);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(QCoreApplication::translate("TipDialog", "Form"));
        m_labelTip->setText(QCoreApplication::translate("TipDialog", "sure"));
    }
};

} // namespace Ui

TipDialog::TipDialog(QWidget *parent)
    : virad::BaseDialog(false, false, false, false, true, true, true, parent)
    , ui(std::make_unique<Ui::TipDialog>())
{
    // Created without a parent; setContentWidget hands it to the dialog.
    m_contentWidget = new QWidget();
    ui->setupUi(m_contentWidget);
    setContentWidget(m_contentWidget);

    setEnableDefaultConnections(true, true, true, true, true);
}

TipDialog::~TipDialog() = default;

void TipDialog::setTipText(const QString &text)
{
    ui->m_labelTip->setText(text);
}

} // namespace NM_Orvane
