#include "calc/sizedisplaypage.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Ui {

class SizeDisplayPage
{
public:
    QGridLayout *gridLayout;
    QVBoxLayout *verticalLayout;
    QLabel *m_labelDisplaySizeTitle;
    QWidget *m_WidgetSizeBack;
    QGridLayout *gridLayout_2;
    QLabel *m_labelDisplaySize;

    void setupUi(QWidget *page)
    {
        if (page->objectName().isEmpty())
            page->setObjectName(QStringLiteral("SizeDisplayPage"));
        page->resize(322, 340);

        gridLayout = new QGridLayout(page);
        gridLayout->setSpacing(0);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setContentsMargins(0, 0, 0, 0);
        verticalLayout = new QVBoxLayout();
        verticalLayout->setSpacing(6);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));

        m_labelDisplaySizeTitle = new QLabel(page);
        m_labelDisplaySizeTitle->setObjectName(QStringLiteral("m_labelDisplaySizeTitle"));
        verticalLayout->addWidget(m_labelDisplaySizeTitle);

        m_WidgetSizeBack = new QWidget(page);
        m_WidgetSizeBack->setObjectName(QStringLiteral("m_WidgetSizeBack"));
        m_WidgetSizeBack->setMinimumSize(QSize(320, 320));
        m_WidgetSizeBack->setMaximumSize(QSize(320, 320));
        m_WidgetSizeBack->setStyleSheet(QStringLiteral("/*border-radius:160;\nbackground-color:pink;*/"));
        gridLayout_2 = new QGridLayout(m_WidgetSizeBack);
        gridLayout_2->setSpacing(0);
        gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
        gridLayout_2->setContentsMargins(0, 0, 0, 0);
        m_labelDisplaySize = new QLabel(m_WidgetSizeBack);
        m_labelDisplaySize->setObjectName(QStringLiteral("m_labelDisplaySize"));
        m_labelDisplaySize->setMinimumSize(QSize(250, 110));
        m_labelDisplaySize->setMaximumSize(QSize(250, 110));
        m_labelDisplaySize->setStyleSheet(QStringLiteral("/*background-color:blue*/\nfont-size:30px;\n"));
        gridLayout_2->addWidget(m_labelDisplaySize, 0, 0, 1, 1);
        verticalLayout->addWidget(m_WidgetSizeBack);
        verticalLayout->setStretch(1, 1);

        gridLayout->addLayout(verticalLayout, 0, 0, 1, 1);

        retranslateUi(page);
    }

    void retranslateUi(QWidget *page)
    {
        page->setWindowTitle(QCoreApplication::translate("SizeDisplayPage", "SizeDisplayPage"));
        m_labelDisplaySizeTitle->setText(
            QCoreApplication::translate("SizeDisplayPage", "Calculate the required disk capacity :"));
        m_labelDisplaySize->setText(QCoreApplication::translate("SizeDisplayPage",
            "<html><head/><body><p align=\"center\"><span style=\" font-size:48pt; color:#467dd3;\">0</span>"
            "<span style=\" font-size:20pt; color:#467dd3;\">MB</span></p></body></html>"));
    }
};

} // namespace Ui

SizeDisplayPage::SizeDisplayPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SizeDisplayPage)
{
    ui->setupUi(this);
}

SizeDisplayPage::~SizeDisplayPage() = default;

void SizeDisplayPage::displaySize(const QString &size, const QString &unit)
{
    // Fixed markup, not translated.
    const QString sizeTemplate
        = QLatin1String("\t<html>\t<head/>\t\t<body>\t\t\t<p align=\"center\">"
                        "\t\t\t\t<span style=\" font-size:48pt; color:#467dd3;\">%1</span>"
                        "\t\t\t\t<span style=\" font-size:16pt; color:#467dd3;\"/>"
                        "\t\t\t\t<span style=\" font-size:20pt; color:#467dd3;\">%2</span>"
                        "\t\t\t</p>\t\t</body>\t</html>\t");
    ui->m_labelDisplaySize->setText(sizeTemplate.arg(size).arg(unit));
}
