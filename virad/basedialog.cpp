#include "virad/basedialog.h"

#include "virad/basetitle.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace virad {

namespace Ui {

class BaseDialog
{
public:
    QVBoxLayout *verticalLayout_3 = nullptr;
    QHBoxLayout *titleLayout = nullptr;
    QWidget *mainBorder = nullptr;
    QVBoxLayout *verticalLayout_2 = nullptr;
    QVBoxLayout *BorderLayout = nullptr;
    QLabel *m_labelNULL = nullptr;
    QWidget *m_BaseDialogBottom = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QSpacerItem *horizontalSpacer = nullptr;
    QHBoxLayout *layoutMyBtns = nullptr;
    QHBoxLayout *btnLayout = nullptr;
    QPushButton *btnConfirm = nullptr;
    QPushButton *btnCancel = nullptr;

    void setupUi(QDialog *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("BaseDialog"));
        form->resize(400, 475);

        verticalLayout_3 = new QVBoxLayout(form);
        verticalLayout_3->setSpacing(0);
        verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
        verticalLayout_3->setContentsMargins(0, 0, 0, 0);

        titleLayout = new QHBoxLayout();
        titleLayout->setSpacing(6);
        titleLayout->setObjectName(QStringLiteral("titleLayout"));
        verticalLayout_3->addLayout(titleLayout);

        mainBorder = new QWidget(form);
        mainBorder->setObjectName(QStringLiteral("mainBorder"));
        verticalLayout_2 = new QVBoxLayout(mainBorder);
        verticalLayout_2->setSpacing(0);
        verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
        verticalLayout_2->setContentsMargins(0, 0, 0, 0);
        BorderLayout = new QVBoxLayout();
        BorderLayout->setSpacing(0);
        BorderLayout->setObjectName(QStringLiteral("BorderLayout"));
        BorderLayout->setContentsMargins(0, -1, 0, -1);
        m_labelNULL = new QLabel(mainBorder);
        m_labelNULL->setObjectName(QStringLiteral("m_labelNULL"));
        m_labelNULL->setAlignment(Qt::AlignCenter);
        m_labelNULL->setWordWrap(true);
        BorderLayout->addWidget(m_labelNULL);
        verticalLayout_2->addLayout(BorderLayout);
        verticalLayout_3->addWidget(mainBorder);

        m_BaseDialogBottom = new QWidget(form);
        m_BaseDialogBottom->setObjectName(QStringLiteral("m_BaseDialogBottom"));
        m_BaseDialogBottom->setMinimumSize(QSize(0, 50));
        horizontalLayout = new QHBoxLayout(m_BaseDialogBottom);
        horizontalLayout->setSpacing(6);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        horizontalLayout->setContentsMargins(11, 11, 11, 11);
        horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout->addItem(horizontalSpacer);
        layoutMyBtns = new QHBoxLayout();
        layoutMyBtns->setSpacing(6);
        layoutMyBtns->setObjectName(QStringLiteral("layoutMyBtns"));
        horizontalLayout->addLayout(layoutMyBtns);
        btnLayout = new QHBoxLayout();
        btnLayout->setSpacing(6);
        btnLayout->setObjectName(QStringLiteral("btnLayout"));
        btnConfirm = new QPushButton(m_BaseDialogBottom);
        btnConfirm->setObjectName(QStringLiteral("btnConfirm"));
        btnConfirm->setMinimumSize(QSize(72, 30));
        btnLayout->addWidget(btnConfirm);
        btnCancel = new QPushButton(m_BaseDialogBottom);
        btnCancel->setObjectName(QStringLiteral("btnCancel"));
        btnCancel->setMinimumSize(QSize(72, 30));
        btnLayout->addWidget(btnCancel);
        horizontalLayout->addLayout(btnLayout);
        verticalLayout_3->addWidget(m_BaseDialogBottom);

        verticalLayout_3->setStretch(1, 1);

        retranslateUi(form);
    }

    void retranslateUi(QDialog *form)
    {
        form->setWindowTitle(QCoreApplication::translate("BaseDialog", "BaseDialog"));
        m_labelNULL->setText(QCoreApplication::translate("BaseDialog", "null content"));
        btnConfirm->setText(QCoreApplication::translate("BaseDialog", "Confirm"));
        btnCancel->setText(QCoreApplication::translate("BaseDialog", "Cancel"));
    }
};

} // namespace Ui

namespace {

void emptyLayout(QLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0))
        delete item;
}

} // namespace

BaseDialog::BaseDialog(bool appButton, bool optionButton, bool minButton, bool maxButton, bool closeButton,
    bool confirmButton, bool cancelButton, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::BaseDialog>())
{
    ui->setupUi(this);

    m_title = new BaseTitle(appButton, optionButton, minButton, maxButton, closeButton, this);
    ui->titleLayout->addWidget(m_title);

    ui->btnConfirm->setVisible(confirmButton);
    ui->btnConfirm->setEnabled(confirmButton);
    ui->btnCancel->setVisible(cancelButton);
    ui->btnCancel->setEnabled(cancelButton);

    connect(m_title, &BaseTitle::signalAppButtonClicked, this, &BaseDialog::signalAppButtonClicked);
    connect(m_title, &BaseTitle::signalOptionButtonClicked, this, &BaseDialog::signalOptionButtonClicked);
    connect(m_title, &BaseTitle::signalMinButtonClicked, this, &BaseDialog::signalMinButtonClicked);
    connect(m_title, &BaseTitle::signalMaxButtonClicked, this, &BaseDialog::signalMaxButtonClicked);
    connect(m_title, &BaseTitle::signalCloseButtonClicked, this, &BaseDialog::signalCloseButtonClicked);

    connect(ui->btnConfirm, &QPushButton::clicked, this, &BaseDialog::onConfirmBtnClicked);
    connect(ui->btnCancel, &QPushButton::clicked, this, &BaseDialog::onCancelBtnClicked);

    setEnableMin(true);
    setEnableMax(true);
    setEnableClose(true);

    // Frameless alone: every other flag, the dialog type included, is dropped.
    setWindowFlags(Qt::FramelessWindowHint);
}

BaseDialog::~BaseDialog()
{
    // The widgets in these layouts are children of the dialog and go with it.
    emptyLayout(ui->BorderLayout);
    emptyLayout(ui->layoutMyBtns);
    delete m_title;
    m_title = nullptr;
    ui.reset();
}

void BaseDialog::setContentWidget(QWidget *widget)
{
    Q_ASSERT(widget);
    if (!widget)
        return;
    emptyLayout(ui->BorderLayout);
    if (ui->m_labelNULL) {
        delete ui->m_labelNULL;
        ui->m_labelNULL = nullptr;
    }
    ui->BorderLayout->addWidget(widget);
}

void BaseDialog::centreOver(const QWidget *window)
{
    if (!window)
        return;
    move(window->x() + (window->width() - width()) / 2, window->y() + (window->height() - height()) / 2);
}

void BaseDialog::addBottomWidget(QWidget *widget)
{
    Q_ASSERT(widget);
    if (!widget)
        return;
    ui->layoutMyBtns->addWidget(widget);
}

void BaseDialog::addCustomButton(QAbstractButton *button)
{
    m_title->addCustomButton(button);
}

void BaseDialog::setFixedSize(int w, int h)
{
    const int contentHeight = h - m_title->height() - ui->m_BaseDialogBottom->height();
    QWidget::setFixedSize(w, h);
    ui->mainBorder->setFixedSize(w, contentHeight);
}

void BaseDialog::setFixedSize(const QSize &size)
{
    setFixedSize(size.width(), size.height());
}

void BaseDialog::setEnableMin(bool enable)
{
    if (enable) {
        if (!m_enableMin)
            m_enableMin = connect(m_title, &BaseTitle::signalMinButtonClicked, this, &QWidget::showMinimized);
    } else {
        disconnect(m_enableMin);
        m_enableMin = {};
    }
}

void BaseDialog::setEnableMax(bool enable)
{
    if (enable) {
        if (!m_enableMax)
            m_enableMax
                = connect(m_title, &BaseTitle::signalMaxButtonClicked, this, &BaseDialog::restoreWindow);
    } else {
        disconnect(m_enableMax);
        m_enableMax = {};
    }
}

void BaseDialog::setEnableClose(bool enable)
{
    if (enable) {
        if (!m_enableClose)
            m_enableClose = connect(m_title, &BaseTitle::signalCloseButtonClicked, this, &QWidget::close);
    } else {
        disconnect(m_enableClose);
        m_enableClose = {};
    }
}

void BaseDialog::setEnableConfirm(bool enable)
{
    m_enableConfirm = enable;
}

void BaseDialog::setEnableCancel(bool enable)
{
    m_enableCancel = enable;
}

void BaseDialog::setEnableDefaultConnections(
    bool enableMin, bool enableMax, bool enableClose, bool enableConfirm, bool enableCancel)
{
    setEnableMin(enableMin);
    setEnableMax(enableMax);
    setEnableClose(enableClose);
    setEnableConfirm(enableConfirm);
    setEnableCancel(enableCancel);
}

void BaseDialog::setTitle(QString title)
{
    m_title->setTitle(title);
    setWindowTitle(title);
}

void BaseDialog::setDefaultText(QString text, int fontSize, bool blod)
{
    if (!ui->m_labelNULL)
        return;
    const QString templ = blod
        ? QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:%2pt; "
                         "font-weight:600;\">%1</span></p></body></html>")
        : QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" "
                         "font-size:%2pt;\">%1</span></p></body></html>");
    ui->m_labelNULL->setText(templ.arg(text).arg(fontSize));
}

void BaseDialog::setDefaultText(QString text, int fontSize)
{
    setDefaultText(text, fontSize, false);
}

void BaseDialog::setDefaultText(QString text)
{
    if (!ui->m_labelNULL)
        return;
    ui->m_labelNULL->setText(text);
}

void BaseDialog::setConfirmButtonText(QString text)
{
    ui->btnConfirm->setText(text);
}

void BaseDialog::setCancelButtonText(QString text)
{
    ui->btnCancel->setText(text);
}

void BaseDialog::setBottomBarHeight(int height)
{
    ui->m_BaseDialogBottom->setFixedHeight(height);
}

void BaseDialog::setBottomVisible(bool value)
{
    ui->m_BaseDialogBottom->setVisible(value);
}

void BaseDialog::onConfirmBtnClicked()
{
    if (m_enableConfirm)
        accept();
    emit signalConfirmButtonClicked();
}

void BaseDialog::onCancelBtnClicked()
{
    if (m_enableCancel)
        close();
    emit signalCancelButtonClicked();
}

void BaseDialog::restoreWindow()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

} // namespace virad
